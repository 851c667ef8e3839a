// SPDX-License-Identifier: MIT
#include "core/graph/probability_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/graph/normo_bp.h"

namespace probel {
namespace {

constexpr std::int32_t kTop = 100;
constexpr std::int32_t kHeight = 400;

float heightOf(double percent)
{
    return *probabilityToY(QuantileTable::shared(), kTop, kHeight, percent);
}

struct HeightCase {
    double percent;
    double y;
    double tolerance;
};

TEST(ProbabilityToY, HeightsInAFrameFrom100To500)
{
    const HeightCase cases[] = {
        {50, 300, 0},
        {0.01, 500, 0},
        {99.99, 100, 0},
        {1, 300 + 200 * 2.32634 / 3.71947, 1E-4},  // about 425.09
        {99, 300 - 200 * 2.32634 / 3.71947, 1E-4},
        {0.014, 500, 0},  // 1.4 steps round to entry 1
        {99.986, 100, 0},
        {25, 300 + 200 * 0.67449 / 3.71947, 1E-4},
        {50.004, 300, 0},  // (100 - 50.004) x 100 rounds to 5000
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(heightOf(c.percent), c.y, c.tolerance) << "P = " << c.percent;
    }
}

TEST(ProbabilityToY, HalfStepsRoundUpward)
{
    // 0.015 % is 1.5 steps: entry 2, not entry 1 (which would give the bottom edge).
    const double entryTwo = QuantileTable::shared()[2];
    EXPECT_FLOAT_EQ(heightOf(0.015), static_cast<float>(300 + 200 * entryTwo / -3.71947));
    EXPECT_LT(heightOf(0.015), 500.0F);
    // 2.5 and 4.5 steps: entries 3 and 5, where halves to even would give 2 and 4.
    const QuantileTable& table = QuantileTable::shared();
    EXPECT_FLOAT_EQ(heightOf(0.025), static_cast<float>(300 + 200 * double{table[3]} / -3.71947));
    EXPECT_FLOAT_EQ(heightOf(0.045), static_cast<float>(300 + 200 * double{table[5]} / -3.71947));
}

TEST(ProbabilityToY, ScaleIsSymmetricAboutMidHeight)
{
    for (const double percent : {0.1, 1.0, 10.0, 20.0, 33.33, 49.99}) {
        EXPECT_FLOAT_EQ(heightOf(percent) - 300.0F, 300.0F - heightOf(100.0 - percent)) << percent;
    }
}

TEST(ProbabilityToY, OutsideZeroToHundredHasNoHeight)
{
    for (const double percent : {-0.01, -1.0, 100.001, 150.0, std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(probabilityToY(QuantileTable::shared(), kTop, kHeight, percent).has_value()) << percent;
    }
}

TEST(ProbabilityToY, ZeroAndHundredLieFarOutsideTheFrame)
{
    // Entry 0 is +1E8: about 1.3E7 frame heights above (0 %) and below (100 %) the middle.
    EXPECT_LT(heightOf(0), 300 - 200 * 1E8 / 3.72 * 0.99);
    EXPECT_GT(heightOf(100), 300 + 200 * 1E8 / 3.72 * 0.99);
}

// Plotting positions closer to 0 % or 100 % than half a table step (more than 10 000 values)
// have no entry: each takes its own quantile and lies beyond the edge by as much as it says.
TEST(ProbabilityToY, PositionsBeyondTheTableTakeTheirOwnQuantile)
{
    const struct {
        double percent;
        double z;
    } cases[] = {
        {0.004, -3.94440},   // quantile of 0.00004
        {0.0001, -4.75342},  // 1 of 999 999 values
        {1E-10, -7.03448},
    };
    for (const auto& c : cases) {
        const double below = 300 + 200 * c.z / -3.71947;
        EXPECT_NEAR(heightOf(c.percent), below, 1E-3) << c.percent;
        EXPECT_GT(heightOf(c.percent), 500.0F) << c.percent;
        EXPECT_NEAR(heightOf(100 - c.percent), 600 - below, 1E-3) << c.percent;
    }
    // Nearer the edge is farther beyond it; half a step and above still use the table.
    EXPECT_GT(heightOf(0.0001), heightOf(0.004));
    EXPECT_FLOAT_EQ(heightOf(0.005), 500.0F);
}

TEST(NormoBpGetPictY, UsesTheGraphsFrame)
{
    NormoBp graph;
    graph.setFrameTop(kTop);
    graph.setFrameHeight(kHeight);
    EXPECT_EQ(*graph.getPictY(50), 300.0F);
    EXPECT_EQ(*graph.getPictY(0.01), 500.0F);
    EXPECT_EQ(*graph.getPictY(99.99), 100.0F);
    EXPECT_FALSE(graph.getPictY(-5).has_value());
    EXPECT_FALSE(graph.getPictY(100.5).has_value());
}

TEST(ValueToX, LinearPosition)
{
    EXPECT_DOUBLE_EQ(*valueToX(25, 0, 100, 50, 500), 175.0);
    EXPECT_DOUBLE_EQ(*valueToX(0, 0, 100, 50, 500), 50.0);
    EXPECT_DOUBLE_EQ(*valueToX(100, 0, 100, 50, 500), 550.0);
    EXPECT_DOUBLE_EQ(*valueToX(-50, 0, 100, 50, 500), -200.0);
    // A reversed axis runs right to left; exponents work the same way.
    EXPECT_DOUBLE_EQ(*valueToX(25, 100, 0, 50, 500), 425.0);
    EXPECT_DOUBLE_EQ(*valueToX(std::log10(10.0), -1, 2, 0, 300), 200.0);
}

TEST(ValueToX, ZeroLengthAxisOrNaNHasNoPosition)
{
    EXPECT_FALSE(valueToX(5, 3, 3, 0, 100).has_value());
    EXPECT_FALSE(valueToX(std::numeric_limits<double>::quiet_NaN(), 0, 1, 0, 100).has_value());
    EXPECT_FALSE(valueToX(1, 0, std::numeric_limits<double>::quiet_NaN(), 0, 100).has_value());
}

TEST(PlottingPosition, RanksOverCountPlusOne)
{
    const double expected[] = {100.0 / 6, 200.0 / 6, 50.0, 400.0 / 6, 500.0 / 6};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_DOUBLE_EQ(plottingPosition(i, 5), expected[i - 1]) << i;
    }
    EXPECT_DOUBLE_EQ(plottingPosition(1, 1), 50.0);
    // The middle of five values is drawn at mid-height.
    EXPECT_EQ(heightOf(plottingPosition(3, 5)), 300.0F);
    // Large counts stay strictly inside 0 ... 100.
    const std::int32_t many = std::numeric_limits<std::int32_t>::max();
    EXPECT_GT(plottingPosition(1, many), 0.0);
    EXPECT_LT(plottingPosition(many, many), 100.0);
}

TEST(PlottingPosition, OtherRulesInPercent)
{
    EXPECT_DOUBLE_EQ(plottingPosition(1, 5, PlottingPositions::Benard), 100 * 0.7 / 5.4);
    EXPECT_DOUBLE_EQ(plottingPosition(5, 5, PlottingPositions::Blom), 100 * 4.625 / 5.25);
    EXPECT_DOUBLE_EQ(plottingPosition(1, 1, PlottingPositions::Hazen), 50.0);
    EXPECT_DOUBLE_EQ(plottingPosition(2, 4, PlottingPositions::Hazen), 37.5);
    const std::int32_t many = std::numeric_limits<std::int32_t>::max();
    for (const auto& [rule, word] : kPlottingPositionsWords) {
        EXPECT_GT(plottingPosition(1, many, rule), 0.0) << word;
        EXPECT_LT(plottingPosition(many, many, rule), 100.0) << word;
    }
}

}  // namespace
}  // namespace probel
