// SPDX-License-Identifier: MIT
// Drawing one graph with a series of n values (markers and fitted line) on the recording
// canvas, against a baseline measured in the same run: recording the same markers directly.
// The ratio BM_Refresh / BM_StampBaseline at the same n shows what the graph adds per value.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/graph/graph_refresh.h"
#include "core/graph/normo_bp.h"
#include "normal_values.h"
#include "support/recording_canvas.h"

namespace {

std::vector<double> measurements(std::int64_t n)
{
    return probel::bench::normalValues(n, 50.0, 10.0, 7);
}

void BM_StampBaseline(benchmark::State& state)
{
    probel::RecordingCanvas canvas(800, 600);
    const std::vector<probel::PointF> places(static_cast<std::size_t>(state.range(0)), probel::PointF{10, 10});
    for (auto _ : state) {
        canvas.forget();
        canvas.stampText(places, "○");
        benchmark::DoNotOptimize(canvas.calls().data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StampBaseline)->RangeMultiplier(10)->Range(100, 100000);

void BM_Refresh(benchmark::State& state)
{
    probel::RecordingCanvas canvas(800, 600);
    probel::NormoBp graph;
    graph.setShowObj(&canvas);
    graph.setXJikuCheck(true);
    graph.setMemoriCheck(true);
    graph.data().add().setIniData(measurements(state.range(0)));
    for (auto _ : state) {
        canvas.forget();
        probel::refreshGraph(graph);
        benchmark::DoNotOptimize(canvas.calls().data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Refresh)->RangeMultiplier(10)->Range(100, 100000);

}  // namespace

BENCHMARK_MAIN();
