// SPDX-License-Identifier: MIT
#include "core/stats/series_summary_text.h"

#include <cmath>
#include <cstdio>

#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/stats/capability_text.h"
#include "core/stats/normo_data.h"

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
