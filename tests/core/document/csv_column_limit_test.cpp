// SPDX-License-Identifier: MIT
// How wide a table may be: as many columns as one graph takes series, a cell past them refused
// before the rest is read, and memory that follows the text's length however wide or empty
// its rows are.
#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/document/csv_columns.h"
#include "core/stats/data.h"

namespace {

// Every allocation of this test program is counted by malloc's usable size, so that a test
// can bound the most memory a call holds at once.
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

}  // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t live = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void operator delete(void* block) noexcept
{
    if (block != nullptr) {
        liveBytes -= malloc_usable_size(block);
        std::free(block);
    }
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

namespace probel {
namespace {

constexpr std::size_t kLimit = kMaxSeriesPerGraph;

// `count` cells joined by commas: "c1,c2,…" or "1,2,…".
std::string row(std::size_t count, const std::string& prefix)
{
    std::string text;
    for (std::size_t i = 1; i <= count; ++i) {
        text += (i > 1 ? "," : "") + prefix + std::to_string(i);
    }
    return text;
}

std::string repeated(const std::string& piece, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

// The most bytes held at once beyond those held before, while `text` is read.
std::size_t peakBytesReading(std::string text)
{
    const std::size_t before = liveBytes.load();
    peakBytes = before;
    const auto read = readCsvColumns(std::move(text), "wide.csv");
    return peakBytes.load() - before;
}

TEST(CsvColumnLimitTest, AsManyColumnsAsAGraphTakesSeriesAreRead)
{
    // Blank cells past the limit, as a spreadsheet pads its rows with, are passed over.
    const auto read =
        readCsvColumns(row(kLimit, "c") + std::string(1000, ',') + "\n" + row(kLimit, "") + ",,,\n", "wide.csv");
    ASSERT_TRUE(read.ok()) << read.error().message;
    ASSERT_EQ(read->size(), kLimit);
    EXPECT_EQ(read->back().number, 99);
    EXPECT_EQ(read->back().header, "c99");
    EXPECT_EQ(read->back().values, std::vector<double>{99});
}

TEST(CsvColumnLimitTest, TextPastTheLimitIsRefusedWhereItStands)
{
    const std::string names = row(kLimit, "c") + "\n";
    const struct {
        const char* what;
        std::string text;
        int line;
        int column;
    } cases[] = {
        {"a first row of numbers", row(kLimit + 1, "") + "\n2\n", 1, 100},
        {"a number in a later row", names + row(kLimit + 1, ""), 2, 100},
        {"text after blank cells", names + "1" + std::string(200, ',') + "x\n", 2, 201},
        {"a quoted cell in a later row", names + "1\n" + row(kLimit, "") + ",\"7\"\n", 3, 100},
    };
    for (const auto& one : cases) {
        const auto read = readCsvColumns(one.text, "wide.csv");
        ASSERT_FALSE(read.ok()) << one.what;
        EXPECT_EQ(read.error().message,
                  "列が多すぎます。一つのグラフに描ける系列は 99 個までなので、表は 99 列までにしてください。")
            << one.what;
        EXPECT_EQ(read.error().file, "wide.csv");
        EXPECT_EQ(read.error().line, one.line) << one.what;
        EXPECT_EQ(read.error().column, one.column) << one.what;
    }
}

TEST(CsvColumnLimitTest, MemoryFollowsTheTextHoweverWideOrEmptyItsRows)
{
    // A column of one-digit values needs six bytes per byte of text (a double and a line
    // number for every two bytes); no shape of table may need more than a little over that.
    constexpr std::size_t kBytesPerTextByte = 8;
    constexpr std::size_t kMegabyte = std::size_t{1} << 20;
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"commas and no numbers", std::string(kMegabyte, ',')},
        {"a first row far too wide", repeated("1,", kMegabyte / 2)},
        {"a full row above empty lines", row(kLimit, "") + std::string(kMegabyte, '\n')},
    };
    for (const auto& one : cases) {
        EXPECT_LE(peakBytesReading(one.text), kBytesPerTextByte * one.text.size()) << one.what;
    }
}

}  // namespace
}  // namespace probel
