// SPDX-License-Identifier: MIT
// The band around a fitted line, against values worked out with Python's statistics.NormalDist
// (cdf, inv_cdf) and math.sqrt from the formulas of the band.
#include "core/graph/confidence_band.h"

#include <gtest/gtest.h>

#include <cmath>

namespace probel {
namespace {

// 20 values with mean 10 and standard deviation 2.
constexpr NormalFit kFit{10, 2, 20};
constexpr double kZ95 = 1.959963984540054;
// The quantile of 90 %.
constexpr double kZ90Percent = 1.2815515655446004;

TEST(ConfidenceBand, CriticalValuesOfTheThreeLevels)
{
    EXPECT_NEAR(*twoSidedNormalQuantile(90), 1.6448536269514722, 1e-15);
    EXPECT_NEAR(*twoSidedNormalQuantile(95), kZ95, 1e-15);
    EXPECT_NEAR(*twoSidedNormalQuantile(99), 2.5758293035489004, 1e-15);
    EXPECT_EQ(*lillieforsCriticalValue(90), 0.819);
    EXPECT_EQ(*lillieforsCriticalValue(95), 0.895);
    EXPECT_EQ(*lillieforsCriticalValue(99), 1.035);
    for (const int other : {0, 80, 94, 100}) {
        EXPECT_FALSE(twoSidedNormalQuantile(other)) << other;
        EXPECT_FALSE(lillieforsCriticalValue(other)) << other;
    }
}

TEST(ConfidenceBand, LillieforsHalfWidthScalesStephensValueByTheCount)
{
    // c / (√n − 0.01 + 0.85/√n)
    EXPECT_NEAR(*lillieforsHalfWidth(95, 20), 0.19238202712376895, 1e-15);
    EXPECT_NEAR(*lillieforsHalfWidth(90, 10), 0.2393986963290923, 1e-15);
    EXPECT_NEAR(*lillieforsHalfWidth(99, 50), 0.14412480527030774, 1e-15);
    EXPECT_FALSE(lillieforsHalfWidth(95, 1));
    EXPECT_FALSE(lillieforsHalfWidth(95, 0));
    EXPECT_FALSE(lillieforsHalfWidth(97, 20));
}

TEST(ConfidenceBand, NormalProbability)
{
    EXPECT_NEAR(normalProbability(1.0), 0.8413447460685429, 1e-15);
    EXPECT_NEAR(normalProbability(-1.96), 0.024997895148220428, 1e-15);
    EXPECT_EQ(normalProbability(0.0), 0.5);
}

TEST(ConfidenceBand, PointwiseBoundsOfThe90PercentPercentile)
{
    // 12.5631 ± 1.95996 · 2 · √(1/20 + 1.28155²/40)
    const BandBounds bounds = pointwiseBounds(kFit, kZ95, kZ90Percent);
    EXPECT_NEAR(*bounds.lower, 11.380223960364319, 1e-12);
    EXPECT_NEAR(*bounds.upper, 13.745982301814085, 1e-12);
}

TEST(ConfidenceBand, SimultaneousBoundsShiftTheProbability)
{
    const double d = *lillieforsHalfWidth(95, 20);
    const BandBounds middle = simultaneousBounds(kFit, d, 0.0);
    EXPECT_NEAR(*middle.lower, 8.994772743529317, 1e-9);
    EXPECT_NEAR(*middle.upper, 11.005227256470683, 1e-9);
    // At 90 % the upper edge would need a probability of 1.092: it has no value there.
    const BandBounds high = simultaneousBounds(kFit, d, kZ90Percent);
    EXPECT_NEAR(*high.lower, 11.092878447256929, 1e-9);
    EXPECT_FALSE(high.upper);
    const BandBounds low = simultaneousBounds(kFit, d, -kZ90Percent);
    EXPECT_FALSE(low.lower);
    EXPECT_NEAR(*low.upper, 20 - 11.092878447256929, 1e-9);
}

TEST(ConfidenceBand, PointwiseSamplesAreEvenInHeight)
{
    const BandEdges edges = sampleBand(ConfidenceBand::Pointwise, 95, kFit, {-2, 2}, {0, 20}, 4);
    const double lower[] = {4.4818184257420075, 6.926483513769705, 9.123477459423418, 10.926483513769705,
                            12.481818425742008};
    const double upper[] = {7.5181815742579925, 9.073516486230295, 10.876522540576582, 13.073516486230295,
                            15.518181574257992};
    ASSERT_EQ(edges.lower.size(), 5U);
    ASSERT_EQ(edges.upper.size(), 5U);
    for (std::size_t i = 0; i < 5; ++i) {
        const double z = -2.0 + static_cast<double>(i);
        EXPECT_DOUBLE_EQ(edges.lower[i].z, z);
        EXPECT_DOUBLE_EQ(edges.upper[i].z, z);
        EXPECT_NEAR(edges.lower[i].value, lower[i], 1e-12) << "z " << z;
        EXPECT_NEAR(edges.upper[i].value, upper[i], 1e-12) << "z " << z;
    }
}

TEST(ConfidenceBand, SimultaneousEdgesFollowTheValuesWhereTheyRunOffLevel)
{
    const BandEdges edges = sampleBand(ConfidenceBand::Simultaneous, 95, kFit, {-3, 3}, {0, 20}, 8);
    ASSERT_FALSE(edges.lower.empty());
    ASSERT_FALSE(edges.upper.empty());
    // Sampled by value too: the upper edge passes value 20 (u = 5) at Φ⁻¹(Φ(5) − d), the lower
    // edge value 0 at Φ⁻¹(Φ(−5) + d).
    EXPECT_EQ(edges.upper.back().value, 20);
    EXPECT_NEAR(edges.upper.back().z, 0.8691508483019728, 1e-9);
    EXPECT_EQ(edges.lower.front().value, 0);
    EXPECT_NEAR(edges.lower.front().z, -0.8691508483019724, 1e-9);
    // Both edges run upward and to the right, as the line does.
    for (const auto* edge : {&edges.lower, &edges.upper}) {
        for (std::size_t i = 1; i < edge->size(); ++i) {
            EXPECT_GT((*edge)[i].z, (*edge)[i - 1].z);
            EXPECT_GE((*edge)[i].value, (*edge)[i - 1].value);
        }
    }
    // The upper edge exists only below Φ⁻¹(1 − d), the lower one only above Φ⁻¹(d).
    for (const BandPoint& point : edges.upper) {
        EXPECT_LT(point.z, 0.8691518965945788);
    }
    for (const BandPoint& point : edges.lower) {
        EXPECT_GT(point.z, -0.8691518965945788);
    }
}

TEST(ConfidenceBand, NoBandWithoutASpreadOrEnoughValues)
{
    const SampleRange heights{-3, 3};
    const SampleRange values{0, 20};
    const auto isEmpty = [](const BandEdges& edges) { return edges.lower.empty() && edges.upper.empty(); };
    EXPECT_TRUE(isEmpty(sampleBand(ConfidenceBand::None, 95, kFit, heights, values, 8)));
    EXPECT_TRUE(isEmpty(sampleBand(ConfidenceBand::Pointwise, 80, kFit, heights, values, 8)));
    EXPECT_TRUE(isEmpty(sampleBand(ConfidenceBand::Pointwise, 95, {10, 0, 20}, heights, values, 8)));
    EXPECT_TRUE(isEmpty(sampleBand(ConfidenceBand::Pointwise, 95, {10, 2, 1}, heights, values, 8)));
    EXPECT_TRUE(isEmpty(sampleBand(ConfidenceBand::Simultaneous, 95, {10, NAN, 20}, heights, values, 8)));
    EXPECT_TRUE(isEmpty(sampleBand(ConfidenceBand::Simultaneous, 95, {INFINITY, 2, 20}, heights, values, 8)));
}

}  // namespace
}  // namespace probel
