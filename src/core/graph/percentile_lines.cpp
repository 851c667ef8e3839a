// SPDX-License-Identifier: MIT
// Lines at chosen cumulative percentages, with the percentage and each visible series' value
// on its fitted normal there written just above the line, ending at the frame's right edge:
// inside the frame, where a neighbouring graph cannot overlap them.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/graph/analysis_elements.h"
#include "core/graph/inverse_normal.h"
#include "core/graph/normo_bp.h"
#include "core/graph/weibull_drawing.h"
#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

constexpr double kFullPercent = 100.0;

// The value of the series' fitted line at the percentage: its normal (log-normal on a
// logarithmic axis), or its Weibull distribution on Weibull paper.
std::optional<double> fittedValue(const PaperGeometry& paper, const NormoData& series, double percent)
{
    if (series.dataCount() == 0) {
        return std::nullopt;
    }
    if (paper.weibull()) {
        const auto fit = seriesWeibullFit(paper.graph(), series);
        return fit ? std::optional(weibullPercentile(*fit, percent / kFullPercent)) : std::nullopt;
    }
    const double z = inverseNormal(percent / kFullPercent);
    const double value = paper.graph().logV() ? std::pow(10.0, series.logHeikin() + z * series.logSiguma())
                                              : series.heikin() + z * series.siguma();
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

struct ColoredText {
    std::string text;
    std::int32_t color = 0;
};

void drawPercentile(const PaperGeometry& paper, Canvas& canvas, double percent)
{
    const NormoBp& graph = paper.graph();
    const auto y = paper.yOfPercent(percent);
    if (!y) {
        return;
    }
    canvas.setPenStyle(kPenDashDot);
    canvas.setColor(graph.foreColor());
    if (const auto line = paper.horizontalAcross(*y)) {
        canvas.polyline(*line);
    }
    std::vector<ColoredText> texts{{generalNumberText(percent) + "%", graph.foreColor()}};
    for (const NormoData* series : visibleSeries(graph)) {
        if (const auto value = fittedValue(paper, *series, percent)) {
            texts.push_back({formatNumber(*value, series->heikinFormat()), series->color()});
        }
    }
    const double gap = textGap(canvas);
    double width = -gap;
    for (const ColoredText& piece : texts) {
        width += canvas.textWidth(piece.text) + gap;
    }
    double x = paper.frameRight() - gap - width;
    for (const ColoredText& piece : texts) {
        const double pieceWidth = canvas.textWidth(piece.text);
        const double height = canvas.textHeight(piece.text);
        const PointF topLeft{x, *y - height - 1};
        if (paper.textMeetsCanvas(topLeft, pieceWidth, height)) {
            canvas.setColor(piece.color);
            canvas.drawText(topLeft, piece.text);
        }
        x += pieceWidth + gap;
    }
}

}  // namespace

void drawPercentileLines(const PaperGeometry& paper, Canvas& canvas)
{
    const NormoBp& graph = paper.graph();
    if (graph.analysis().percentiles.empty()) {
        return;
    }
    canvas.setFont(graph.labelFont());
    for (const double percent : graph.analysis().percentiles) {
        // 0 and 100 % lie at infinite values.
        if (percent > 0 && percent < kFullPercent) {
            drawPercentile(paper, canvas, percent);
        }
    }
}

}  // namespace probel
