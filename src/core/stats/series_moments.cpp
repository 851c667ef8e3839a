// SPDX-License-Identifier: MIT
#include "core/stats/series_moments.h"

#include <algorithm>
#include <cmath>

namespace probel {
namespace {

// Above this magnitude squares of deviations (and sums of many values) may overflow; such
// series are worked out on values scaled by a power of two, which loses nothing.
const double kScaleAbove = std::ldexp(1.0, 400);

// Mean and sigma of the values multiplied by `scale`, given the sum of those scaled values.
SeriesMoments momentsFromSum(std::span<const double> values, double scale, double sum)
{
    const double n = static_cast<double>(values.size());
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
    double sum = 0;
    double largest = 0;
    for (const double value : values) {
        sum += value;
        largest = std::max(largest, std::abs(value));
    }
    if (!(largest > kScaleAbove) || !std::isfinite(largest)) {
        return momentsFromSum(values, 1, sum);
    }
    int exponent = 0;
    std::frexp(largest, &exponent);
    const double scale = std::ldexp(1.0, -exponent);
    double scaledSum = 0;
    for (const double value : values) {
        scaledSum += value * scale;
    }
    const SeriesMoments scaled = momentsFromSum(values, scale, scaledSum);
    return {std::ldexp(scaled.mean, exponent), std::ldexp(scaled.sigma, exponent)};
}

}  // namespace probel
