// SPDX-License-Identifier: MIT
#include "core/stats/weibull_text.h"

#include "core/numbers/number_format.h"
#include "core/stats/weibull_goodness.h"

namespace probel {

std::vector<std::string> weibullLines(std::span<const double> sorted, const WeibullChoice& choice,
                                      std::string_view valueFormat, std::string_view figureFormat)
{
    const Result<WeibullFit> fit = fitWeibull(sorted, choice.method, choice.positions);
    if (!fit) {
        return {"β    : -", "η    : -", "B10  : -", "A*   : -"};
    }
    std::vector<std::string> lines{
        "β    : " + formatNumber(fit.value().beta, figureFormat),
        "η    : " + formatNumber(fit.value().eta, valueFormat),
        "B10  : " + formatNumber(weibullB10(fit.value()), valueFormat),
    };
    const auto test = weibullAndersonDarling(sorted, fit.value());
    if (!test) {
        lines.emplace_back("A*   : -");
    } else if (choice.method == WeibullFitMethod::Likelihood) {
        lines.push_back("A*   : " + formatNumber(test->a2Star, figureFormat) + " (" + std::string(test->significance) +
                        ")");
    } else {
        lines.push_back("A*   : " + formatNumber(test->a2Star, figureFormat));
    }
    return lines;
}

}  // namespace probel
