// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/stats/plotting_positions.h"
#include "core/util/result.h"

namespace probel {

// The two-parameter Weibull distribution F(x) = 1 − exp(−(x/η)^β) fitted to positive values.
// On Weibull paper ln x is a smallest-extreme-value variable with location μ = ln η and scale
// σ = 1/β, and the fitted line is ln x = μ + σ·w, w = ln(−ln(1 − p)).

// The asymptotic covariance of the maximum likelihood estimates μ̂ and σ̂: the inverse of the
// observed information at the estimate (Meeker and Escobar 1998, ch. 8).
struct ExtremeValueCovariance {
    double muMu = 0;
    double muSigma = 0;
    double sigmaSigma = 0;
};

struct WeibullFit {
    double beta = 0;  // shape
    double eta = 0;   // scale: the value below which 1 − 1/e (63.2 %) of the distribution lies
    std::int32_t count = 0;
    // Maximum likelihood fits only; the bands need it.
    std::optional<ExtremeValueCovariance> covariance;
};

// The fits of values in any order. Each needs at least two values, all positive and finite
// and not all equal; otherwise, or if the estimate cannot be found, the error says why (in
// Japanese, naming the first value that is not positive or not finite).
//
// Maximum likelihood: β solves Σxᵢ^β ln xᵢ / Σxᵢ^β − 1/β − mean(ln xᵢ) = 0 and
// η = (mean of xᵢ^β)^(1/β). Also gives the covariance.
Result<WeibullFit> fitWeibullByLikelihood(std::span<const double> values);
// Median rank regression: least squares of ln x on w over the sorted values at `positions`,
// ln x = ln η + w/β (x on the dependent side, as the paper's x axis is read).
Result<WeibullFit> fitWeibullByRegression(std::span<const double> values, PlottingPositions positions);

// w = ln(−ln(1 − p)), the height of probability p on Weibull paper: −infinity at 0,
// +infinity at 1, NaN outside 0 … 1.
double weibullPaperHeight(double p);
// The inverse: 1 − exp(−e^w).
double weibullPaperProbability(double w);

// The value below which a fraction p of the fitted distribution lies, η(−ln(1 − p))^(1/β):
// 0 at p = 0, +infinity at 1, NaN outside 0 … 1.
double weibullPercentile(const WeibullFit& fit, double p);
// The 10 % life.
double weibullB10(const WeibullFit& fit);

struct WeibullBounds {
    double lower = 0;
    double upper = 0;
};

// The pointwise confidence interval of the percentile at p (0 < p < 1) for a two-sided level
// in percent (0 < level < 100, usually 90, 95 or 99): exp(ŷ ± z·√Var ŷ) with ŷ = μ̂ + w σ̂ and
// Var ŷ = Var μ̂ + w² Var σ̂ + 2w Cov(μ̂, σ̂). Empty for a fit without covariance (regression)
// or either argument out of range.
std::optional<WeibullBounds> weibullPercentileBand(const WeibullFit& fit, double p, double levelPercent);

}  // namespace probel
