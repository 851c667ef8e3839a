// SPDX-License-Identifier: MIT
#include "core/stats/chi_square.h"

#include <gtest/gtest.h>

#include <cmath>

namespace probel {
namespace {

// Published chi-square table values, to the table's digits.
TEST(ChiSquareTest, QuantilesMatchTheTable)
{
    EXPECT_NEAR(chiSquareQuantile(0.05, 1), 0.00393, 0.000005);
    EXPECT_NEAR(chiSquareQuantile(0.05, 9), 3.325, 0.0005);
    EXPECT_NEAR(chiSquareQuantile(0.05, 19), 10.117, 0.0005);
    EXPECT_NEAR(chiSquareQuantile(0.05, 29), 17.708, 0.0005);
    EXPECT_NEAR(chiSquareQuantile(0.05, 99), 77.046, 0.0005);
    EXPECT_NEAR(chiSquareQuantile(0.95, 10), 18.307, 0.0005);
    EXPECT_NEAR(chiSquareQuantile(0.999, 4), 18.467, 0.0005);
}

TEST(ChiSquareTest, ExactWhereAClosedFormExists)
{
    // Two degrees of freedom: the exponential distribution, x = −2 ln(1 − p).
    EXPECT_NEAR(chiSquareQuantile(0.05, 2), -2 * std::log(0.95), 1e-12);
    // Ten thousand degrees of freedom, by bisection on the Poisson sum.
    EXPECT_NEAR(chiSquareQuantile(0.05, 10000), 9768.525135668773, 1e-6);
}

TEST(ChiSquareTest, InvalidArgumentsGiveNaN)
{
    EXPECT_TRUE(std::isnan(chiSquareQuantile(0, 5)));
    EXPECT_TRUE(std::isnan(chiSquareQuantile(1, 5)));
    EXPECT_TRUE(std::isnan(chiSquareQuantile(0.5, 0)));
}

}  // namespace
}  // namespace probel
