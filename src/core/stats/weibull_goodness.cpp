// SPDX-License-Identifier: MIT
#include "core/stats/weibull_goodness.h"

#include <array>
#include <cmath>

namespace probel {
namespace {

struct UpperPoint {
    double a2Star;
    std::string_view below;
};

// A* at α = 0.25, 0.10, 0.05, 0.025, 0.01, each with the bracket of a statistic just below it.
constexpr std::array<UpperPoint, 5> kUpperPoints = {{
    {0.474, "p > 0.25"},
    {0.637, "0.10 < p < 0.25"},
    {0.757, "0.05 < p < 0.10"},
    {0.877, "0.025 < p < 0.05"},
    {1.038, "0.01 < p < 0.025"},
}};
constexpr std::string_view kBeyondAll = "p < 0.01";

}  // namespace

std::string_view weibullSignificanceText(double a2Star)
{
    for (const UpperPoint& point : kUpperPoints) {
        if (a2Star < point.a2Star) {
            return point.below;
        }
    }
    return kBeyondAll;
}

std::optional<WeibullAndersonDarling> weibullAndersonDarling(std::span<const double> sorted, const WeibullFit& fit)
{
    const std::size_t count = sorted.size();
    if (count < static_cast<std::size_t>(kWeibullAndersonDarlingMinimumCount) || !(fit.beta > 0) ||
        !std::isfinite(fit.beta) || !(fit.eta > 0) || !std::isfinite(fit.eta)) {
        return std::nullopt;
    }
    // With t = (x/η)^β, ln F = ln(1 − e^−t) and ln(1 − F) = −t, both exact far into either tail.
    // Gathered by value, the i-th value takes ln F with weight 2i − 1 and ln(1 − F) with weight
    // 2(n − i) + 1.
    double sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double x = sorted[i];
        if (!(x > 0) || !std::isfinite(x)) {
            return std::nullopt;
        }
        const double logT = fit.beta * std::log(x / fit.eta);
        const double t = std::exp(logT);
        // Where t is below the smallest double, 1 − e^−t is t itself.
        const double logBelow = t > 0 ? std::log(-std::expm1(-t)) : logT;
        sum += static_cast<double>(2 * i + 1) * logBelow - static_cast<double>(2 * (count - i) - 1) * t;
    }
    const auto n = static_cast<double>(count);
    WeibullAndersonDarling test;
    test.a2 = -n - sum / n;
    test.a2Star = test.a2 * (1 + 0.2 / std::sqrt(n));
    test.significance = weibullSignificanceText(test.a2Star);
    return test;
}

}  // namespace probel
