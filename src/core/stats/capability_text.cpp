// SPDX-License-Identifier: MIT
#include "core/stats/capability_text.h"

#include "core/numbers/number_format.h"

namespace probel {
namespace {

constexpr auto kUndefined = "-";
constexpr auto kPpmFormat = "0";

std::string shown(const std::optional<double>& value, std::string_view format)
{
    return value ? formatNumber(*value, format) : kUndefined;
}

}  // namespace

std::vector<std::string> capabilityLineTexts(const SeriesSummary& summary, const CapabilityLines& chosen,
                                             std::string_view format)
{
    std::vector<std::string> lines;
    if (chosen.cpk) {
        lines.push_back("Cpk  : " + shown(summary.cpk, format));
    }
    if (chosen.ppmExpected) {
        lines.push_back("ppm(予測): " + shown(summary.ppmExpected, kPpmFormat));
    }
    if (chosen.ppmObserved) {
        lines.push_back("ppm(実測): " + shown(summary.ppmObserved, kPpmFormat));
    }
    if (chosen.normality) {
        const auto& test = summary.normality;
        lines.push_back("A²   : " + shown(test ? std::optional(test->a2) : std::nullopt, format) +
                        " (p=" + shown(test ? std::optional(test->p) : std::nullopt, format) + ")");
    }
    if (chosen.cpLowerBound) {
        lines.push_back("Cp下限95%: " + shown(summary.cpLowerBound, format));
    }
    if (chosen.cpkLowerBound) {
        lines.push_back("Cpk下限95%: " + shown(summary.cpkLowerBound, format));
    }
    return lines;
}

}  // namespace probel
