// SPDX-License-Identifier: MIT
#include "core/stats/series_moments.h"

#include <cmath>

namespace probel {

SeriesMoments seriesMoments(std::span<const double> values)
{
    if (values.empty()) {
        return {};
    }
    const double n = static_cast<double>(values.size());
    double sum = 0;
    for (const double value : values) {
        sum += value;
    }
    const double mean = sum / n;

    double squares = 0;
    double deviations = 0;
    for (const double value : values) {
        const double d = value - mean;
        squares += d * d;
        deviations += d;
    }
    // `deviations` is what rounding left in the mean; taking it out keeps the variance exact
    // to working precision.
    const double variance = std::abs(squares - deviations * deviations / n) / n;
    return {mean, std::sqrt(variance)};
}

}  // namespace probel
