// SPDX-License-Identifier: MIT
#include "core/graph/analysis_drawing.h"

#include <string_view>
#include <vector>

#include "core/graph/analysis_elements.h"
#include "core/graph/normo_bp.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

constexpr double kGapPerLine = 0.25;
// Any text measures a line of the font.
constexpr std::string_view kLineProbe = "0";

}  // namespace

std::vector<const NormoData*> visibleSeries(const NormoBp& graph)
{
    std::vector<const NormoData*> shown;
    if (const Data* series = graph.dataIfAny()) {
        for (const NormoData& one : *series) {
            if (one.visible()) {
                shown.push_back(&one);
            }
        }
    }
    return shown;
}

double lineHeight(Canvas& canvas)
{
    return canvas.textHeight(kLineProbe);
}

double textGap(Canvas& canvas)
{
    return kGapPerLine * lineHeight(canvas);
}

void drawGraphAnalysis(const NormoBp& graph, Canvas& canvas, const GraphFrame& frame)
{
    const GraphAnalysis& analysis = graph.analysis();
    if (analysis == GraphAnalysis{}) {
        return;
    }
    const PaperGeometry paper(graph, frame, canvas);
    // Bands first, so the lines and texts that name things stay on top of them.
    drawConfidenceBands(paper, canvas);
    drawLimitLines(paper, canvas);
    drawPercentileLines(paper, canvas);
    drawBeyondAxisMarks(paper, canvas);
    drawLegend(paper, canvas);
    drawTitle(paper, canvas);
}

}  // namespace probel
