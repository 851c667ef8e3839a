// SPDX-License-Identifier: MIT
#include "core/numbers/full_width.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/numbers/number_text.h"

namespace probel {
namespace {

TEST(HalfWidthNumberText, TurnsWhatAnInputMethodTypesIntoAscii)
{
    struct Case {
        const char* typed;
        const char* ascii;
    };
    const Case cases[] = {
        {"０１２３４５６７８９", "0123456789"},
        {"１２．５", "12.5"},
        {"－３", "-3"},
        {"＋３", "+3"},
        {"１Ｅ＋２", "1E+2"},
        {"２ｅ－３", "2e-3"},
        {"１，５", "1,5"},
        {"　１２　", " 12 "},  // ideographic spaces
        {"1２.５", "12.5"},    // mixed, as typed with the input method switched half way
        {"データ１", "データ1"},
        {"", ""},
        {"12.5", "12.5"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(halfWidthNumberText(item.typed), item.ascii) << item.typed;
    }
}

TEST(HalfWidthNumberText, LeavesEverythingElseAsItStands)
{
    // Full-width letters other than E, other full-width signs, kana, the minus sign U+2212, and
    // UTF-8 sequences cut short after a full-width lead byte.
    const char* const unchanged[] = {"ＡＢＸｘ", "！～", "データ", "ー", "−3", "\xEF\xBC", "\xEF", "abc\xFF"};
    for (const char* text : unchanged) {
        EXPECT_EQ(halfWidthNumberText(text), text) << text;
    }
}

TEST(HalfWidthNumberText, MakesTheNumberReadersTakeFullWidthNumbers)
{
    EXPECT_EQ(leadingNumber(halfWidthNumberText("１２ａｂｃ")), 12);
    EXPECT_EQ(leadingNumber(halfWidthNumberText("１　０００")), 1000);
    EXPECT_EQ(wholeNumber(halfWidthNumberText("　－１．２５Ｅ＋２　")), std::optional<double>(-125));
    EXPECT_EQ(wholeNumber(halfWidthNumberText("１，５")), std::nullopt);
    // The readers themselves stay ASCII-only for their other callers.
    EXPECT_EQ(wholeNumber("１２"), std::nullopt);
    EXPECT_EQ(leadingNumber("１２"), 0);
}

}  // namespace
}  // namespace probel
