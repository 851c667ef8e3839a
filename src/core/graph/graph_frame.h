// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace probel {

// Where a graph is drawn: its frame in pixels of the surface, y growing downward. The screen
// uses the graph's own frame; a printer page gets the same frame scaled to its resolution.
struct GraphFrame {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const GraphFrame&) const = default;
};

}  // namespace probel
