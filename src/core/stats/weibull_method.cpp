// SPDX-License-Identifier: MIT
#include "core/stats/weibull_method.h"

#include "core/util/word_table.h"

namespace probel {
namespace {

constexpr WordTable<WeibullFitMethod, 2> kWords = {{
    {WeibullFitMethod::Likelihood, "mle"},
    {WeibullFitMethod::Regression, "regression"},
}};

}  // namespace

std::string_view weibullFitWord(WeibullFitMethod method)
{
    return wordOf(kWords, method);
}

std::optional<WeibullFitMethod> weibullFitFromWord(std::string_view word)
{
    return valueOf(kWords, word);
}

std::string weibullFitWordsShown()
{
    return wordsShown(kWords);
}

Result<WeibullFit> fitWeibull(std::span<const double> values, WeibullFitMethod method, PlottingPositions positions)
{
    return method == WeibullFitMethod::Regression ? fitWeibullByRegression(values, positions)
                                                  : fitWeibullByLikelihood(values);
}

}  // namespace probel
