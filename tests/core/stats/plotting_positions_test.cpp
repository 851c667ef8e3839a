// SPDX-License-Identifier: MIT
#include "core/stats/plotting_positions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace probel {
namespace {

struct PositionCase {
    PlottingPositions positions;
    std::size_t i;
    std::size_t n;
    double expected;
};

// Each written out by hand as (i − a)/(n + 1 − 2a).
TEST(PlottingPositions, EachRuleAtOneTwoFiveAndThirtyThousandValues)
{
    using P = PlottingPositions;
    const std::vector<PositionCase> cases = {
        {P::Weibull, 1, 1, 0.5},
        {P::Weibull, 1, 2, 1.0 / 3},
        {P::Weibull, 2, 2, 2.0 / 3},
        {P::Weibull, 1, 5, 1.0 / 6},
        {P::Weibull, 5, 5, 5.0 / 6},
        {P::Weibull, 1, 30000, 1.0 / 30001},
        {P::Weibull, 30000, 30000, 30000.0 / 30001},
        {P::Benard, 1, 1, 0.5},
        {P::Benard, 1, 2, 0.7 / 2.4},
        {P::Benard, 2, 2, 1.7 / 2.4},
        {P::Benard, 1, 5, 0.7 / 5.4},
        {P::Benard, 3, 5, 0.5},
        {P::Benard, 5, 5, 4.7 / 5.4},
        {P::Benard, 1, 30000, 0.7 / 30000.4},
        {P::Benard, 15000, 30000, 14999.7 / 30000.4},
        {P::Blom, 1, 1, 0.5},
        {P::Blom, 1, 2, 0.625 / 2.25},
        {P::Blom, 2, 2, 1.625 / 2.25},
        {P::Blom, 1, 5, 0.625 / 5.25},
        {P::Blom, 4, 5, 3.625 / 5.25},
        {P::Blom, 30000, 30000, 29999.625 / 30000.25},
        {P::Hazen, 1, 1, 0.5},
        {P::Hazen, 1, 2, 0.25},
        {P::Hazen, 2, 2, 0.75},
        {P::Hazen, 1, 5, 0.1},
        {P::Hazen, 5, 5, 0.9},
        {P::Hazen, 1, 30000, 0.5 / 30000},
        {P::Hazen, 30000, 30000, 29999.5 / 30000},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(std::string(plottingPositionsWord(c.positions)) + " i=" + std::to_string(c.i) +
                     " n=" + std::to_string(c.n));
        EXPECT_NEAR(plottingPosition(c.positions, c.i, c.n), c.expected, 1e-15 * c.expected);
    }
}

// Benard's rule stands in for the exact median ranks, the medians of the beta distribution of
// the i-th of n uniform values; for the first and last these are 1 − 0.5^(1/n) and 0.5^(1/n).
TEST(PlottingPositions, BenardIsCloseToTheExactMedianRanks)
{
    for (const std::size_t n : {5u, 10u, 30u}) {
        const double first = 1 - std::pow(0.5, 1.0 / static_cast<double>(n));
        EXPECT_NEAR(plottingPosition(PlottingPositions::Benard, 1, n), first, 0.01 * first) << n;
        EXPECT_NEAR(plottingPosition(PlottingPositions::Benard, n, n), 1 - first, 0.01 * first) << n;
    }
}

TEST(PlottingPositions, RanksOutsideOneToNGiveNaN)
{
    EXPECT_TRUE(std::isnan(plottingPosition(PlottingPositions::Weibull, 0, 5)));
    EXPECT_TRUE(std::isnan(plottingPosition(PlottingPositions::Hazen, 6, 5)));
    EXPECT_TRUE(std::isnan(plottingPosition(PlottingPositions::Blom, 1, 0)));
}

TEST(PlottingPositions, WordsAndOffsets)
{
    using P = PlottingPositions;
    const std::vector<std::tuple<P, const char*, double>> expected = {
        {P::Weibull, "weibull", 0.0},
        {P::Benard, "benard", 0.3},
        {P::Blom, "blom", 0.375},
        {P::Hazen, "hazen", 0.5},
    };
    for (const auto& [positions, word, offset] : expected) {
        EXPECT_EQ(plottingPositionsWord(positions), word);
        EXPECT_EQ(plottingPositionsFromWord(word), positions);
        EXPECT_EQ(plottingPositionOffset(positions), offset) << word;
    }
    for (const char* unknown : {"", "Weibull", "median", "weibull "}) {
        EXPECT_FALSE(plottingPositionsFromWord(unknown)) << unknown;
    }
    EXPECT_EQ(plottingPositionsWordsShown(), "weibull、benard、blom、hazen のどれか");
}

}  // namespace
}  // namespace probel
