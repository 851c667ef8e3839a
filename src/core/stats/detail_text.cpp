// SPDX-License-Identifier: MIT
#include "core/stats/detail_text.h"

#include <cmath>
#include <utility>

#include "core/numbers/number_format.h"
#include "core/stats/capability_text.h"
#include "core/stats/normo_data.h"
#include "core/stats/series_summary.h"

namespace probel {
namespace {
constexpr const char* kLineEnd = "\r\n";
}

std::vector<std::string> detailStatLines(NormoData& series, const DetailChoice& choice)
{
    std::vector<std::string> lines;
    if (choice.meanLines) {
        const double mean = choice.logAxis ? std::pow(10.0, series.logHeikin()) : series.heikin();
        lines.push_back("平均 : " + formatNumber(mean, choice.meanFormat));
        const auto& sorted = series.sortData();
        const double smallest = sorted.empty() ? 0.0 : sorted.front();
        const double largest = sorted.empty() ? 0.0 : sorted.back();
        lines.push_back("最小値:" + formatNumber(smallest, choice.meanFormat));
        lines.push_back("最大値:" + formatNumber(largest, choice.meanFormat));
    }
    if (choice.sigmaLine) {
        lines.push_back(std::string(sigmaSymbol(series.sigmaDivisor())) + "    : " +
                        formatNumber(series.siguma(), choice.sigmaFormat));
    }
    if (choice.probelLine) {
        const double percent = choice.logAxis ? series.logProbel() : series.probel();
        lines.push_back("Probel : " + formatNumber(percent, choice.probelFormat) + "%");
    }
    if (choice.cpOption) {
        lines.push_back("Cp   : " + formatNumber(series.cp(*choice.cpOption), choice.cpFormat));
    }
    if (const CapabilityLines& chosen = series.capabilityLines(); chosen.any()) {
        // Summarised after the Cp line has left its option in the series.
        const SeriesSummary summary = summarise(series, choice.logAxis);
        for (auto& line : capabilityLineTexts(summary, chosen, choice.cpFormat)) {
            lines.push_back(std::move(line));
        }
    }
    if (choice.weibull) {
        for (auto& line : weibullLines(series.sortData(), *choice.weibull, choice.meanFormat, kWeibullFigureFormat)) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::string detailCaption(NormoData& series, const DetailChoice& choice)
{
    std::string caption = series.mrk() + ":" + kLineEnd + series.comment() + kLineEnd;
    for (const auto& line : detailStatLines(series, choice)) {
        caption += line + kLineEnd;
    }
    return caption;
}

}  // namespace probel
