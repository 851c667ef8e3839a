// SPDX-License-Identifier: MIT
#include "core/stats/series_summary.h"

#include <cmath>
#include <cstdio>

#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/stats/capability_text.h"
#include "core/stats/normo_data.h"
#include "core/stats/series_moments.h"

namespace probel {
namespace {

constexpr auto kUndefined = "—";
// Enough digits to compare with a statistics package, few enough to read at a glance.
constexpr int kSignificantDigits = 6;

std::string figure(double value)
{
    if (!std::isfinite(value)) {
        return generalNumberText(value);
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", kSignificantDigits, value);
    return generalNumberText(leadingNumber(text));
}

std::string figure(const std::optional<double>& value)
{
    return value ? figure(*value) : kUndefined;
}

// A value as the series' detail label shows it when it has a format for it.
std::string measured(double value, const std::string& format)
{
    return format.empty() ? figure(value) : formatNumber(value, format);
}

}  // namespace

SeriesSummary summarise(const NormoData& series, bool logarithmic)
{
    SeriesSummary summary;
    summary.logarithmic = logarithmic;
    const std::vector<double>& sorted = series.sortData();
    summary.count = static_cast<int>(sorted.size());
    if (sorted.empty()) {
        return summary;
    }
    summary.minimum = sorted.front();
    summary.maximum = sorted.back();
    // A value of zero or below has no logarithm: nothing but the count and extremes then.
    if (logarithmic && !(sorted.front() > 0)) {
        return summary;
    }
    const std::vector<double>& drawn = logarithmic ? series.logSortData() : sorted;
    const SeriesMoments moments = seriesMoments(drawn);
    summary.mean = moments.mean;
    summary.sigma = moments.sigma;
    if (drawn.size() > 1) {
        const auto n = static_cast<double>(drawn.size());
        summary.s = moments.sigma * std::sqrt(n / (n - 1));
    }
    const auto onAxis = [logarithmic](double limit) { return logarithmic ? std::log10(limit) : limit; };
    const double lower = onAxis(series.min());
    const double upper = onAxis(series.max());
    const int option = series.cpOption();
    summary.cp = capabilityCp(option, lower, upper, moments.mean, moments.sigma);
    summary.cpk = capabilityCpk(option, lower, upper, moments.mean, moments.sigma);
    summary.ppmExpected = expectedPpm(option, lower, upper, moments.mean, moments.sigma);
    summary.ppmObserved = observedPpm(drawn, option, lower, upper);
    if (summary.s) {
        if (const auto cp = capabilityCp(option, lower, upper, moments.mean, *summary.s)) {
            summary.cpLowerBound = cpLowerBound95(option, *cp, summary.count);
        }
        if (const auto cpk = capabilityCpk(option, lower, upper, moments.mean, *summary.s)) {
            summary.cpkLowerBound = cpkLowerBound95(*cpk, summary.count);
        }
    }
    summary.normality = andersonDarling(drawn);
    return summary;
}

std::string summaryText(const NormoData& series, const SeriesSummary& summary)
{
    std::string text = series.comment().empty() ? "データ - " + std::to_string(series.id()) : series.comment();
    text += "\nn = " + std::to_string(summary.count);
    if (summary.count == 0) {
        return text;
    }
    if (summary.logarithmic) {
        const bool hasLogarithms = summary.minimum > 0;
        text += "    幾何平均 = " +
                (hasLogarithms ? measured(std::pow(10.0, summary.mean), series.heikinFormat()) : kUndefined);
        text += "\nσ(log) = " + figure(summary.sigma) + "    s(log) = " + figure(summary.s);
    } else {
        text += "    平均 = " + measured(summary.mean, series.heikinFormat());
        text += "\nσ = " + measured(summary.sigma, series.sigumaFormat()) + "    s = " + figure(summary.s);
    }
    text += "\n最小 = " + figure(summary.minimum) + "    最大 = " + figure(summary.maximum);
    text += "\nCp = " + figure(summary.cp) + "    Cpk = " + figure(summary.cpk);
    if (const auto& test = summary.normality) {
        text += "\nA² = " + figure(test->a2) + "    A* = " + figure(test->a2Star) + "    p = " + figure(test->p);
        text += rejectsNormality(*test) ? "\n正規性: 棄却 (p < 0.05)" : "\n正規性: 棄却されない";
    } else {
        text += std::string("\nA² = ") + kUndefined + "    A* = " + kUndefined + "    p = " + kUndefined;
    }
    const std::string& format = series.cpFormat().empty() ? kCapabilityLineFormat : series.cpFormat();
    for (const auto& line : capabilityLineTexts(summary, series.capabilityLines(), format)) {
        text += "\n" + line;
    }
    return text;
}

}  // namespace probel
