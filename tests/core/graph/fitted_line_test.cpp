// SPDX-License-Identifier: MIT
#include "core/graph/fitted_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace probel {
namespace {

// The end search written as plain stepping, one pixel at a time.
std::optional<Point> steppedByHand(const FittedLine& line, std::int32_t xMean, double slope, int direction)
{
    for (std::int64_t k = 1;; ++k) {
        const std::int64_t x = xMean + direction * k;
        const double y = std::nearbyint(static_cast<double>(direction * k) * slope + line.y50);
        const bool inside = y >= line.top && y <= std::int64_t{line.top} + line.height && x >= line.left &&
                            x <= std::int64_t{line.left} + line.width;
        if (!inside) {
            if (!(std::fabs(y) < 2147483647.0) || x > std::numeric_limits<std::int32_t>::max() ||
                x < std::numeric_limits<std::int32_t>::min()) {
                return std::nullopt;
            }
            return Point{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
        }
    }
}

FittedLine frame500x400()
{
    FittedLine line;
    line.left = 50;
    line.top = 100;
    line.width = 500;
    line.height = 400;
    line.axisMin = 0;
    line.axisMax = 100;
    line.y1 = 425;
    line.y50 = 300;
    line.y99 = 175;
    return line;
}

TEST(FittedLineEnds, AgreeWithStepping)
{
    const FittedLine line = frame500x400();
    // Halves of a pixel (0.5, 2.5) test the rounding of y; 0 and huge slopes the guards.
    const double slopes[] = {0.0,   -0.438596, 0.5,   -0.5,  2.5, -2.5, 1.0,   -1.0, -250.0,
                             250.0, 1E-9,      -1E-9, 0.001, 1E6, -1E6, 1E300, 0.4,  -0.6};
    const std::int32_t means[] = {300, 50, 49, 51, 550, 549, 551, 0, 1000, -1000};
    for (const double slope : slopes) {
        for (const std::int32_t xMean : means) {
            for (const int direction : {1, -1}) {
                EXPECT_EQ(line.steppedEnd(xMean, slope, direction), steppedByHand(line, xMean, slope, direction))
                    << "slope " << slope << " mean " << xMean << " direction " << direction;
            }
        }
    }
}

TEST(FittedLineEnds, AgreeWithSteppingOnRandomLines)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> position(-200, 1200);
    std::uniform_int_distribution<int> extent(2, 900);
    std::uniform_real_distribution<double> slope(-3.0, 3.0);
    for (int round = 0; round < 2000; ++round) {
        FittedLine line;
        line.left = position(random);
        line.top = position(random);
        line.width = extent(random);
        line.height = extent(random);
        line.y50 = line.top + line.height / 2;
        const std::int32_t xMean = position(random);
        // Now and then a slope of whole halves, where rounding ties.
        const double s = round % 5 == 0 ? std::round(slope(random) * 2) / 2 : slope(random);
        for (const int direction : {1, -1}) {
            ASSERT_EQ(line.steppedEnd(xMean, s, direction), steppedByHand(line, xMean, s, direction))
                << "round " << round;
        }
    }
}

TEST(FittedLineEnds, FlatOrUndefinedSlopesInHugeFramesEndAtOnce)
{
    FittedLine line;
    line.left = 0;
    line.top = 0;
    line.width = std::numeric_limits<std::int32_t>::max();
    line.height = std::numeric_limits<std::int32_t>::max();
    line.y50 = line.height / 2;
    // A flat line runs to the right edge of a frame two billion pixels wide.
    const auto right = line.steppedEnd(0, 0.0, 1);
    ASSERT_FALSE(right.has_value());  // x = 2^31 does not fit in a pixel coordinate
    line.width = std::numeric_limits<std::int32_t>::max() - 1;
    EXPECT_EQ(line.steppedEnd(0, 0.0, 1), (Point{std::numeric_limits<std::int32_t>::max(), line.y50}));
    EXPECT_EQ(line.steppedEnd(0, 0.0, -1), (Point{-1, line.y50}));
    // Without a slope the line ends at its first step, where it has no height.
    EXPECT_FALSE(line.steppedEnd(5, std::numeric_limits<double>::quiet_NaN(), 1).has_value());
    EXPECT_FALSE(line.steppedEnd(5, std::numeric_limits<double>::infinity(), 1).has_value());
}

TEST(FittedLine, SeriesLineThroughMeanAndOnePercentPoints)
{
    // Values 20, 50, 80: mean 50, sigma sqrt(600); 1 % / 99 % at 50 -/+ 2.32634 sigma.
    const FittedLine line = frame500x400();
    const auto ends = line.ends(50, std::sqrt(600.0), 2.32634);
    ASSERT_TRUE(ends.has_value());
    // xMean 300, xHigh 585, xLow 15: slope -250/570; the ends are one step outside the frame.
    EXPECT_EQ((*ends)[0], (Point{551, 190}));
    EXPECT_EQ((*ends)[1], (Point{49, 410}));
}

TEST(FittedLine, ZeroSpreadGetsTheOnePixelGuard)
{
    const FittedLine line = frame500x400();
    const auto ends = line.ends(40, 0, 2.32634);
    ASSERT_TRUE(ends.has_value());
    // Two pixels wide, (y1 - y99) above and below mid-height: past both frame edges.
    EXPECT_EQ((*ends)[0], (Point{251, 300 - 250}));
    EXPECT_EQ((*ends)[1], (Point{249, 300 + 250}));
}

TEST(FittedLine, NoLineWithoutAnAxisOrAPosition)
{
    FittedLine line = frame500x400();
    EXPECT_TRUE(line.ends(std::numeric_limits<double>::quiet_NaN(), 1, 2.32634) == std::nullopt);
    EXPECT_TRUE(line.ends(50, std::numeric_limits<double>::infinity(), 2.32634) == std::nullopt);
    EXPECT_TRUE(line.ends(1E300, 1, 2.32634) == std::nullopt);
    line.axisMax = line.axisMin;
    EXPECT_TRUE(line.ends(50, 1, 2.32634) == std::nullopt);
}

TEST(FittedLine, ReversedAxisMirrorsTheLine)
{
    FittedLine line = frame500x400();
    line.axisMin = 100;
    line.axisMax = 0;
    const auto ends = line.ends(50, std::sqrt(600.0), 2.32634);
    ASSERT_TRUE(ends.has_value());
    EXPECT_EQ((*ends)[0], (Point{551, 410}));
    EXPECT_EQ((*ends)[1], (Point{49, 190}));
}

TEST(FittedLine, WithinFrameKeepsThePartOfTheLineInsideTheFrame)
{
    // Frame 50 ... 550 by 100 ... 500.
    const FittedLine line = frame500x400();
    using Ends = std::array<Point, 2>;
    struct Case {
        Ends ends;
        std::optional<Ends> inside;
    };
    const Case cases[] = {
        {{Point{551, 190}, Point{49, 410}}, Ends{Point{550, 190}, Point{50, 410}}},
        // A steep line from a spread below one pixel stops at the top and bottom edges.
        {{Point{251, 50}, Point{249, 550}}, Ends{Point{251, 100}, Point{249, 500}}},
        {{Point{100, 200}, Point{300, 400}}, Ends{Point{100, 200}, Point{300, 400}}},
        {{Point{600, 0}, Point{600, 600}}, std::nullopt},                              // right of the frame
        {{Point{0, 90}, Point{700, 50}}, std::nullopt},                                // above it
        {{Point{550, 500}, Point{560, 510}}, Ends{Point{550, 500}, Point{550, 500}}},  // touches a corner
    };
    for (const auto& c : cases) {
        EXPECT_EQ(line.withinFrame(c.ends), c.inside) << c.ends[0].x << "," << c.ends[0].y;
    }
}

}  // namespace
}  // namespace probel
