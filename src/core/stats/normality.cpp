// SPDX-License-Identifier: MIT
#include "core/stats/normality.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/stats/series_moments.h"

namespace probel {
namespace {

// Below this the logarithm of erfc's result would lose its digits; the asymptotic series
// takes over.
constexpr double kLowerTailZ = -30;
constexpr double kUpperPieceVertex = 5.709 / (2 * 0.0186);

}  // namespace

double normalCdf(double z)
{
    return 0.5 * std::erfc(-z / std::numbers::sqrt2);
}

double logNormalCdf(double z)
{
    if (z > kLowerTailZ) {
        return std::log(normalCdf(z));
    }
    // Φ(z) ≈ φ(z)/|z| · (1 − 1/z² + 3/z⁴) for large |z|.
    const double z2 = z * z;
    return -0.5 * z2 - std::log(-z) - 0.5 * std::log(2 * std::numbers::pi) + std::log1p(-1 / z2 + 3 / (z2 * z2));
}

double andersonDarlingP(double a2Star)
{
    double p = 0;
    if (a2Star >= 0.6) {
        // The quadratic turns upward past its vertex at A* = 5.709 / (2 · 0.0186), where p is
        // already below 1e-190; beyond it p stays there instead of growing again.
        const double a = std::min(a2Star, kUpperPieceVertex);
        p = std::exp(1.2937 - 5.709 * a + 0.0186 * a * a);
    } else if (a2Star >= 0.34) {
        p = std::exp(0.9177 - 4.279 * a2Star - 1.38 * a2Star * a2Star);
    } else if (a2Star >= 0.2) {
        p = 1 - std::exp(-8.318 + 42.796 * a2Star - 59.938 * a2Star * a2Star);
    } else {
        p = 1 - std::exp(-13.436 + 101.14 * a2Star - 223.73 * a2Star * a2Star);
    }
    return std::clamp(p, 0.0, 1.0);
}

std::optional<AndersonDarling> andersonDarling(std::span<const double> sorted)
{
    const auto n = static_cast<double>(sorted.size());
    if (sorted.size() < static_cast<std::size_t>(kAndersonDarlingMinimumCount)) {
        return std::nullopt;
    }
    const SeriesMoments moments = seriesMoments(sorted);
    // The sample standard deviation: the test estimates the spread with divisor n − 1.
    const double s = moments.sigma * std::sqrt(n / (n - 1));
    if (!(s > 0) || !std::isfinite(s) || !std::isfinite(moments.mean)) {
        return std::nullopt;
    }
    // A² sums (2i − 1)[ln Φ(z_i) + ln(1 − Φ(z_{n+1−i}))]; gathered by value, each z takes
    // ln Φ(z) with weight 2i − 1 and ln Φ(−z) with weight 2(n − i) + 1, so one pass computes
    // the tail area of each value once.
    double sum = 0;
    const std::size_t count = sorted.size();
    const double perS = 1 / s;
    for (std::size_t i = 0; i < count; ++i) {
        const double z = (sorted[i] - moments.mean) * perS;
        const double distance = std::fabs(z);
        // The smaller of Φ(z) and Φ(−z), and the larger.
        const double tail = 0.5 * std::erfc(distance * (1 / std::numbers::sqrt2));
        const double logTail = tail > 0 ? std::log(tail) : logNormalCdf(-distance);
        const double logBody = std::log1p(-tail);
        const double below = z < 0 ? logTail : logBody;
        const double above = z < 0 ? logBody : logTail;
        sum += static_cast<double>(2 * i + 1) * below + static_cast<double>(2 * (count - i) - 1) * above;
    }
    AndersonDarling test;
    test.a2 = -n - sum / n;
    test.a2Star = test.a2 * (1 + 0.75 / n + 2.25 / (n * n));
    test.p = andersonDarlingP(test.a2Star);
    return test;
}

}  // namespace probel
