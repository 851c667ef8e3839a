// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace probel {

struct SeriesMoments {
    double mean = 0;
    double sigma = 0;  // population form, divisor n
};

// Mean and standard deviation of the values. The deviations are taken from the mean (two
// passes, with the rounding error of the mean corrected), so values far from zero such as
// 1000000001, 1000000002, 1000000003 keep their digits, and values near the top of the
// double range (1e308) do not overflow. Empty input gives zeros.
SeriesMoments seriesMoments(std::span<const double> values);

}  // namespace probel
