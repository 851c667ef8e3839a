// SPDX-License-Identifier: MIT
// A box in a corner of the frame naming each visible series: its marker in its colour, then
// its comment on one line.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/graph/analysis_elements.h"
#include "core/graph/normo_bp.h"
#include "core/stats/normo_data.h"
#include "core/util/text_lines.h"

namespace probel {
namespace {

struct LegendRow {
    std::string_view marker;
    std::string comment;
    std::int32_t color = 0;
    double markerWidth = 0;
    double commentWidth = 0;
    double height = 0;
};

// A comment of several lines, joined by blanks so each series keeps one row.
std::string oneLine(std::string_view comment)
{
    std::string joined;
    for (std::size_t start = 0; start < comment.size();) {
        const TextLine line = lineAt(comment, start);
        if (!joined.empty() && !line.text.empty()) {
            joined += ' ';
        }
        joined += line.text;
        start = line.next;
    }
    return joined;
}

std::vector<LegendRow> legendRows(const NormoBp& graph, Canvas& canvas)
{
    std::vector<LegendRow> rows;
    for (const NormoData* series : visibleSeries(graph)) {
        LegendRow row;
        row.marker = canvas.visibleMarkerText(series->mrk());
        row.comment = oneLine(series->comment());
        row.color = series->color();
        row.markerWidth = canvas.textWidth(row.marker);
        row.commentWidth = canvas.textWidth(row.comment);
        row.height = std::max(canvas.textHeight(row.marker), canvas.textHeight(row.comment));
        rows.push_back(std::move(row));
    }
    return rows;
}

void drawShownText(const PaperGeometry& paper, Canvas& canvas, PointF topLeft, std::string_view text, double width,
                   double height)
{
    if (!text.empty() && paper.textMeetsCanvas(topLeft, width, height)) {
        canvas.drawText(topLeft, text);
    }
}

}  // namespace

void drawLegend(const PaperGeometry& paper, Canvas& canvas)
{
    const NormoBp& graph = paper.graph();
    const LegendCorner corner = graph.analysis().legend;
    if (corner == LegendCorner::None) {
        return;
    }
    canvas.setFont(graph.labelFont());
    const std::vector<LegendRow> rows = legendRows(graph, canvas);
    if (rows.empty()) {
        return;
    }
    const double pad = textGap(canvas);
    double markerColumn = 0;
    double commentColumn = 0;
    double rowsHeight = 0;
    for (const LegendRow& row : rows) {
        markerColumn = std::max(markerColumn, row.markerWidth);
        commentColumn = std::max(commentColumn, row.commentWidth);
        rowsHeight += row.height;
    }
    const double boxWidth = pad + markerColumn + pad + commentColumn + pad;
    const double boxHeight = pad + rowsHeight + pad;
    const bool atLeft = corner == LegendCorner::TopLeft || corner == LegendCorner::BottomLeft;
    const bool atTop = corner == LegendCorner::TopLeft || corner == LegendCorner::TopRight;
    const double left = atLeft ? paper.frame().left + pad : paper.frameRight() - pad - boxWidth;
    const double top = atTop ? paper.frame().top + pad : paper.frameBottom() - pad - boxHeight;

    canvas.setPenStyle(kPenSolid);
    canvas.setColor(graph.foreColor());
    const std::array<PointF, 5> outline{PointF{left, top}, PointF{left + boxWidth, top},
                                        PointF{left + boxWidth, top + boxHeight}, PointF{left, top + boxHeight},
                                        PointF{left, top}};
    for (const auto& run : paper.clipped(outline)) {
        canvas.polyline(run);
    }
    double rowTop = top + pad;
    for (const LegendRow& row : rows) {
        const double markerLeft = left + pad + (markerColumn - row.markerWidth) / 2;
        canvas.setColor(row.color);
        drawShownText(paper, canvas, PointF{markerLeft, rowTop}, row.marker, row.markerWidth, row.height);
        canvas.setColor(graph.foreColor());
        drawShownText(paper, canvas, PointF{left + pad + markerColumn + pad, rowTop}, row.comment, row.commentWidth,
                      row.height);
        rowTop += row.height;
    }
}

}  // namespace probel
