// SPDX-License-Identifier: MIT
#include "core/graph/graph_refresh.h"

#include "core/graph/graph_renderer.h"
#include "core/graph/normo_bp.h"

namespace probel {

void refreshGraph(NormoBp& graph)
{
    Canvas* const surface = graph.showObj();
    if (surface == nullptr) {
        return;
    }
    graph.spreadEqualSeriesLimits();
    drawGraph(graph, *surface, graph.frame());
    if (!surface->isPrinterPage()) {
        surface->requestRepaint();
    }
}

}  // namespace probel
