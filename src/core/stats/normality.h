// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>

namespace probel {

// The Anderson–Darling test of normality with the mean and standard deviation estimated from
// the data: the statistic A², its small-sample form A* = A²(1 + 0.75/n + 2.25/n²) and the
// p-value of A* by D'Agostino and Stephens' four-piece formula.
struct AndersonDarling {
    double a2 = 0;
    double a2Star = 0;
    double p = 0;
};

// Too few values for the test to say anything.
inline constexpr int kAndersonDarlingMinimumCount = 8;

// The test on values sorted in ascending order. Empty with fewer than eight values or when
// they are all equal (no spread to standardise by) or not finite.
std::optional<AndersonDarling> andersonDarling(std::span<const double> sorted);

// The p-value of A* (D'Agostino and Stephens, 1986), clamped to 0 ... 1.
double andersonDarlingP(double a2Star);

// Whether the test rejects normality at the 5 % level.
inline bool rejectsNormality(const AndersonDarling& test)
{
    return test.p < 0.05;
}

// The standard normal distribution function and its logarithm; the logarithm stays finite far
// into the lower tail, where the function itself is 0 in double precision.
double normalCdf(double z);
double logNormalCdf(double z);

}  // namespace probel
