// SPDX-License-Identifier: MIT
// Reading and writing a large .pbl document (4 graphs x 5 series x 30 000 values) against
// the plainest code that moves the same bytes: strtod per line for reading, one snprintf per
// value for writing. Documents should cost at most three times that baseline. The values are
// either typed measurements (few decimals) or computed ones (15 significant digits).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"
#include "core/sheet/chart_sheet.h"

namespace {

constexpr int kGraphs = 4;
constexpr int kSeriesPerGraph = 5;
constexpr int kValuesPerSeries = 30'000;
constexpr int kValueCount = kGraphs * kSeriesPerGraph * kValuesPerSeries;
constexpr int kLineRoom = 32;

enum ValueKind : int { kMeasured = 0, kComputed = 1 };

// A deterministic spread of values around 10 with a few digits or with all of them.
std::vector<double> values(int series, ValueKind kind)
{
    std::uint64_t state = 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(series + 1);
    std::vector<double> result;
    result.reserve(kValuesPerSeries);
    for (int i = 0; i < kValuesPerSeries; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double unit = static_cast<double>(state >> 11) / static_cast<double>(1ULL << 53);
        const double value = 10 + 4 * (unit - 0.5);
        result.push_back(kind == kMeasured ? static_cast<double>(std::llround(value * 1000)) / 1000 : value);
    }
    return result;
}

std::unique_ptr<probel::ChartSheet> largeSheet(ValueKind kind)
{
    auto sheet = std::make_unique<probel::ChartSheet>();
    for (int g = 0; g < kGraphs; ++g) {
        const std::int32_t number = sheet->addGraph();
        probel::NormoBp& graph = *sheet->graph(number);
        graph.setFrameLeft(20 + 200 * g);
        graph.setFrameTop(20);
        graph.setFrameWidth(180);
        graph.setFrameHeight(300);
        graph.setTanni("mm");
        for (int s = 1; s <= kSeriesPerGraph; ++s) {
            probel::NormoData& series = graph.data().add();
            series.setIniData(values(g * kSeriesPerGraph + s, kind));
            series.setId(s);
            series.setComment("ロット" + std::to_string(s));
            series.setLabel(true);
            probel::ChartLabel& label = sheet->addSLabel(probel::ChartSheet::detailLabelIndex(number, s));
            label.caption = "○:ロット\r\n平均 : 10.01\r\nσ    : 1.15";
            label.visible = true;
        }
    }
    probel::ChartLabel& title = *sheet->comLabel(sheet->addComLabel());
    title.caption = "工程能力 2024";
    title.visible = true;
    return sheet;
}

const std::string& documentBytes(ValueKind kind)
{
    static const std::string measured = probel::sheetFileBytes(*largeSheet(kMeasured)).value();
    static const std::string computed = probel::sheetFileBytes(*largeSheet(kComputed)).value();
    return kind == kMeasured ? measured : computed;
}

std::string scratchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            (std::string("probel-bench-") + name + "-" + std::to_string(::getpid()) + ".pbl"))
        .string();
}

void setCounters(benchmark::State& state, std::size_t bytes)
{
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.SetItemsProcessed(state.iterations() * kValueCount);
}

void BM_ReadDocument(benchmark::State& state)
{
    const std::string& bytes = documentBytes(static_cast<ValueKind>(state.range(0)));
    for (auto _ : state) {
        auto sheet = probel::readSheetBytes(bytes, "bench.pbl");
        if (!sheet.ok()) {
            state.SkipWithError(sheet.error().message.c_str());
            break;
        }
        benchmark::DoNotOptimize(sheet.value().get());
    }
    setCounters(state, bytes.size());
}

// Every line through strtod, as the least a reader of numbers per line must do.
void BM_ReadBaseline(benchmark::State& state)
{
    const std::string& bytes = documentBytes(static_cast<ValueKind>(state.range(0)));
    for (auto _ : state) {
        double sum = 0;
        const char* at = bytes.c_str();
        const char* const end = at + bytes.size();
        while (at < end) {
            sum += std::strtod(at, nullptr);
            const void* newline = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
            at = newline != nullptr ? static_cast<const char*>(newline) + 1 : end;
        }
        benchmark::DoNotOptimize(sum);
    }
    setCounters(state, bytes.size());
}

void BM_WriteDocument(benchmark::State& state)
{
    const auto sheet = largeSheet(static_cast<ValueKind>(state.range(0)));
    std::size_t size = 0;
    for (auto _ : state) {
        auto bytes = probel::sheetFileBytes(*sheet);
        size = bytes.value().size();
        benchmark::DoNotOptimize(bytes.value().data());
    }
    setCounters(state, size);
}

// One snprintf per value into one growing buffer.
void BM_WriteBaseline(benchmark::State& state)
{
    const auto sheet = largeSheet(static_cast<ValueKind>(state.range(0)));
    std::size_t size = 0;
    for (auto _ : state) {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(kValueCount) * kLineRoom);
        char line[kLineRoom];
        for (const probel::NormoBp& graph : sheet->myNormo()) {
            for (const probel::NormoData& series : *graph.dataIfAny()) {
                for (const double value : series.iniValues()) {
                    const int length = std::snprintf(line, sizeof line, "%.15G\r\n", value);
                    bytes.append(line, static_cast<std::size_t>(length));
                }
            }
        }
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    setCounters(state, size);
}

void BM_ReadDocumentFile(benchmark::State& state)
{
    const std::string path = scratchPath("read");
    const std::string& bytes = documentBytes(kMeasured);
    if (!probel::writeSheetFile(*largeSheet(kMeasured), path).ok()) {
        state.SkipWithError("cannot write the scratch file");
        return;
    }
    for (auto _ : state) {
        auto sheet = probel::readSheetFile(path);
        benchmark::DoNotOptimize(sheet.ok());
    }
    std::filesystem::remove(path);
    setCounters(state, bytes.size());
}

void BM_ReadBaselineFile(benchmark::State& state)
{
    const std::string path = scratchPath("read-baseline");
    const std::string& bytes = documentBytes(kMeasured);
    if (!probel::writeSheetFile(*largeSheet(kMeasured), path).ok()) {
        state.SkipWithError("cannot write the scratch file");
        return;
    }
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        char line[256];
        double sum = 0;
        while (std::fgets(line, sizeof line, file) != nullptr) {
            sum += std::strtod(line, nullptr);
        }
        std::fclose(file);
        benchmark::DoNotOptimize(sum);
    }
    std::filesystem::remove(path);
    setCounters(state, bytes.size());
}

void BM_WriteDocumentFile(benchmark::State& state)
{
    const std::string path = scratchPath("write");
    const auto sheet = largeSheet(kMeasured);
    for (auto _ : state) {
        benchmark::DoNotOptimize(probel::writeSheetFile(*sheet, path).ok());
    }
    std::filesystem::remove(path);
    setCounters(state, documentBytes(kMeasured).size());
}

// The same safety as the document writer: a temporary file, flushed to the disk, renamed.
void BM_WriteBaselineFile(benchmark::State& state)
{
    const std::string path = scratchPath("write-baseline");
    const std::string temporary = path + ".tmp";
    const auto sheet = largeSheet(kMeasured);
    for (auto _ : state) {
        std::FILE* file = std::fopen(temporary.c_str(), "wb");
        char line[kLineRoom];
        for (const probel::NormoBp& graph : sheet->myNormo()) {
            for (const probel::NormoData& series : *graph.dataIfAny()) {
                for (const double value : series.iniValues()) {
                    const int length = std::snprintf(line, sizeof line, "%.15G\r\n", value);
                    std::fwrite(line, 1, static_cast<std::size_t>(length), file);
                }
            }
        }
        std::fflush(file);
        ::fsync(::fileno(file));
        std::fclose(file);
        std::rename(temporary.c_str(), path.c_str());
    }
    std::filesystem::remove(path);
    setCounters(state, documentBytes(kMeasured).size());
}

}  // namespace

BENCHMARK(BM_ReadDocument)->Arg(kMeasured)->Arg(kComputed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBaseline)->Arg(kMeasured)->Arg(kComputed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDocument)->Arg(kMeasured)->Arg(kComputed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBaseline)->Arg(kMeasured)->Arg(kComputed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocumentFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBaselineFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDocumentFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBaselineFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
