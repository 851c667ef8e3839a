// SPDX-License-Identifier: MIT
// Paste and copy of the value grid at its limit of 30000 values. Compare in one run:
//  - BM_Paste / BM_PasteBaseline at the same n: what paste adds to splitting the text into
//    lines and reading each as a number (the line count check, the full-width test);
//  - BM_Paste at 1000 and at 30000: items per second stay the same when paste is linear;
//  - BM_Copy / BM_CopyBaseline: what copy adds to writing each value's text into one string.
#include "core/numbers/number_text.h"
#include "core/stats/clipboard_values.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "normal_values.h"

namespace {

constexpr std::int64_t kSmall = 1000;
constexpr std::int64_t kLimit = 30000;
constexpr std::uint64_t kSeed = 20240611;

// Measurements as the clipboard holds them: one general number text a line, CR LF after each.
const std::vector<double>& measurements()
{
    static const std::vector<double> values = probel::bench::normalValues(kLimit, 50, 10, kSeed);
    return values;
}

std::string clipboardText(std::int64_t count)
{
    const auto& values = measurements();
    return probel::copyText(std::span(values).first(static_cast<std::size_t>(count)));
}

void BM_PasteBaseline(benchmark::State& state)
{
    const std::string text = clipboardText(state.range(0));
    std::vector<double> store(static_cast<std::size_t>(kLimit));
    for (auto _ : state) {
        std::size_t taken = 0;
        std::size_t start = 0;
        const std::string_view all(text);
        while (start < all.size()) {
            const std::size_t end = all.find("\r\n", start);
            const std::optional<double> value = probel::wholeNumber(all.substr(start, end - start));
            store[taken++] = value.value_or(0);
            start = end + 2;
        }
        benchmark::DoNotOptimize(store.data());
        benchmark::DoNotOptimize(taken);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Paste(benchmark::State& state)
{
    const std::string text = clipboardText(state.range(0));
    std::vector<double> store(static_cast<std::size_t>(kLimit));
    for (auto _ : state) {
        const probel::PastedValues pasted = probel::pasteValues(text, store);
        benchmark::DoNotOptimize(store.data());
        benchmark::DoNotOptimize(pasted.taken);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CopyBaseline(benchmark::State& state)
{
    const auto& values = measurements();
    for (auto _ : state) {
        std::string text;
        for (const double value : values) {
            text += probel::generalNumberText(value);
            text += "\r\n";
        }
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * kLimit);
}

void BM_Copy(benchmark::State& state)
{
    const auto& values = measurements();
    for (auto _ : state) {
        const std::string text = probel::copyText(values);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * kLimit);
}

}  // namespace

BENCHMARK(BM_PasteBaseline)->Arg(kSmall)->Arg(kLimit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paste)->Arg(kSmall)->Arg(kLimit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyBaseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Copy)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
