// SPDX-License-Identifier: MIT
#include "core/stats/incomplete_gamma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace probel {
namespace {

// Expected values from closed forms: P(1, x) = 1 − e^(−x), P(1/2, x) = erf(√x), and for whole
// a the Poisson sum 1 − e^(−x) Σ_{k<a} x^k/k!.
TEST(IncompleteGammaTest, MatchesClosedForms)
{
    EXPECT_NEAR(regularizedLowerGamma(1, 2), 0.8646647167633873, 1e-14);
    EXPECT_NEAR(regularizedLowerGamma(0.5, 2), 0.9544997361036416, 1e-14);
    EXPECT_NEAR(regularizedLowerGamma(10, 5), 0.031828057306205304, 1e-14);
    EXPECT_NEAR(regularizedLowerGamma(10, 20), 0.9950045876916924, 1e-14) << "the continued fraction";
    EXPECT_NEAR(regularizedLowerGamma(5000, 5000), 0.5018806340320414, 1e-9) << "a large shape needs many terms";
}

TEST(IncompleteGammaTest, EndsAndInvalidArguments)
{
    EXPECT_EQ(regularizedLowerGamma(2, 0), 0);
    EXPECT_EQ(regularizedLowerGamma(2, std::numeric_limits<double>::infinity()), 1);
    EXPECT_TRUE(std::isnan(regularizedLowerGamma(0, 1)));
    EXPECT_TRUE(std::isnan(regularizedLowerGamma(1, -0.5)));
}

}  // namespace
}  // namespace probel
