// SPDX-License-Identifier: MIT
#include "core/stats/weibull_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/graph/inverse_normal.h"
#include "core/numbers/number_text.h"

namespace probel {
namespace {

constexpr std::size_t kMinimumCount = 2;
// Newton's method halves the bracket when a step would leave it, so this covers the whole
// range of double; it normally stops within ten steps.
constexpr int kMaximumSteps = 2200;
constexpr double kRelativeTolerance = 1e-15;

const char* const kNotFound = "ワイブル分布の母数を求められませんでした。";

Error fitError(std::string message)
{
    return Error{std::move(message), {}, 0};
}

// ln(xᵢ / max x), all ≤ 0: the likelihood equation does not change when every value is divided
// by the same number, and powers of these stay at most 1, so neither large values nor a large β
// overflow.
struct ScaledLogs {
    std::vector<double> logs;
    double logMaximum = 0;
    double mean = 0;
};

Result<ScaledLogs> scaledLogs(std::span<const double> values)
{
    if (values.size() < kMinimumCount) {
        return fitError("ワイブル分布を当てはめるには値が 2 個以上必要です。");
    }
    for (const double x : values) {
        if (!std::isfinite(x)) {
            return fitError("値 " + generalNumberText(x) + " は有限の数でないので、ワイブル分布を当てはめられません。");
        }
        if (!(x > 0)) {
            return fitError("値 " + generalNumberText(x) + " は 0 以下なので、ワイブル分布を当てはめられません。");
        }
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    if (*low == *high) {
        return fitError("値がすべて " + generalNumberText(*low) +
                        " でばらつきがないので、ワイブル分布を当てはめられません。");
    }
    ScaledLogs scaled;
    scaled.logMaximum = std::log(*high);
    scaled.logs.reserve(values.size());
    double sum = 0;
    for (const double x : values) {
        // The quotient keeps the digits of values close together; past the smallest double it
        // would be 0, and the difference of logarithms is used instead.
        const double ratio = x / *high;
        scaled.logs.push_back(ratio >= std::numeric_limits<double>::min() ? std::log(ratio)
                                                                          : std::log(x) - scaled.logMaximum);
        sum += scaled.logs.back();
    }
    scaled.mean = sum / static_cast<double>(values.size());
    return scaled;
}

// Σ u^β, Σ u^β ln u and Σ u^β (ln u)² over the scaled values u.
struct PowerSums {
    double s0 = 0;
    double s1 = 0;
    double s2 = 0;
};

PowerSums powerSums(const ScaledLogs& scaled, double beta)
{
    PowerSums sums;
    for (const double y : scaled.logs) {
        const double power = std::exp(beta * y);
        sums.s0 += power;
        sums.s1 += power * y;
        sums.s2 += power * y * y;
    }
    return sums;
}

// The likelihood equation's left side. It rises with β from −infinity to −mean(ln u) > 0, so
// its root is the one estimate; its slope is the u^β-weighted variance of ln u plus 1/β².
double likelihoodEquation(const ScaledLogs& scaled, const PowerSums& sums, double beta)
{
    return sums.s1 / sums.s0 - 1 / beta - scaled.mean;
}

std::optional<double> solveShape(const ScaledLogs& scaled)
{
    // The method of moments for the extreme-value scale, σ = √6·sd(ln x)/π, as the start.
    double squares = 0;
    for (const double y : scaled.logs) {
        squares += (y - scaled.mean) * (y - scaled.mean);
    }
    const double sd = std::sqrt(squares / static_cast<double>(scaled.logs.size()));
    double beta = std::numbers::pi / (std::sqrt(6.0) * sd);
    double low = 0;
    double high = std::numeric_limits<double>::infinity();
    for (int step = 0; step < kMaximumSteps; ++step) {
        if (!(beta > 0) || !std::isfinite(beta)) {
            return std::nullopt;
        }
        const PowerSums sums = powerSums(scaled, beta);
        const double miss = likelihoodEquation(scaled, sums, beta);
        if (miss == 0) {
            return beta;
        }
        (miss < 0 ? low : high) = beta;
        const double mean = sums.s1 / sums.s0;
        const double slope = sums.s2 / sums.s0 - mean * mean + 1 / (beta * beta);
        double next = beta - miss / slope;
        if (!(next > low && next < high)) {
            // Until both ends are known, widen by doubling or halving.
            next = std::isinf(high) ? 2 * beta : low == 0 ? beta / 2 : (low + high) / 2;
        }
        if (std::abs(next - beta) <= kRelativeTolerance * beta || high - low <= kRelativeTolerance * high) {
            return next;
        }
        beta = next;
    }
    return std::nullopt;
}

}  // namespace

Result<WeibullFit> fitWeibullByLikelihood(std::span<const double> values)
{
    auto scaled = scaledLogs(values);
    if (!scaled) {
        return scaled.error();
    }
    const std::optional<double> beta = solveShape(scaled.value());
    if (!beta) {
        return fitError("ワイブル分布の最尤推定が収束しませんでした。");
    }
    const double n = static_cast<double>(values.size());
    const PowerSums sums = powerSums(scaled.value(), *beta);
    const double logMeanPower = std::log(sums.s0 / n);
    WeibullFit fit;
    fit.beta = *beta;
    fit.eta = std::exp(scaled->logMaximum + logMeanPower / *beta);
    fit.count = static_cast<std::int32_t>(values.size());

    // The observed information of (μ, σ) times σ², with z = (ln x − μ̂)/σ̂:
    // Σ e^z, Σ (e^z − 1 + z e^z) and Σ (z² e^z + 2z e^z − 2z − 1).
    double a = 0;
    double b = 0;
    double c = 0;
    for (const double y : scaled->logs) {
        const double z = *beta * y - logMeanPower;
        const double e = std::exp(z);
        a += e;
        b += e - 1 + z * e;
        c += z * z * e + 2 * z * e - 2 * z - 1;
    }
    const double determinant = a * c - b * b;
    const double sigma2 = 1 / (*beta * *beta);
    if (!(determinant > 0) || !std::isfinite(fit.eta) || !(fit.eta > 0)) {
        return fitError(kNotFound);
    }
    fit.covariance =
        ExtremeValueCovariance{sigma2 * c / determinant, -sigma2 * b / determinant, sigma2 * a / determinant};
    return fit;
}

Result<WeibullFit> fitWeibullByRegression(std::span<const double> values, PlottingPositions positions)
{
    auto scaled = scaledLogs(values);
    if (!scaled) {
        return scaled.error();
    }
    std::vector<double>& y = scaled->logs;
    std::sort(y.begin(), y.end());
    const std::size_t n = y.size();
    std::vector<double> w(n);
    double wSum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        w[i] = weibullPaperHeight(plottingPosition(positions, i + 1, n));
        wSum += w[i];
    }
    const double wMean = wSum / static_cast<double>(n);
    double sxy = 0;
    double sxx = 0;
    for (std::size_t i = 0; i < n; ++i) {
        sxy += (w[i] - wMean) * (y[i] - scaled->mean);
        sxx += (w[i] - wMean) * (w[i] - wMean);
    }
    const double slope = sxy / sxx;
    WeibullFit fit;
    fit.beta = 1 / slope;
    fit.eta = std::exp(scaled->logMaximum + scaled->mean - slope * wMean);
    fit.count = static_cast<std::int32_t>(n);
    if (!(slope > 0) || !std::isfinite(fit.beta) || !std::isfinite(fit.eta) || !(fit.eta > 0)) {
        return fitError(kNotFound);
    }
    return fit;
}

double weibullPaperHeight(double p)
{
    if (!(p >= 0 && p <= 1)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::log(-std::log1p(-p));
}

double weibullPaperProbability(double w)
{
    return -std::expm1(-std::exp(w));
}

double weibullPercentile(const WeibullFit& fit, double p)
{
    if (!(p >= 0 && p <= 1)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return fit.eta * std::pow(-std::log1p(-p), 1 / fit.beta);
}

double weibullB10(const WeibullFit& fit)
{
    constexpr double kB10 = 0.10;
    return weibullPercentile(fit, kB10);
}

std::optional<WeibullBounds> weibullPercentileBand(const WeibullFit& fit, double p, double levelPercent)
{
    if (!fit.covariance || !(p > 0 && p < 1) || !(levelPercent > 0 && levelPercent < 100)) {
        return std::nullopt;
    }
    const ExtremeValueCovariance& v = *fit.covariance;
    const double w = weibullPaperHeight(p);
    const double y = std::log(fit.eta) + w / fit.beta;
    const double variance = v.muMu + w * w * v.sigmaSigma + 2 * w * v.muSigma;
    const double reach = inverseNormal(0.5 + levelPercent / 200) * std::sqrt(std::max(variance, 0.0));
    return WeibullBounds{std::exp(y - reach), std::exp(y + reach)};
}

}  // namespace probel
