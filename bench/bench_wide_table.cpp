// SPDX-License-Identifier: MIT
// Reading tables by their shape, each against a baseline measured in the same run:
// - the widest table a graph takes (99 columns) against one column of as many values;
//   compare the ratio BM_ParseWideTable / BM_ParseTallTable at the same n (near 1: a
//   column costs nothing of its own);
// - n bytes of nothing but commas, and a first row of n bytes far wider than a graph takes,
//   which is refused, against counting n commas; the ratios BM_ParseCommas / BM_CountCommas
//   and BM_RefuseWideRow / BM_CountCommas stay the same as n grows when reading is linear.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/document/csv_table.h"
#include "core/stats/data.h"

namespace {

constexpr std::size_t kColumns = probel::kMaxSeriesPerGraph;

// `values` measurements like "50.1234", `columns` to a row.
std::string table(std::int64_t values, std::size_t columns)
{
    std::string text;
    char cell[32];
    for (std::int64_t i = 0; i < values; ++i) {
        const bool rowEnds = static_cast<std::size_t>(i + 1) % columns == 0;
        const int length = std::snprintf(cell, sizeof cell, "%.4f%c", 40.0 + static_cast<double>(i % 2000) / 100.0,
                                         rowEnds ? '\n' : ',');
        text.append(cell, static_cast<std::size_t>(length));
    }
    return text;
}

void parse(benchmark::State& state, const std::string& text)
{
    for (auto _ : state) {
        auto columns = probel::parseCsvTable(text, "bench");
        benchmark::DoNotOptimize(columns);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_ParseWideTable(benchmark::State& state)
{
    parse(state, table(state.range(0), kColumns));
}

void BM_ParseTallTable(benchmark::State& state)
{
    parse(state, table(state.range(0), 1));
}

void BM_ParseCommas(benchmark::State& state)
{
    parse(state, std::string(static_cast<std::size_t>(state.range(0)), ','));
}

void BM_CountCommas(benchmark::State& state)
{
    const std::string text(static_cast<std::size_t>(state.range(0)), ',');
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::count(text.begin(), text.end(), ','));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_RefuseWideRow(benchmark::State& state)
{
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0))) {
        text += "1,";
    }
    parse(state, text);
}

}  // namespace

BENCHMARK(BM_ParseWideTable)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseTallTable)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseCommas)->RangeMultiplier(16)->Range(1 << 12, 1 << 24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountCommas)->RangeMultiplier(16)->Range(1 << 12, 1 << 24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefuseWideRow)->RangeMultiplier(16)->Range(1 << 12, 1 << 24)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
