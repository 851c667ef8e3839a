// SPDX-License-Identifier: MIT
#include "core/stats/clipboard_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace probel {
namespace {

using Status = PastedValues::Status;

constexpr double kUntouched = -7;
constexpr std::size_t kStoreSize = 8;

struct Paste {
    PastedValues result;
    std::vector<double> store;
};

Paste paste(std::string_view text, std::size_t storeSize = kStoreSize)
{
    Paste outcome{{}, std::vector<double>(storeSize, kUntouched)};
    outcome.result = pasteValues(text, outcome.store);
    return outcome;
}

std::vector<double> storeWith(std::vector<double> front, std::size_t storeSize = kStoreSize)
{
    front.resize(storeSize, kUntouched);
    return front;
}

void expectResult(const PastedValues& result, Status status, std::size_t taken, std::size_t stopLine)
{
    EXPECT_EQ(result.status, status);
    EXPECT_EQ(result.taken, taken);
    EXPECT_EQ(result.stopLine, stopLine);
}

TEST(PasteValues, TakesEveryLineWhateverItsLineEnd)
{
    const char* const texts[] = {
        "1\r\n2\r\n3\r\n",
        "1\n2\n3\n",
        "1\r2\r3\r",                      // CR LF, LF, CR
        "1\r\n2\n3",                      // mixed, no line end after the last
        "1\r\n2\r\n3\r\n\r\n\n  \r\n\t",  // blank lines at the end are ignored
        " 1 \r\n\t2\r\n3 ",               // blanks around a number
        "１\r\n２\r\n３　\r\n　",         // full-width, ideographic spaces
    };
    for (const char* text : texts) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        const Paste pasted = paste(text);
        expectResult(pasted.result, Status::Complete, 3, 0);
        EXPECT_EQ(pasted.store, storeWith({1, 2, 3}));
    }
}

TEST(PasteValues, ReadsEachLineAsAWholeNumber)
{
    const Paste pasted = paste("-0.25\n1e3\n+2.5E-1\n１２．５\n－３\n１Ｅ＋２\n.5\n-1.5E+308");
    expectResult(pasted.result, Status::Complete, 8, 0);
    EXPECT_EQ(pasted.store, (std::vector<double>{-0.25, 1000, 0.25, 12.5, -3, 100, 0.5, -1.5E+308}));
}

TEST(PasteValues, StopsAtTheFirstLineThatIsNotANumberKeepingTheValuesBefore)
{
    struct Case {
        const char* text;
        std::size_t taken;
    };
    const Case cases[] = {
        {"1\r\n\r\n3\r\n", 1},  // an empty line in the middle
        {"1\n\n3", 1},
        {"1\r\r3", 1},
        {"1\n\r3", 1},  // LF then CR is two line ends, not one
        {"\n1", 0},
        {"1\n2\n12abc\n4", 2},
        {"1\n1,5\n3", 1},
        {"1\n1 000\n3", 1},
        {"1\n \n3", 1},  // blanks only
        {"1\n2\n1e\n", 2},
        {"1\nInf\n", 1},
        {"1\nNaN", 1},
        {"x", 0},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(item.text)));
        const Paste pasted = paste(item.text);
        expectResult(pasted.result, Status::NotANumber, item.taken, item.taken + 1);
        std::vector<double> front;
        for (std::size_t i = 0; i < item.taken; ++i) {
            front.push_back(static_cast<double>(i + 1));
        }
        EXPECT_EQ(pasted.store, storeWith(front));
    }
}

// A number beyond the double range would be stored as the largest double: the paste stops
// there as at any other line it cannot take, and says why. The largest double's own text,
// which a copy writes, pastes back.
TEST(PasteValues, StopsAtANumberBeyondTheDoubleRangeAndSaysSo)
{
    struct Case {
        const char* text;
        std::size_t taken;
    };
    const Case cases[] = {
        {"1\n2\n1e309\n4", 2},
        {"1\r-1.79769313486233E+308", 1},
        {"１Ｅ＋３０９", 0},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(item.text)));
        const Paste pasted = paste(item.text);
        expectResult(pasted.result, Status::NotANumber, item.taken, item.taken + 1);
        EXPECT_TRUE(pasted.result.tooLarge);
    }
    EXPECT_FALSE(paste("1\n1e309x").result.tooLarge);

    const double largest = std::numeric_limits<double>::max();
    const Paste copied = paste(copyText(std::vector<double>{largest, -largest}));
    expectResult(copied.result, Status::Complete, 2, 0);
    EXPECT_EQ(copied.store, storeWith({largest, -largest}));
}

TEST(PasteValues, RefusesMoreLinesThanTheStoreHoldsBeforeStoringAny)
{
    const Paste full = paste("1\n2\n3\n4", 4);
    expectResult(full.result, Status::Complete, 4, 0);

    // Trailing blank lines do not count; one line more does, whatever its line ends.
    expectResult(paste("1\n2\n3\n4\n\n\n\n", 4).result, Status::Complete, 4, 0);
    for (const char* text :
         {"1\n2\n3\n4\n5", "1\r\n2\r\n3\r\n4\r\n5\r\n", "1\r2\r3\r4\r5", "1\n2\n3\n4\nx", "1\n\r2\n3\n4"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        const Paste refused = paste(text, 4);
        expectResult(refused.result, Status::TooManyLines, 0, 0);
        EXPECT_EQ(refused.store, storeWith({}, 4));
    }
}

TEST(PasteValues, BlankTextTakesNothing)
{
    for (const char* text : {"", "\r\n", "\n\n  \t\r\n", "　"}) {
        const Paste pasted = paste(text);
        expectResult(pasted.result, Status::Complete, 0, 0);
        EXPECT_EQ(pasted.store, storeWith({}));
    }
}

TEST(PasteValues, FillsAFullSizeStore)
{
    constexpr std::size_t kCount = 30000;
    std::string text;
    for (std::size_t i = 0; i < kCount; ++i) {
        text += std::to_string(i) + "\r\n";
    }
    const Paste pasted = paste(text, kCount);
    expectResult(pasted.result, Status::Complete, kCount, 0);
    for (std::size_t i = 0; i < kCount; ++i) {
        ASSERT_EQ(pasted.store[i], static_cast<double>(i)) << i;
    }
    // Every CR LF counted once, wherever it falls in the text, and one line more refused.
    text += "1";
    const Paste refused = paste(text, kCount);
    expectResult(refused.result, Status::TooManyLines, 0, 0);
    EXPECT_EQ(refused.store, storeWith({}, kCount));
}

TEST(CopyText, GeneralNumberTextOfEachValueEachFollowedByCrLf)
{
    EXPECT_EQ(copyText(std::vector<double>{1, 2.5, -0.25}), "1\r\n2.5\r\n-0.25\r\n");
    EXPECT_EQ(copyText(std::vector<double>{0.1 + 0.2, 1e20, -1.23456789012345e-300, 0}),
              "0.3\r\n1E+20\r\n-1.23456789012345E-300\r\n0\r\n");
    EXPECT_EQ(copyText({}), "");
}

TEST(CopyText, PastesBackToTheSameValuesUpToFifteenDigits)
{
    const std::vector<double> values{3, -0.5, 0.1, 6.02e23, 1e-5, 123456789012345, -9.87654321098765e-200, 1.0 / 3};
    std::vector<double> store(values.size());
    const PastedValues result = pasteValues(copyText(values), store);
    EXPECT_EQ(result.status, Status::Complete);
    EXPECT_EQ(result.taken, values.size());
    std::vector<double> expected = values;
    expected.back() = 0.333333333333333;  // a sixteenth digit does not survive the text
    EXPECT_EQ(store, expected);
}

}  // namespace
}  // namespace probel
