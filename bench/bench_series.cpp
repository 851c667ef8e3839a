// SPDX-License-Identifier: MIT
// Setting a series' values and reading its limit statistics, against a baseline measured in
// the same run: a plain std::sort plus one pass of sums and log10 over a copy of the values.
// Compare the ratio BM_SetIniData / BM_Baseline at the same n.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/stats/normo_data.h"
#include "normal_values.h"

namespace {

std::vector<double> measurements(std::int64_t n)
{
    return probel::bench::normalValues(n, 50.0, 3.0, 42);
}

void BM_Baseline(benchmark::State& state)
{
    const auto values = measurements(state.range(0));
    for (auto _ : state) {
        auto copy = values;
        std::sort(copy.begin(), copy.end());
        double sum = 0;
        double squares = 0;
        double logSum = 0;
        for (const double value : copy) {
            sum += value;
            squares += value * value;
            logSum += std::log10(value);
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(squares);
        benchmark::DoNotOptimize(logSum);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SetIniData(benchmark::State& state)
{
    const auto values = measurements(state.range(0));
    probel::NormoData series;
    for (auto _ : state) {
        series.setIniData(values);
        benchmark::DoNotOptimize(series.sortData().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ProbelAndCp(benchmark::State& state)
{
    probel::NormoData series;
    series.setIniData(measurements(1000));
    series.setMin(45);
    series.setMax(56);
    for (auto _ : state) {
        benchmark::DoNotOptimize(series.probel("0.##"));
        benchmark::DoNotOptimize(series.logProbel("0.##"));
        benchmark::DoNotOptimize(series.cp(0, "0.##"));
        benchmark::DoNotOptimize(series.logCp(0, "0.##"));
    }
}

}  // namespace

BENCHMARK(BM_Baseline)->Arg(30)->Arg(1000)->Arg(30000)->Arg(1000000);
BENCHMARK(BM_SetIniData)->Arg(30)->Arg(1000)->Arg(30000)->Arg(1000000);
BENCHMARK(BM_ProbelAndCp);
BENCHMARK_MAIN();
