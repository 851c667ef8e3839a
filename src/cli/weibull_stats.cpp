// SPDX-License-Identifier: MIT
// probel-cli stats --weibull: the two-parameter Weibull fit of one series.
#include "cli/weibull_stats.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/json_writer.h"
#include "core/numbers/number_format.h"
#include "core/stats/weibull_fit.h"
#include "core/stats/weibull_goodness.h"
#include "core/stats/weibull_method.h"

namespace probel::cli {
namespace {

constexpr auto kUndefined = "-";
// The significance table holds only for parameters estimated by maximum likelihood.
constexpr auto kBracketLikelihoodOnly = "(p は最尤推定のときだけ)";

// The line of the first value the fit refuses as not positive or not finite; 0 when there is
// none, or too few values, whose count the fit refuses first.
int refusedValueLine(const ValueLines& read)
{
    if (read.values.size() < 2) {
        return 0;
    }
    const auto refused =
        std::find_if(read.values.begin(), read.values.end(), [](double x) { return !(std::isfinite(x) && x > 0); });
    return refused == read.values.end() ? 0 : read.lineOf(static_cast<std::size_t>(refused - read.values.begin()));
}

std::string jsonFigure(const std::optional<double>& value)
{
    return value ? jsonNumber(*value) : "null";
}

}  // namespace

Status printWeibullStats(const ValueLines& read, const std::string& sourceName, const WeibullChoice& choice, bool json,
                         const std::string& format, std::ostream& out)
{
    const Result<WeibullFit> fit = fitWeibull(read.values, choice.method, choice.positions);
    if (!fit) {
        return Error{fit.error().message, sourceName, refusedValueLine(read)};
    }
    std::vector<double> sorted = read.values;
    std::sort(sorted.begin(), sorted.end());
    const auto test = weibullAndersonDarling(sorted, fit.value());
    const double b10 = weibullB10(fit.value());

    if (json) {
        out << "{\"n\": " << fit->count;
        out << ", \"beta\": " << jsonNumber(fit->beta);
        out << ", \"eta\": " << jsonNumber(fit->eta);
        out << ", \"b10\": " << jsonNumber(b10);
        out << ", \"ad\": " << jsonFigure(test ? std::optional(test->a2) : std::nullopt);
        out << ", \"ad_star\": " << jsonFigure(test ? std::optional(test->a2Star) : std::nullopt);
        out << ", \"ad_p_bracket\": "
            << (test && choice.method == WeibullFitMethod::Likelihood ? jsonString(test->significance)
                                                                      : std::string("null"));
        out << "}\n";
        return {};
    }
    out << "n : " << fit->count << "\n";
    out << "形状 β : " << formatNumber(fit->beta, format) << "\n";
    out << "尺度 η : " << formatNumber(fit->eta, format) << "\n";
    out << "B10 : " << formatNumber(b10, format) << "\n";
    out << "A*   : ";
    if (!test) {
        out << kUndefined << "\n";
    } else if (choice.method == WeibullFitMethod::Regression) {
        out << formatNumber(test->a2Star, format) << " " << kBracketLikelihoodOnly << "\n";
    } else {
        out << formatNumber(test->a2Star, format) << " (" << test->significance << ")\n";
    }
    return {};
}

}  // namespace probel::cli
