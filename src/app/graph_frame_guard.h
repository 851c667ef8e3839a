// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"

namespace probel {

// Remembers every graph's frame and surface when made and puts them back when it goes, also
// when drawing elsewhere throws: printing and exports bind graphs to surfaces of their own and
// change the frames to that surface's pixels. The surface is put back first (binding a screen
// surface resets the frame), then the frame, so both are exactly as they were.
class GraphFrameGuard {
public:
    // Every graph of the sheet.
    explicit GraphFrameGuard(ChartSheet& sheet);
    // One graph.
    explicit GraphFrameGuard(NormoBp& graph);
    ~GraphFrameGuard();

    GraphFrameGuard(const GraphFrameGuard&) = delete;
    GraphFrameGuard& operator=(const GraphFrameGuard&) = delete;

private:
    void save(NormoBp& graph);

    struct Saved {
        NormoBp* graph = nullptr;
        Canvas* surface = nullptr;
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
    };
    std::vector<Saved> saved_;
};

}  // namespace probel
