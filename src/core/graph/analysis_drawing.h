// SPDX-License-Identifier: MIT
#pragma once

#include "core/graph/canvas.h"
#include "core/graph/graph_frame.h"

namespace probel {

class NormoBp;

// Draws the graph's analysis (GraphAnalysis) over its series, within `frame` as the rest of
// the graph is drawn: confidence bands, limit lines, percentile lines, marks for values beyond
// the axis, the legend and the title, each only when it is set. Only what can meet the canvas
// is drawn; pen, colour and font are left as the last element set them.
void drawGraphAnalysis(const NormoBp& graph, Canvas& canvas, const GraphFrame& frame);

}  // namespace probel
