// SPDX-License-Identifier: MIT
#include "core/graph/weibull_scale.h"

#include <cmath>

#include "core/graph/normo_bp.h"
#include "core/numbers/number_text.h"
#include "core/stats/normo_data.h"
#include "core/stats/weibull_fit.h"

namespace probel {
namespace {

constexpr double kFullPercent = 100.0;

double heightOfPercent(double percent)
{
    return weibullPaperHeight(percent / kFullPercent);
}

}  // namespace

bool drawsWeibullPaper(const NormoBp& graph)
{
    return graph.analysis().paperKind == PaperKind::Weibull && graph.logV();
}

std::optional<WeibullChoice> weibullChoiceOf(const NormoBp& graph)
{
    if (!drawsWeibullPaper(graph)) {
        return std::nullopt;
    }
    return WeibullChoice{graph.analysis().weibullFit, graph.analysis().positions};
}

std::optional<std::string> weibullPaperRefusal(const NormoData& series)
{
    const std::vector<double>& sorted = series.sortData();
    if (sorted.empty() || sorted.front() > 0) {
        return std::nullopt;
    }
    return "ワイブル確率紙には 0 以下の値を描けません: データ「" + series.comment() + "」の値 " +
           generalNumberText(sorted.front());
}

std::optional<double> weibullY(double percent, std::int32_t top, std::int32_t height)
{
    if (!(percent > 0 && percent < kFullPercent)) {
        return std::nullopt;
    }
    const double bottom = heightOfPercent(kWeibullBottomPercent);
    const double topHeight = heightOfPercent(kWeibullTopPercent);
    const double y = top + height * (topHeight - heightOfPercent(percent)) / (topHeight - bottom);
    if (!std::isfinite(y)) {
        return std::nullopt;
    }
    return y;
}

double weibullPercentAtY(double y, std::int32_t top, std::int32_t height)
{
    const double bottom = heightOfPercent(kWeibullBottomPercent);
    const double topHeight = heightOfPercent(kWeibullTopPercent);
    const double w = topHeight - (y - top) * (topHeight - bottom) / height;
    return kFullPercent * weibullPaperProbability(w);
}

}  // namespace probel
