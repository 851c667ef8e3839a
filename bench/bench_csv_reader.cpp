// SPDX-License-Identifier: MIT
// Reading a column of 10^6 measurements as plot reads its input, against the least any
// reader does: one pass over the same text, a from_chars per line. The parsing of the text
// once read, the copy of the stream the reader starts with, and a read of the stream in large
// pieces are measured on their own as well.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "core/document/csv_columns.h"
#include "core/document/csv_table.h"
#include "normal_values.h"

namespace {

constexpr std::int64_t kValues = 1000000;
constexpr double kMean = 50;
constexpr double kSigma = 10;
constexpr std::uint64_t kSeed = 20240607;

const std::string& columnText()
{
    static const std::string text = [] {
        std::string out;
        char line[32];
        for (const double value : probel::bench::normalValues(kValues, kMean, kSigma, kSeed)) {
            out.append(line, static_cast<std::size_t>(std::snprintf(line, sizeof line, "%.4f\n", value)));
        }
        return out;
    }();
    return text;
}

void BM_ReadCsvColumns(benchmark::State& state)
{
    for (auto _ : state) {
        std::istringstream in(columnText());
        auto columns = probel::readCsvColumns(in, "bench");
        benchmark::DoNotOptimize(columns);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The reader given the bytes of a file read whole, as plot and the program read them: a copy
// of the text stands for the file's bytes.
void BM_ReadCsvBytes(benchmark::State& state)
{
    for (auto _ : state) {
        auto columns = probel::readCsvColumns(std::string(columnText()), "bench");
        benchmark::DoNotOptimize(columns);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The same with the file's bytes already in memory, as for the pass below: the copy that
// stands for them is made outside the timing.
void BM_ReadCsvBytesInMemory(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::string bytes = columnText();
        state.ResumeTiming();
        auto columns = probel::readCsvColumns(std::move(bytes), "bench");
        benchmark::DoNotOptimize(columns);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The copy that stands for reading the file.
void BM_BytesCopy(benchmark::State& state)
{
    for (auto _ : state) {
        std::string bytes = columnText();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The parsing of the text once read: what the reader does after its copy of the stream.
void BM_ParseCsvTable(benchmark::State& state)
{
    for (auto _ : state) {
        auto columns = probel::parseCsvTable(columnText(), "bench");
        benchmark::DoNotOptimize(columns);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The copy of the stream into a string that the reader makes before it parses.
void BM_StreamCopy(benchmark::State& state)
{
    for (auto _ : state) {
        std::istringstream in(columnText());
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The same text taken from the stream in large pieces, for comparison with the copy above.
void BM_BulkRead(benchmark::State& state)
{
    constexpr std::size_t kPiece = 64 * 1024;
    for (auto _ : state) {
        std::istringstream in(columnText());
        std::string bytes;
        std::string piece(kPiece, '\0');
        while (in.read(piece.data(), kPiece) || in.gcount() > 0) {
            bytes.append(piece.data(), static_cast<std::size_t>(in.gcount()));
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The least any reader does: a from_chars per line, the values summed.
double fromCharsPass(std::string_view text)
{
    double sum = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        double value = 0;
        std::from_chars(text.data() + start, text.data() + end, value);
        sum += value;
        start = end + 1;
    }
    return sum;
}

void BM_FromCharsPass(benchmark::State& state)
{
    const std::string_view text = columnText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(fromCharsPass(text));
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

// The pass over a fresh copy of the text, as BM_ReadCsvBytes reads one: both then pay for
// bringing the file's bytes into memory that the process has not touched yet.
void BM_FromCharsPassOverCopy(benchmark::State& state)
{
    columnText();  // made before the timing starts
    for (auto _ : state) {
        const std::string bytes = columnText();
        benchmark::DoNotOptimize(fromCharsPass(bytes));
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

}  // namespace

BENCHMARK(BM_ReadCsvColumns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCsvBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCsvBytesInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BytesCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseCsvTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StreamCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulkRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FromCharsPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FromCharsPassOverCopy)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
