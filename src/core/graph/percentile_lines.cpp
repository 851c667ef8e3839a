// SPDX-License-Identifier: MIT
// Lines at chosen cumulative percentages, with the percentage and each visible series' value
// on its fitted normal there written right of the frame.
#include <cmath>
#include <optional>
#include <string>

#include "core/graph/analysis_elements.h"
#include "core/graph/inverse_normal.h"
#include "core/graph/normo_bp.h"
#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

constexpr double kFullPercent = 100.0;

// The value of the series' fitted normal (log-normal on a logarithmic axis) at the percentage.
std::optional<double> fittedValue(const NormoData& series, bool logarithmic, double percent)
{
    if (series.dataCount() == 0) {
        return std::nullopt;
    }
    const double z = inverseNormal(percent / kFullPercent);
    const double value = logarithmic ? std::pow(10.0, series.logHeikin() + z * series.logSiguma())
                                     : series.heikin() + z * series.siguma();
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Writes the text at x, centred on y, and returns where the next one starts.
double writeAlong(const PaperGeometry& paper, Canvas& canvas, double x, double y, const std::string& text)
{
    const double width = canvas.textWidth(text);
    const double height = canvas.textHeight(text);
    const PointF topLeft{x, y - height / 2};
    if (paper.textMeetsCanvas(topLeft, width, height)) {
        canvas.drawText(topLeft, text);
    }
    return x + width + textGap(canvas);
}

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
    double x = paper.frameRight() + textGap(canvas);
    x = writeAlong(paper, canvas, x, *y, generalNumberText(percent) + "%");
    for (const NormoData* series : visibleSeries(graph)) {
        if (const auto value = fittedValue(*series, graph.logV(), percent)) {
            canvas.setColor(series->color());
            x = writeAlong(paper, canvas, x, *y, formatNumber(*value, series->heikinFormat()));
        }
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
