// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "core/graph/canvas.h"
#include "core/graph/graph_analysis.h"
#include "core/graph/graph_frame.h"

namespace probel {

class NormoBp;

// Everything about a graph that its settings dialog and font button set, as the graph holds
// it: the axis ends as stored (exponents on a logarithmic axis), the font with its size in
// whole points, and the analysis drawn over the series. What one graph's look is before and
// after an edit, so undo can put it back.
struct GraphSettings {
    bool logV = false;
    std::int32_t frameDrawStyle = 0;
    std::int32_t lineDrawStyle = 0;
    GraphFrame frame;
    std::int32_t frameColor = 0;
    std::int32_t lineColor = 0;
    double storedMin = 0;
    double storedMax = 0;
    std::string tanni;
    std::int32_t xJikuStep = 1;
    bool memoriCheck = false;
    bool xJikuCheck = false;
    std::int32_t bunnkatu = 10;
    CanvasFont font;
    GraphAnalysis analysis;
    bool operator==(const GraphSettings&) const = default;
};

GraphSettings graphSettings(const NormoBp& graph);
// Puts `settings` into the graph as they are (no conversion of the axis ends).
void setGraphSettings(NormoBp& graph, const GraphSettings& settings);

}  // namespace probel
