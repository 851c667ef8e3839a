// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "core/graph/canvas.h"
#include "core/graph/paper_geometry.h"

namespace probel {

class NormoBp;
class NormoData;

// The parts drawGraphAnalysis() draws, each in its own file, each drawing whatever of its
// element the graph's analysis asks for.

// The series drawn on the graph, in drawing order.
std::vector<const NormoData*> visibleSeries(const NormoBp& graph);

// Height of a line of the canvas' current font.
double lineHeight(Canvas& canvas);
// The gap texts keep from the frame and from each other: a quarter of a line.
double textGap(Canvas& canvas);

// A dotted curve on either side of each visible series' fitted line.
void drawConfidenceBands(const PaperGeometry& paper, Canvas& canvas);
// Dashed vertical lines at each visible series' limits, labelled above the frame.
void drawLimitLines(const PaperGeometry& paper, Canvas& canvas);
// Horizontal lines at the chosen percentages, the series' fitted values right of the frame.
void drawPercentileLines(const PaperGeometry& paper, Canvas& canvas);
// Arrows at the frame's left and right edges counting the values beyond the axis there.
void drawBeyondAxisMarks(const PaperGeometry& paper, Canvas& canvas);
// The box listing the visible series in the chosen corner of the frame.
void drawLegend(const PaperGeometry& paper, Canvas& canvas);
// The title's lines centred above the frame, above the limit labels when those are drawn.
void drawTitle(const PaperGeometry& paper, Canvas& canvas);

}  // namespace probel
