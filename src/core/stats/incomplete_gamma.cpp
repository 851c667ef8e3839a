// SPDX-License-Identifier: MIT
#include "core/stats/incomplete_gamma.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace probel {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Keeps the continued fraction's denominators away from zero (Lentz's method).
constexpr double kTiny = std::numeric_limits<double>::min() / kEpsilon;

// Both expansions need about √a terms near x ≈ a, so the cap grows with the shape.
int iterationCap(double a)
{
    return 100 + static_cast<int>(50 * std::sqrt(a));
}

// x^a e^(−x) / Γ(a), in logarithms so that large shapes do not overflow.
double leadingFactor(double a, double x)
{
    return std::exp(a * std::log(x) - x - std::lgamma(a));
}

// P(a, x) by its power series; converges quickly for x < a + 1.
double lowerBySeries(double a, double x)
{
    double term = 1 / a;
    double sum = term;
    double shape = a;
    const int cap = iterationCap(a);
    for (int i = 0; i < cap; ++i) {
        shape += 1;
        term *= x / shape;
        sum += term;
        if (std::abs(term) < std::abs(sum) * kEpsilon) {
            break;
        }
    }
    return sum * leadingFactor(a, x);
}

// Q(a, x) = 1 − P(a, x) by its continued fraction (modified Lentz); converges for x ≥ a + 1.
double upperByContinuedFraction(double a, double x)
{
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double fraction = d;
    const int cap = iterationCap(a);
    for (int i = 1; i <= cap; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::abs(d) < kTiny) {
            d = kTiny;
        }
        c = b + an / c;
        if (std::abs(c) < kTiny) {
            c = kTiny;
        }
        d = 1 / d;
        const double step = d * c;
        fraction *= step;
        if (std::abs(step - 1) < kEpsilon) {
            break;
        }
    }
    return fraction * leadingFactor(a, x);
}

}  // namespace

double regularizedLowerGamma(double a, double x)
{
    if (!(a > 0) || !(x >= 0) || std::isinf(a)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (x == 0) {
        return 0;
    }
    if (std::isinf(x)) {
        return 1;
    }
    if (x < a + 1) {
        return std::clamp(lowerBySeries(a, x), 0.0, 1.0);
    }
    return std::clamp(1 - upperByContinuedFraction(a, x), 0.0, 1.0);
}

}  // namespace probel
