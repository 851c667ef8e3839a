// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/graph/axis_range.h"

namespace probel::cli {
namespace {

// Every division label of the range is a whole multiple of its step, and the step is
// 1, 2 or 5 times a power of ten.
void expectRoundDivisions(const AxisRange& range, int divisions)
{
    const double step = (range.max - range.min) / divisions;
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / power;
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
        << range.min << " .. " << range.max;
    // Whole to the precision of the quotient, which far from zero counts millions of steps.
    const double first = range.min / step;
    EXPECT_NEAR(first, std::round(first), 1e-6 * std::max(1.0, std::abs(first))) << range.min << " .. " << range.max;
}

TEST(AxisRangeTest, LinearRangesHoldTheValuesInRoundDivisions)
{
    struct Case {
        double low;
        double high;
        AxisRange expected;
    };
    const Case cases[] = {
        {3, 97, {0, 100, 10}},
        {22, 72, {20, 80, 6}},
        {12, 38, {10, 40, 6}},
        {5, 14, {5, 14, 9}},
        {2, 3, {2, 3, 10}},
        {0.5, 1.5, {0.5, 1.5, 10}},
        {0.3, 1.2, {0.3, 1.2, 9}},
        {0, 10.5, {0, 12, 6}},  // not below zero for values of zero and above
        {-10.5, 0, {-12, 0, 6}},
        {-3, 4, {-3, 4, 7}},
        {-2.7, 92.1, {-20, 100, 6}},  // was -60 ... 140: ten divisions of 20
        {5, 5, {2.5, 7.5, 10}},       // equal values: spread around them
        {0, 0, {0, 1, 10}},
        {-7, -7, {-11, -3, 8}},
        {1000.25, 1000.75, {1000.25, 1000.75, 10}},
        {1e-7, 3e-7, {1e-7, 3e-7, 10}},
        {-0.92, 9e9, {-1e9, 9e9, 10}},  // a value tiny beside the step is no rounding error of 0
        {1e-12, 9e9, {0, 9e9, 9}},
    };
    for (const auto& test : cases) {
        const Result<AxisRange> range = linearAxisRange(test.low, test.high);
        ASSERT_TRUE(range) << test.low << " .. " << test.high;
        EXPECT_DOUBLE_EQ(range->min, test.expected.min) << test.low << " .. " << test.high;
        EXPECT_DOUBLE_EQ(range->max, test.expected.max) << test.low << " .. " << test.high;
        EXPECT_EQ(range->divisions, test.expected.divisions) << test.low << " .. " << test.high;
        EXPECT_LE(range->min, test.low);
        EXPECT_GE(range->max, test.high);
        expectRoundDivisions(range.value(), range->divisions);
    }
}

// Far from zero with a spread of 3E-8, the quotients count billions of steps: the axis still
// holds both values (found by fuzzing, where a tolerance on the quotient put the lower end above
// the lowest value).
TEST(AxisRangeTest, ATinySpreadFarFromZeroIsHeld)
{
    // At the end of the double range no multiple of a step fine enough reaches past the
    // values: refused rather than an axis that leaves the largest value off the paper.
    EXPECT_FALSE(linearAxisRange(1.7976931348623145e308, 1.7976931348623147e308));

    const Result<AxisRange> range = linearAxisRange(11.7976931, 11.7976931307);
    ASSERT_TRUE(range);
    EXPECT_LE(range->min, 11.7976931);
    EXPECT_GE(range->max, 11.7976931307);
    EXPECT_LE(range->divisions, 10);
    EXPECT_DOUBLE_EQ(range->min, 11.7976931);
    EXPECT_DOUBLE_EQ(range->max, 11.797693135);
}

// A value just below a power of ten whose log10 rounds up to the whole number still lies on its
// logarithmic axis (found by fuzzing).
TEST(AxisRangeTest, ALogAxisHoldsAValueJustBelowAPowerOfTen)
{
    const Result<AxisRange> range = logAxisRange(9999999999999934.98, 99999999799999999.0);
    ASSERT_TRUE(range);
    EXPECT_DOUBLE_EQ(range->min, 1e15);
    EXPECT_DOUBLE_EQ(range->max, 1e17);
    const Result<AxisRange> exact = logAxisRange(1e-3, 1e3);
    ASSERT_TRUE(exact);
    EXPECT_DOUBLE_EQ(exact->min, 1e-3) << "an exact power of ten is its own decade";
    EXPECT_DOUBLE_EQ(exact->max, 1e3);
}

// Values of any size and spread fill at least 60 % of the axis, in at most ten divisions of a
// round step.
TEST(AxisRangeTest, TheValuesFillMoreThanSixtyPercentOfTheAxis)
{
    std::mt19937 generator(20240607);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> power(-200, 200);
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::pow(10.0, power(generator));
        const double low = (unit(generator) * 2 - 1) * scale;
        // Spreads down to 1E-4 of the values' size, so the checks of roundness stay exact.
        const double high = low + scale * std::pow(10.0, -unit(generator) * 4);
        if (!(high > low)) {
            continue;
        }
        const Result<AxisRange> range = linearAxisRange(low, high);
        ASSERT_TRUE(range) << low << " .. " << high;
        EXPECT_LE(range->min, low);
        EXPECT_GE(range->max, high);
        EXPECT_LE(range->divisions, 10);
        EXPECT_GE((high - low) / (range->max - range->min), 0.6) << low << " .. " << high;
        expectRoundDivisions(range.value(), range->divisions);
    }
}

TEST(AxisRangeTest, AGivenEndIsKept)
{
    EXPECT_EQ(linearAxisRange(3, 97, 0.0, 120.0).value(), (AxisRange{0, 120, 10}));
    EXPECT_EQ(linearAxisRange(3, 97, 5.0).value(), (AxisRange{5, 105, 10}));
    EXPECT_EQ(linearAxisRange(3, 97, std::nullopt, 50.0).value(), (AxisRange{0, 50, 10}));
    EXPECT_EQ(linearAxisRange(3, 97, 0.0).value(), (AxisRange{0, 100, 10}));
    EXPECT_EQ(linearAxisRange(3, 47, -10.0).value(), (AxisRange{-10, 50, 6}));
    // Values beyond the given end do not move it; the other end still gets a round step.
    EXPECT_EQ(linearAxisRange(3, 97, 200.0).value(), (AxisRange{200, 400, 10}));
    EXPECT_EQ(linearAxisRange(3, 97, std::nullopt, -2.0).value(), (AxisRange{-4, -2, 10}));
}

// At the ends of the double range no round step exists or the axis cannot be drawn: the
// reason is given instead, and nothing is computed that has no value.
TEST(AxisRangeTest, RangesBeyondWhatDoublesHoldAreRefusedWithTheReason)
{
    constexpr double kLargest = std::numeric_limits<double>::max();
    constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
    struct Case {
        double low;
        double high;
        std::optional<double> fixedMin;
        std::optional<double> fixedMax;
        const char* reason;
    };
    const Case cases[] = {
        {0, kSmallest, {}, {}, "小さすぎて"},
        {-1e308, 1e308, {}, {}, "範囲を超えます"},
        {1, kLargest, {}, {}, "範囲を超えます"},
        {-kLargest, -kLargest, {}, {}, "範囲を超えます"},
        {1, 2, {}, kSmallest, "小さすぎて"},
        {1, 2, -kLargest, {}, "範囲を超えます"},
        {-kLargest, 2, {}, kLargest, "範囲を超えます"},
        {0, 0, kSmallest, {}, "小さすぎて"},
    };
    for (const auto& c : cases) {
        const Result<AxisRange> range = linearAxisRange(c.low, c.high, c.fixedMin, c.fixedMax);
        ASSERT_FALSE(range) << c.low << " .. " << c.high;
        EXPECT_NE(range.error().message.find(c.reason), std::string::npos) << range.error().message;
        EXPECT_NE(range.error().message.find("--min と --max"), std::string::npos);
    }
    // Just inside the range an axis is still found.
    EXPECT_TRUE(linearAxisRange(-4e307, 4e307));
    EXPECT_TRUE(linearAxisRange(0, 1e-298));
    EXPECT_FALSE(logAxisRange(kSmallest, 2));
    EXPECT_FALSE(logAxisRange(1, kLargest));
    EXPECT_FALSE(logAxisRange(1, 2, std::nullopt, kSmallest));
    EXPECT_EQ(logAxisRange(1e-300, 1e308).value(), (AxisRange{1e-300, 1e308, 10}));
}

TEST(AxisRangeTest, LogRangesAreWholeDecades)
{
    struct Case {
        double low;
        double high;
        std::optional<double> fixedMin;
        std::optional<double> fixedMax;
        AxisRange expected;
    };
    const Case cases[] = {
        {2, 50, {}, {}, {1, 100}},    {1, 100, {}, {}, {1, 100}},    {0.02, 3000, {}, {}, {0.01, 10000}},
        {5, 5, {}, {}, {1, 10}},      {10, 10, {}, {}, {1, 10}},     {1000, 1000, {}, {}, {100, 1000}},
        {2, 50, 0.5, {}, {0.1, 100}}, {2, 50, {}, 500.0, {1, 1000}}, {2, 50, 200.0, {}, {100, 1000}},
        {2, 50, 3.0, 4.0, {1, 10}},
    };
    for (const auto& test : cases) {
        const AxisRange range = logAxisRange(test.low, test.high, test.fixedMin, test.fixedMax).value();
        EXPECT_DOUBLE_EQ(range.min, test.expected.min) << test.low << " .. " << test.high;
        EXPECT_DOUBLE_EQ(range.max, test.expected.max) << test.low << " .. " << test.high;
    }
}

}  // namespace
}  // namespace probel::cli
