// SPDX-License-Identifier: MIT
#include "core/stats/weibull_method.h"

namespace probel {

std::string_view weibullFitWord(WeibullFitMethod method)
{
    return method == WeibullFitMethod::Regression ? "regression" : "mle";
}

std::optional<WeibullFitMethod> weibullFitFromWord(std::string_view word)
{
    if (word == "mle") {
        return WeibullFitMethod::Likelihood;
    }
    if (word == "regression") {
        return WeibullFitMethod::Regression;
    }
    return std::nullopt;
}

Result<WeibullFit> fitWeibull(std::span<const double> values, WeibullFitMethod method, PlottingPositions positions)
{
    return method == WeibullFitMethod::Regression ? fitWeibullByRegression(values, positions)
                                                  : fitWeibullByLikelihood(values);
}

}  // namespace probel
