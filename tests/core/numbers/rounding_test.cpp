// SPDX-License-Identifier: MIT
#include "core/numbers/rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace probel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
// 2^52 - 0.5: the largest magnitude at which a double still holds a half.
constexpr double kLastHalf = 4503599627370495.5;

struct RoundCase {
    double value;
    double expected;
};

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour)
{
    const RoundCase cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {2.6, 3},
        {-2.6, -3},
        {2.4, 2},
        {0.49999999999999994, 0},
        {2.5000000000000004, 3},
        {kLastHalf, 4503599627370496.0},
        {4503599627370497.0, 4503599627370497.0},
        {1e300, 1e300},
        {-1e300, -1e300},
        {kInf, kInf},
        {-kInf, -kInf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << "value " << c.value;
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(kNaN)));
}

TEST(RoundHalfUp, RoundsHalvesUpwardWithoutTheFloorPlusHalfError)
{
    const RoundCase cases[] = {
        {2.5, 3},
        {-2.5, -2},
        {-0.5, 0},
        {-1.5, -1},
        {1.4, 1},
        {-1.6, -2},
        // floor(x + 0.5) gives 1 here, because x + 0.5 rounds to 1.0 in binary.
        {0.49999999999999994, 0},
        {-0.49999999999999994, 0},
        // The area table look-up of a limit 2.995 sigma away must reach entry 300.
        {2.995 * 100, 300},
        {299.49999999999994, 299},
        {kLastHalf, 4503599627370496.0},
        {kInf, kInf},
        {-kInf, -kInf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfUp(c.value), c.expected) << "value " << c.value;
    }
    EXPECT_TRUE(std::isnan(roundHalfUp(kNaN)));
}

TEST(ToInt32HalfEven, ConvertsWhatFitsAndRefusesTheRest)
{
    struct Case {
        double value;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {2.5, 2},
        {-3.5, -4},
        {2147483647.4, INT32_MAX},
        {2147483647.5, std::nullopt},  // rounds to 2^31
        {-2147483648.5, INT32_MIN},    // the even neighbour still fits
        {-2147483648.6, std::nullopt},
        {1e10, std::nullopt},
        {-1e300, std::nullopt},
        {kInf, std::nullopt},
        {-kInf, std::nullopt},
        {kNaN, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toInt32HalfEven(c.value), c.expected) << "value " << c.value;
    }
}

TEST(ModSigned, KeepsTheSignOfTheDividend)
{
    struct Case {
        std::int64_t a;
        std::int64_t b;
        std::int64_t expected;
    };
    const Case cases[] = {
        {-7, 3, -1},  {7, -3, 1},    {7, 3, 1},    {-7, -3, -1},       {0, 5, 0},
        {-10, 10, 0}, {-15, 10, -5}, {123, 10, 3}, {INT64_MIN, -1, 0},  // overflows with a plain %
        {5, 0, 0},                                                      // no trap on a broken precondition
    };
    for (const auto& c : cases) {
        EXPECT_EQ(modSigned(c.a, c.b), c.expected) << c.a << " mod " << c.b;
    }
}

TEST(RoundDecimal, RoundsTheDecimalDigitsHalvesAwayFromZero)
{
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        // The binary values lie just below the halves; the decimal digits decide.
        {1.005, 2, 1.01},      {2.345, 2, 2.35},
        {-2.345, 2, -2.35},    {0.3413447460685429, 4, 0.3413},
        {2.5, 0, 3},           {-2.5, 0, -3},
        {0.5, 0, 1},           {0.4, 0, 0},
        {9.995, 2, 10},        {1234.5, -2, 1200},
        {1250, -2, 1300},      {49.9, -2, 0},
        {50, -2, 100},         {0.1 + 0.2, 20, 0.3},  // more decimals than digits: the 15-digit form
        {1e-320, 400, 1e-320}, {123, INT_MAX, 123},
        {123, INT_MIN, 0},     {kMax, 0, kMax},  // its 15-digit form lies beyond the range: saturates
        {kMax, -308, kMax},                      // rounds up to 2E+308
        {-kMax, -308, -kMax},  {kInf, 2, kInf},
        {-kInf, 2, -kInf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundDecimal(c.value, c.decimals), c.expected) << "value " << c.value << " decimals " << c.decimals;
    }
    EXPECT_TRUE(std::isnan(roundDecimal(kNaN, 2)));
}

TEST(RoundDecimal, ZeroResultsCarryNoMinusSign)
{
    EXPECT_FALSE(std::signbit(roundDecimal(-0.004, 2)));
    EXPECT_FALSE(std::signbit(roundDecimal(-0.0, 2)));
    EXPECT_FALSE(std::signbit(roundDecimal(-1e-300, 10)));
}

}  // namespace
}  // namespace probel
