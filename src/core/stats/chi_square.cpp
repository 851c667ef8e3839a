// SPDX-License-Identifier: MIT
#include "core/stats/chi_square.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "core/stats/incomplete_gamma.h"

namespace probel {
namespace {

constexpr int kMaximumSteps = 300;
constexpr double kRelativeTolerance = 1e-13;

double chiSquareDensity(double x, double freedom)
{
    const double half = freedom / 2;
    return std::exp((half - 1) * std::log(x) - x / 2 - half * std::numbers::ln2 - std::lgamma(half));
}

}  // namespace

double chiSquareCdf(double x, double freedom)
{
    return regularizedLowerGamma(freedom / 2, x / 2);
}

double chiSquareQuantile(double probability, double freedom)
{
    if (!(probability > 0 && probability < 1) || !(freedom > 0) || std::isinf(freedom)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // A bracket [low, high] around the answer, widened upward from the mean.
    double low = 0;
    double high = freedom;
    while (chiSquareCdf(high, freedom) < probability) {
        low = high;
        high *= 2;
    }
    // Newton's method from the top of the bracket; a step that leaves the bracket halves it
    // instead, so the steep start of the distribution for one or two degrees of freedom cannot
    // throw it off.
    double x = high;
    for (int step = 0; step < kMaximumSteps; ++step) {
        const double miss = chiSquareCdf(x, freedom) - probability;
        if (miss == 0) {
            return x;
        }
        if (miss < 0) {
            low = x;
        } else {
            high = x;
        }
        const double density = chiSquareDensity(x, freedom);
        double next = x - miss / density;
        if (!(density > 0) || !(next > low && next < high)) {
            next = (low + high) / 2;
        }
        if (std::abs(next - x) <= kRelativeTolerance * x || high - low <= kRelativeTolerance * high) {
            return next;
        }
        x = next;
    }
    return x;
}

}  // namespace probel
