// SPDX-License-Identifier: MIT
#include "core/stats/series_moments.h"

#include <algorithm>
#include <cmath>

namespace probel {
namespace {

// Above this magnitude squares of deviations (and sums of many values) may overflow; such
// series are worked out on values scaled by a power of two, which loses nothing.
const double kScaleAbove = std::ldexp(1.0, 400);

SeriesMoments unscaledMoments(std::span<const double> values, double scale)
{
    const double n = static_cast<double>(values.size());
    double sum = 0;
    for (const double value : values) {
        sum += value * scale;
    }
    const double mean = sum / n;

    double squares = 0;
    double deviations = 0;
    for (const double value : values) {
        const double d = value * scale - mean;
        squares += d * d;
        deviations += d;
    }
    // `deviations` is what rounding left in the mean; taking it out keeps the variance exact
    // to working precision.
    const double variance = std::abs(squares - deviations * deviations / n) / n;
    return {mean, std::sqrt(variance)};
}

}  // namespace

SeriesMoments seriesMoments(std::span<const double> values)
{
    if (values.empty()) {
        return {};
    }
    double largest = 0;
    for (const double value : values) {
        largest = std::max(largest, std::abs(value));
    }
    if (!(largest > kScaleAbove) || !std::isfinite(largest)) {
        return unscaledMoments(values, 1);
    }
    int exponent = 0;
    std::frexp(largest, &exponent);
    const SeriesMoments scaled = unscaledMoments(values, std::ldexp(1.0, -exponent));
    return {std::ldexp(scaled.mean, exponent), std::ldexp(scaled.sigma, exponent)};
}

}  // namespace probel
