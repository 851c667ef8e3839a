// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/graph/canvas.h"

namespace probel {
struct LabelExtent;
}  // namespace probel

namespace probel::cli {

// A rectangle of page pixels.
struct PageBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const PageBox&) const = default;
};

// What a graph draws outside its frame on the side where labels may go: value labels one
// hundredth of the frame height below it with the unit text a line lower, and the last value
// label and the unit centred on its right edge.
struct AxisTextRoom {
    double lineHeight = 0;
    double rightOverhang = 0;
};

struct GraphWithLabels {
    PageBox frame;
    // Top-left corner of each label, in the order given.
    std::vector<Point> labels;
};

// Places a graph's frame and its labels in `area` without overlapping each other, the frame
// or the graph's axis text. Without labels the frame is the whole area. Otherwise the labels
// go in columns to the right of the frame, top-aligned with it, as long as the frame keeps at
// least half the area's width; failing that, in rows below it, left to right, as long as it
// keeps half the height. Empty when neither fits.
std::optional<GraphWithLabels> layOutGraphWithLabels(const PageBox& area, const AxisTextRoom& axis,
                                                     std::span<const LabelExtent> labels);

}  // namespace probel::cli
