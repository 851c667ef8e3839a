// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "cli/axis_range.h"

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
    const double first = range.min / step;
    EXPECT_NEAR(first, std::round(first), 1e-6) << range.min << " .. " << range.max;
}

TEST(AxisRangeTest, LinearRangesHoldTheValuesInRoundDivisions)
{
    struct Case {
        double low;
        double high;
        AxisRange expected;
    };
    const Case cases[] = {
        {3, 97, {0, 100}},
        {22, 72, {0, 100}},
        {12, 38, {0, 50}},
        {5, 14, {4, 14}},
        {2, 3, {2, 3}},
        {0.5, 1.5, {0.5, 1.5}},
        {0.3, 1.2, {0.2, 1.2}},
        {0, 10.5, {0, 20}},  // not below zero for values of zero and above
        {-10.5, 0, {-20, 0}},
        {-3, 4, {-5, 5}},
        {5, 5, {2.5, 7.5}},  // equal values: spread around them
        {0, 0, {0, 1}},
        {-7, -7, {-12, -2}},
        {1000.25, 1000.75, {1000.25, 1000.75}},
        {1e-7, 3e-7, {1e-7, 3e-7}},
    };
    for (const auto& test : cases) {
        const AxisRange range = linearAxisRange(test.low, test.high, 10);
        EXPECT_DOUBLE_EQ(range.min, test.expected.min) << test.low << " .. " << test.high;
        EXPECT_DOUBLE_EQ(range.max, test.expected.max) << test.low << " .. " << test.high;
        EXPECT_LE(range.min, test.low);
        EXPECT_GE(range.max, test.high);
        expectRoundDivisions(range, 10);
    }
}

TEST(AxisRangeTest, AGivenEndIsKept)
{
    EXPECT_EQ(linearAxisRange(3, 97, 10, 0.0, 120.0), (AxisRange{0, 120}));
    EXPECT_EQ(linearAxisRange(3, 97, 10, 5.0), (AxisRange{5, 105}));
    EXPECT_EQ(linearAxisRange(3, 97, 10, std::nullopt, 50.0), (AxisRange{0, 50}));
    // Values beyond the given end do not move it; the other end still gets a round step.
    EXPECT_EQ(linearAxisRange(3, 97, 10, 200.0), (AxisRange{200, 400}));
    EXPECT_EQ(linearAxisRange(3, 97, 10, std::nullopt, -2.0), (AxisRange{-4, -2}));
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
        const AxisRange range = logAxisRange(test.low, test.high, test.fixedMin, test.fixedMax);
        EXPECT_DOUBLE_EQ(range.min, test.expected.min) << test.low << " .. " << test.high;
        EXPECT_DOUBLE_EQ(range.max, test.expected.max) << test.low << " .. " << test.high;
    }
}

}  // namespace
}  // namespace probel::cli
