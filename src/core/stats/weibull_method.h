// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/stats/plotting_positions.h"
#include "core/stats/weibull_fit.h"
#include "core/util/result.h"

namespace probel {

// How a Weibull line is fitted: by maximum likelihood (with the covariance its bands need) or
// by least squares of ln x on the paper's height at the plotting positions.
enum class WeibullFitMethod : std::uint8_t { Likelihood, Regression };

// Its word in documents and on the command line: "mle" or "regression".
std::string_view weibullFitWord(WeibullFitMethod method);
std::optional<WeibullFitMethod> weibullFitFromWord(std::string_view word);
// "mle、regression のどれか": what a message says the setting needs.
std::string weibullFitWordsShown();

// The fit of values in any order by `method` (`positions` serve the regression).
Result<WeibullFit> fitWeibull(std::span<const double> values, WeibullFitMethod method, PlottingPositions positions);

}  // namespace probel
