// SPDX-License-Identifier: MIT
#include "core/stats/capability.h"

#include <algorithm>
#include <cmath>

#include "core/stats/chi_square.h"
#include "core/stats/cp_option.h"
#include "core/stats/normality.h"

namespace probel {
namespace {

constexpr double kPerMillion = 1e6;
// One-sided 95 % confidence: the lower 5 % point of the distribution and z at 0.95.
constexpr double kAlpha = 0.05;
constexpr double kZ95 = 1.6448536269514722;

std::optional<double> finite(double value)
{
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

}  // namespace

std::optional<double> capabilityCp(int option, double lower, double upper, double mean, double sigma)
{
    if (!(sigma > 0)) {
        return std::nullopt;
    }
    switch (option) {
    case kCpUpperLimitOnly:
        return finite((upper - mean) / (3 * sigma));
    case kCpLowerLimitOnly:
        return finite((mean - lower) / (3 * sigma));
    default:
        return finite((upper - lower) / (6 * sigma));
    }
}

std::optional<double> capabilityCpk(int option, double lower, double upper, double mean, double sigma)
{
    if (!(sigma > 0)) {
        return std::nullopt;
    }
    const double upperIndex = (upper - mean) / (3 * sigma);
    const double lowerIndex = (mean - lower) / (3 * sigma);
    switch (option) {
    case kCpUpperLimitOnly:
        return finite(upperIndex);
    case kCpLowerLimitOnly:
        return finite(lowerIndex);
    default:
        return finite(std::min(upperIndex, lowerIndex));
    }
}

std::optional<double> expectedPpm(int option, double lower, double upper, double mean, double sigma)
{
    if (!(sigma > 0)) {
        return std::nullopt;
    }
    // Each tail as Φ of a negative-going argument, so a small tail keeps its digits.
    const double below = option == kCpUpperLimitOnly ? 0.0 : normalCdf((lower - mean) / sigma);
    const double above = option == kCpLowerLimitOnly ? 0.0 : normalCdf((mean - upper) / sigma);
    return finite(kPerMillion * (below + above));
}

std::optional<double> observedPpm(std::span<const double> values, int option, double lower, double upper)
{
    if (values.empty()) {
        return std::nullopt;
    }
    const auto outside = std::count_if(values.begin(), values.end(), [&](double value) {
        return (option != kCpUpperLimitOnly && value < lower) || (option != kCpLowerLimitOnly && value > upper);
    });
    return kPerMillion * static_cast<double>(outside) / static_cast<double>(values.size());
}

std::optional<double> cpLowerBound95(int option, double cp, int count)
{
    if (option == kCpUpperLimitOnly || option == kCpLowerLimitOnly) {
        return cpkLowerBound95(cp, count);
    }
    if (count < 2 || !std::isfinite(cp)) {
        return std::nullopt;
    }
    const double freedom = count - 1;
    return finite(cp * std::sqrt(chiSquareQuantile(kAlpha, freedom) / freedom));
}

std::optional<double> cpkLowerBound95(double cpk, int count)
{
    if (count < 2 || !std::isfinite(cpk)) {
        return std::nullopt;
    }
    const double n = count;
    return finite(cpk - kZ95 * std::sqrt(1 / (9 * n) + cpk * cpk / (2 * (n - 1))));
}

}  // namespace probel
