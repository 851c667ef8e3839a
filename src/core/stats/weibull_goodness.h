// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/stats/weibull_fit.h"

namespace probel {

// The Anderson–Darling test of a Weibull fit whose two parameters were estimated from the same
// values by maximum likelihood: A² over zᵢ = F(xᵢ), the modified statistic
// A* = A²(1 + 0.2/√n), and the bracket its significance falls in.
struct WeibullAndersonDarling {
    double a2 = 0;
    double a2Star = 0;
    std::string_view significance;
};

// Below this many values two estimated parameters leave too little for the test to judge.
inline constexpr int kWeibullAndersonDarlingMinimumCount = 5;

// The test on positive values sorted in ascending order. The bracket holds for the fit by
// maximum likelihood to the same values (fitWeibullByLikelihood); for another fit only A² is
// right. Empty with fewer than kWeibullAndersonDarlingMinimumCount values, a value that is not
// positive and finite, or a fit whose β and η are not positive and finite.
std::optional<WeibullAndersonDarling> weibullAndersonDarling(std::span<const double> sorted, const WeibullFit& fit);

// Where A* falls among the upper-tail points of the extreme-value test with both parameters
// estimated (D'Agostino and Stephens 1986, table 4.17): "p > 0.25", "0.10 < p < 0.25",
// "0.05 < p < 0.10", "0.025 < p < 0.05", "0.01 < p < 0.025" or "p < 0.01". A statistic equal to a
// point counts as beyond it.
std::string_view weibullSignificanceText(double a2Star);

}  // namespace probel
