// SPDX-License-Identifier: MIT
#include "core/stats/capability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace probel {
namespace {

// Normal tails from published tables: 1 − Φ(3) = 0.0013498980316301,
// 1 − Φ(2) = 0.0227501319481792, 1 − Φ(10) = 7.6198530241605e-24.
TEST(CapabilityTest, ExpectedPpmIsTheNormalTailOutsideTheLimitsTheOptionUses)
{
    EXPECT_NEAR(*expectedPpm(0, -3, 3, 0, 1), 2699.796063260191, 1e-9);
    EXPECT_NEAR(*expectedPpm(1, -3, 3, 0, 1), 1349.8980316300956, 1e-9) << "upper limit only";
    EXPECT_NEAR(*expectedPpm(2, 8.5, 11, 10, 0.5), 1349.8980316300956, 1e-9) << "lower limit only, 3σ";
    EXPECT_NEAR(*expectedPpm(0, 8.5, 11, 10, 0.5), 1349.8980316300956 + 22750.13194817922, 1e-8);
    EXPECT_NEAR(*expectedPpm(0, -10, 10, 0, 1), 1.5239706048321e-17, 1e-28) << "far tails keep their digits";
    EXPECT_FALSE(expectedPpm(0, -3, 3, 0, 0));
}

TEST(CapabilityTest, ObservedPpmCountsValuesBeyondTheLimitsOnly)
{
    const std::vector<double> values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(*observedPpm(values, 0, 2.5, 9), 300000);
    EXPECT_EQ(*observedPpm(values, 1, 2.5, 9), 100000) << "upper limit only: 10";
    EXPECT_EQ(*observedPpm(values, 0, 1, 10), 0) << "a value on a limit is inside";
    EXPECT_FALSE(observedPpm({}, 0, 1, 10));
}

// Chou, Owen and Borrego with χ²₀.₀₅,₁₉ = 10.117 from the table; Bissell's formula evaluated
// by hand: 1.33 − 1.6448536·√(1/180 + 1.33²/38).
TEST(CapabilityTest, LowerBoundsForTwentyValues)
{
    EXPECT_NEAR(*cpLowerBound95(0, 1.33, 20), 1.33 * std::sqrt(10.117 / 19), 0.00002);
    EXPECT_NEAR(*cpkLowerBound95(1.33, 20), 0.9545351617590028, 1e-12);
    EXPECT_NEAR(*cpLowerBound95(1, 1.33, 20), 0.9545351617590028, 1e-12) << "one-sided Cp is a Cpk";
}

TEST(CapabilityTest, UndefinedFiguresAndTheSmallestSample)
{
    EXPECT_FALSE(cpLowerBound95(0, 1.33, 1));
    EXPECT_FALSE(cpkLowerBound95(1.33, 1));
    EXPECT_FALSE(cpkLowerBound95(std::nan(""), 20));
    const double none = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(capabilityCp(0, 6, none, 10, 1));
    EXPECT_DOUBLE_EQ(*capabilityCpk(0, 6, none, 10, 1), 4.0 / 3.0) << "the finite side is the nearer";
    // Two values: χ²₀.₀₅,₁ = 0.00393 leaves little of Cp; Bissell's bound goes below zero.
    EXPECT_NEAR(*cpLowerBound95(0, 1, 2), std::sqrt(0.00393), 0.0001);
    EXPECT_NEAR(*cpkLowerBound95(std::sqrt(2.0), 2), -0.2757128927625656, 1e-12);
}

}  // namespace
}  // namespace probel
