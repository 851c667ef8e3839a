// SPDX-License-Identifier: MIT
// The graph's title, each line centred over the frame, the last one just above it (above the
// limit labels when those are drawn).
#include <string_view>
#include <vector>

#include "core/graph/analysis_elements.h"
#include "core/graph/normo_bp.h"
#include "core/util/text_lines.h"

namespace probel {

void drawTitle(const PaperGeometry& paper, Canvas& canvas)
{
    const NormoBp& graph = paper.graph();
    const std::string& title = graph.analysis().title;
    if (title.empty()) {
        return;
    }
    canvas.setFont(graph.labelFont());
    canvas.setColor(graph.foreColor());
    std::vector<std::string_view> lines;
    double height = 0;
    for (std::size_t start = 0; start < title.size();) {
        const TextLine line = lineAt(title, start);
        lines.push_back(line.text);
        height += canvas.textHeight(line.text);
        start = line.next;
    }
    const double gap = textGap(canvas);
    double bottom = paper.frame().top - gap;
    if (graph.analysis().specLines) {
        // The limit labels take the line above the frame.
        bottom -= lineHeight(canvas) + gap;
    }
    const double centre = paper.frame().left + paper.frame().width / 2.0;
    double top = bottom - height;
    for (const std::string_view line : lines) {
        const double lineHeight = canvas.textHeight(line);
        const double width = canvas.textWidth(line);
        const PointF topLeft{centre - width / 2, top};
        if (!line.empty() && paper.textMeetsCanvas(topLeft, width, lineHeight)) {
            canvas.drawText(topLeft, line);
        }
        top += lineHeight;
    }
}

}  // namespace probel
