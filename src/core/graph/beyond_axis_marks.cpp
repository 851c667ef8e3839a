// SPDX-License-Identifier: MIT
// Values the axis cannot show: an arrow at the frame's edge on their side, with their count.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "core/graph/analysis_elements.h"
#include "core/graph/normo_bp.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

// The arrow is a line of the font long; its head reaches half that back and a third aside.
constexpr double kHeadLengthPerArrow = 0.5;
constexpr double kHeadWidthPerArrow = 1.0 / 3.0;

struct BeyondCounts {
    std::int64_t left = 0;
    std::int64_t right = 0;
};

// A value in the axis' units; on a logarithmic axis a value of zero or below lies beyond any
// end the axis has toward small values.
double axisUnits(double value, bool logarithmic)
{
    if (!logarithmic) {
        return value;
    }
    return value > 0 ? std::log10(value) : -std::numeric_limits<double>::infinity();
}

BeyondCounts countBeyond(const NormoBp& graph)
{
    BeyondCounts counts;
    const double axisMin = graph.storedMin();
    const double axisMax = graph.storedMax();
    const double span = axisMax - axisMin;
    if (!(span != 0.0) || !std::isfinite(span)) {
        return counts;
    }
    for (const NormoData* series : visibleSeries(graph)) {
        for (const double value : series->sortData()) {
            const double units = axisUnits(value, graph.logV());
            // Measured along the axis, so an axis running from a high to a low value counts the
            // small values at its right edge.
            if ((units - axisMin) * span < 0) {
                ++counts.left;
            } else if ((units - axisMax) * span > 0) {
                ++counts.right;
            }
        }
    }
    return counts;
}

// An arrow pointing out of the frame at `tip`, `direction` -1 to the left or +1 to the right,
// with the count behind it.
void drawMark(const PaperGeometry& paper, Canvas& canvas, PointF tip, int direction, std::int64_t count)
{
    const std::string text = std::to_string(count);
    const double length = canvas.textHeight(text);
    const double back = -direction * length;
    const std::array<PointF, 3> head{PointF{tip.x + back * kHeadLengthPerArrow, tip.y - length * kHeadWidthPerArrow},
                                     tip,
                                     PointF{tip.x + back * kHeadLengthPerArrow, tip.y + length * kHeadWidthPerArrow}};
    const std::array<PointF, 2> shaft{tip, PointF{tip.x + back, tip.y}};
    for (const auto& run : paper.clipped(head)) {
        canvas.polyline(run);
    }
    for (const auto& run : paper.clipped(shaft)) {
        canvas.polyline(run);
    }
    const double width = canvas.textWidth(text);
    const double gap = textGap(canvas);
    const double textLeft = direction < 0 ? tip.x + length + gap : tip.x - length - gap - width;
    const PointF topLeft{textLeft, tip.y - length / 2};
    if (paper.textMeetsCanvas(topLeft, width, length)) {
        canvas.drawText(topLeft, text);
    }
}

}  // namespace

void drawBeyondAxisMarks(const PaperGeometry& paper, Canvas& canvas)
{
    const NormoBp& graph = paper.graph();
    if (!graph.analysis().beyondAxisMarks) {
        return;
    }
    const BeyondCounts counts = countBeyond(graph);
    if (counts.left == 0 && counts.right == 0) {
        return;
    }
    canvas.setFont(graph.labelFont());
    canvas.setPenStyle(kPenSolid);
    canvas.setColor(graph.foreColor());
    const double gap = textGap(canvas);
    const double middle = paper.frame().top + paper.frame().height / 2.0;
    if (counts.left > 0) {
        drawMark(paper, canvas, PointF{paper.frame().left + gap, middle}, -1, counts.left);
    }
    if (counts.right > 0) {
        drawMark(paper, canvas, PointF{paper.frameRight() - gap, middle}, 1, counts.right);
    }
}

}  // namespace probel
