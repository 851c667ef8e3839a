// SPDX-License-Identifier: MIT
// The Anderson–Darling statistic of a series' sorted values (what the tooltip computes),
// against a baseline measured in the same run: one pass of log10 over the same values.
// Compare the ratio BM_AndersonDarling / BM_Log10Pass at the same n.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/stats/normality.h"
#include "normal_values.h"

namespace {

std::vector<double> sortedMeasurements(std::int64_t n)
{
    auto values = probel::bench::normalValues(n, 50.0, 3.0, 7);
    std::sort(values.begin(), values.end());
    return values;
}

void BM_Log10Pass(benchmark::State& state)
{
    const auto values = sortedMeasurements(state.range(0));
    for (auto _ : state) {
        double sum = 0;
        for (const double value : values) {
            sum += std::log10(value);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_AndersonDarling(benchmark::State& state)
{
    const auto values = sortedMeasurements(state.range(0));
    for (auto _ : state) {
        auto test = probel::andersonDarling(values);
        benchmark::DoNotOptimize(test);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_Log10Pass)->Arg(30000);
BENCHMARK(BM_AndersonDarling)->Arg(30000);
BENCHMARK_MAIN();
