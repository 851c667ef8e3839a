// SPDX-License-Identifier: MIT
// Drawing a graph of 30 000 points on an A4 page image, with markers from one cached
// rendering against a fresh text layout per marker.
#include <benchmark/benchmark.h>

#include <QImage>

#include <random>
#include <vector>

#include "core/graph/graph_refresh.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/paper_size.h"
#include "normal_values.h"
#include "offscreen_benchmarks.h"
#include "platform/canvas/qpainter_canvas.h"

namespace {

using probel::NormoBp;
using probel::PointF;
using probel::QPainterCanvas;

constexpr int kPoints = 30000;
constexpr double kMean = 50;
constexpr double kSigma = 12;
constexpr std::uint32_t kSeed = 12345;

std::vector<double> normalValues(int count)
{
    return probel::bench::normalValues(count, kMean, kSigma, kSeed);
}

QImage a4Image()
{
    const auto paper = probel::paperSizeFromCode(probel::kPaperCodeA4Upright);
    return QImage(paper->widthPixels, paper->heightPixels, QImage::Format_RGB32);
}

void drawGraph(benchmark::State& state, bool fast)
{
    QImage image = a4Image();
    QPainterCanvas canvas(image);
    canvas.setFastStamping(fast);
    NormoBp graph;
    graph.setShowObj(&canvas);
    graph.setXJikuCheck(true);
    graph.setMemoriCheck(true);
    auto& series = graph.data().add();
    series.setIniData(normalValues(kPoints));
    series.setMrk("○");
    series.setMrkSize(10);
    for (auto _ : state) {
        canvas.clear();
        probel::refreshGraph(graph);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_GraphCachedMarkers(benchmark::State& state)
{
    drawGraph(state, true);
}
void BM_GraphTextPerMarker(benchmark::State& state)
{
    drawGraph(state, false);
}

void stampMarkers(benchmark::State& state, bool fast)
{
    QImage image = a4Image();
    QPainterCanvas canvas(image);
    canvas.setFastStamping(fast);
    probel::CanvasFont font;
    font.size = 10;
    canvas.setFont(font);
    std::vector<PointF> places;
    std::mt19937 generator(kSeed);
    std::uniform_real_distribution<double> across(0, image.width()), down(0, image.height());
    for (int i = 0; i < kPoints; ++i) {
        places.push_back(PointF{across(generator), down(generator)});
    }
    for (auto _ : state) {
        canvas.stampText(places, "○");
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_StampCached(benchmark::State& state)
{
    stampMarkers(state, true);
}
void BM_StampTextPerMarker(benchmark::State& state)
{
    stampMarkers(state, false);
}

}  // namespace

BENCHMARK(BM_GraphCachedMarkers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphTextPerMarker)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StampCached)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StampTextPerMarker)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return probel::bench::runOffscreenBenchmarks(argc, argv);
}
