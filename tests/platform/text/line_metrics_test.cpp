// SPDX-License-Identifier: MIT
#include "platform/text/line_metrics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace probel {
namespace {

// An OS/2 table with the fields the line heights come from.
std::vector<std::uint8_t> os2Table(std::uint16_t selection, std::int16_t typoAscent, std::int16_t typoDescent,
                                   std::int16_t typoLineGap, std::uint16_t winAscent, std::uint16_t winDescent)
{
    std::vector<std::uint8_t> table(78);
    const auto put = [&](std::size_t at, std::uint16_t value) {
        table[at] = static_cast<std::uint8_t>(value >> 8U);
        table[at + 1] = static_cast<std::uint8_t>(value & 0xFFU);
    };
    put(62, selection);
    put(68, static_cast<std::uint16_t>(typoAscent));
    put(70, static_cast<std::uint16_t>(typoDescent));
    put(72, static_cast<std::uint16_t>(typoLineGap));
    put(74, winAscent);
    put(76, winDescent);
    return table;
}

double pixels(std::int32_t fixed)
{
    return fixed / 64.0;
}

// The numbers are Qt's for IPAPGothic (units per em 2048) and DejaVu Math TeX Gyre (1000,
// which asks for its typographic heights).
TEST(LineMetricsTest, WindowsHeightsUnlessTheTableAsksForTypographicOnes)
{
    const auto ipa = os2Table(0x40, 1802, -246, 0, 1802, 401);
    const LineMetrics at8 = *os2LineMetrics(ipa, 2048, 8);
    EXPECT_EQ(pixels(at8.ascent), 7.046875);
    EXPECT_EQ(pixels(at8.descent), 1.5625);
    EXPECT_EQ(pixels(*lineSpacingOf(at8)), 8.609375);
    EXPECT_EQ(pixels(*lineSpacingOf(*os2LineMetrics(ipa, 2048, 13))), 13.984375);

    const auto math = os2Table(0xC0, 792, -208, 200, 2408, 1858);
    const LineMetrics at7 = *os2LineMetrics(math, 1000, 7);
    EXPECT_EQ(pixels(at7.ascent), 5.546875);
    EXPECT_EQ(pixels(at7.descent), 1.453125);
    EXPECT_EQ(pixels(at7.leading), 1.40625);
    EXPECT_EQ(pixels(*lineSpacingOf(*os2LineMetrics(math, 1000, 13))), 15.59375);
}

TEST(LineMetricsTest, TablesQtPassesOverGiveNone)
{
    EXPECT_FALSE(os2LineMetrics(os2Table(0, 1802, -246, 0, 0, 0), 2048, 8));
    EXPECT_FALSE(os2LineMetrics(os2Table(0x80, 0, 0, 100, 1802, 401), 2048, 8));
    std::vector<std::uint8_t> shortTable = os2Table(0, 1802, -246, 0, 1802, 401);
    shortTable.pop_back();
    EXPECT_FALSE(os2LineMetrics(shortTable, 2048, 8));
    // Beyond Qt's fixed-point numbers.
    EXPECT_FALSE(os2LineMetrics(os2Table(0, 0, 0, 0, 60000, 401), 1000, 1000));
}

}  // namespace
}  // namespace probel
