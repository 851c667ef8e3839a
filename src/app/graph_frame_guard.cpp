// SPDX-License-Identifier: MIT
#include "app/graph_frame_guard.h"

namespace probel {

GraphFrameGuard::GraphFrameGuard(ChartSheet& sheet)
{
    saved_.reserve(static_cast<std::size_t>(sheet.myNormo().count()));
    for (NormoBp& graph : sheet.myNormo()) {
        save(graph);
    }
}

GraphFrameGuard::GraphFrameGuard(NormoBp& graph) { save(graph); }

void GraphFrameGuard::save(NormoBp& graph)
{
    saved_.push_back(Saved{&graph, graph.showObj(), graph.frameLeft(), graph.frameTop(), graph.frameWidth(),
                           graph.frameHeight()});
}

GraphFrameGuard::~GraphFrameGuard()
{
    // Only what changed is set again: the frame setters raise extents below 2, so setting an
    // untouched frame of a never-bound graph would not give back what was there.
    for (const Saved& one : saved_) {
        NormoBp& graph = *one.graph;
        if (graph.showObj() != one.surface) {
            graph.setShowObj(one.surface);
        }
        graph.setFrameLeft(one.left);
        graph.setFrameTop(one.top);
        if (graph.frameWidth() != one.width) {
            graph.setFrameWidth(one.width);
        }
        if (graph.frameHeight() != one.height) {
            graph.setFrameHeight(one.height);
        }
    }
}

}  // namespace probel
