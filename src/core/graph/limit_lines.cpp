// SPDX-License-Identifier: MIT
// Each visible series' specification limits as dashed lines across the frame, with the limits
// the series' Cp reads: the upper one only (option 1), the lower one only (2), or both.
#include <cmath>
#include <string>

#include "core/graph/analysis_elements.h"
#include "core/graph/normo_bp.h"
#include "core/numbers/number_format.h"
#include "core/stats/cp_option.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

void drawLimit(const PaperGeometry& paper, Canvas& canvas, const NormoData& series, std::string_view name, double limit)
{
    const auto x = paper.xOfValue(limit);
    // A limit beyond the axis has no place in the frame: neither its line nor its label.
    if (!x || !(*x >= paper.frame().left && *x <= paper.frameRight())) {
        return;
    }
    if (const auto line = paper.verticalAcross(*x)) {
        canvas.polyline(*line);
    }
    const std::string text = std::string(name) + formatNumber(limit, series.heikinFormat());
    const double width = canvas.textWidth(text);
    const double height = canvas.textHeight(text);
    const PointF topLeft{*x - width / 2, paper.frame().top - textGap(canvas) - height};
    if (paper.textMeetsCanvas(topLeft, width, height)) {
        canvas.drawText(topLeft, text);
    }
}

}  // namespace

void drawLimitLines(const PaperGeometry& paper, Canvas& canvas)
{
    const NormoBp& graph = paper.graph();
    if (!graph.analysis().specLines) {
        return;
    }
    canvas.setFont(graph.labelFont());
    canvas.setPenStyle(kPenDash);
    for (const NormoData* series : visibleSeries(graph)) {
        // Equal limits are what a series holds before any are set.
        if (!series->limitsSet() || series->min() == series->max()) {
            continue;
        }
        canvas.setColor(series->color());
        if (series->cpOption() != kCpUpperLimitOnly) {
            drawLimit(paper, canvas, *series, "L ", series->min());
        }
        if (series->cpOption() != kCpLowerLimitOnly) {
            drawLimit(paper, canvas, *series, "U ", series->max());
        }
    }
}

}  // namespace probel
