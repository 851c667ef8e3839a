// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "core/graph/graph_frame.h"

namespace probel {

// The rules by which the mouse places graphs and labels on a sheet. All lengths are canvas
// pixels; displacements are "press point − pointer", so a pointer moved left is positive.

// Graph frames are resized within this many pixels of an edge.
inline constexpr std::int32_t kEdgeZone = 5;
// Moves snap to steps of this many pixels.
inline constexpr std::int32_t kSnapStep = 10;
// A resize that would make a frame narrower or lower than this stops.
inline constexpr std::int32_t kSmallestFrameExtent = 5;

// What a press on a graph frame does, by where the pointer is (the pointer shape shows it).
enum class FrameGrip { Move, LeftEdge, RightEdge, TopEdge, BottomEdge };

// The grip at (x, y) relative to a frame of width × height: the left or right 5 pixels resize
// horizontally, the top or bottom 5 vertically; in a corner the vertical edge wins.
FrameGrip frameGripAt(double x, double y, std::int32_t width, std::int32_t height);

// How far a held object moves for a pointer displacement (press − pointer, whole pixels
// already): the displacement to whole steps of 10, a remainder of 5 or more counting as one
// step more, with the remainder keeping the displacement's sign. The result is the change of
// the object's left (or top): 7 pixels left moves −10, 4 left nothing, 7 right nothing, 13
// right +10, 20 right +20.
std::int32_t snappedMove(std::int32_t displacement);

// A displacement of the pointer in whole pixels, halves to even.
std::int32_t wholeDisplacement(double pressCoordinate, double pointerCoordinate);

// One motion step of a held frame with `grip`: `displacement` along the grip's axis (both
// axes for a move). A resize that would leave an extent below 5 pixels changes nothing.
// Returns the new frame; `resized` says whether an edge moved (the right and bottom edges
// then take the press point along).
struct FrameStep {
    GraphFrame frame;
    bool resized = false;
};
FrameStep stepFrame(const GraphFrame& frame, FrameGrip grip, std::int32_t dx, std::int32_t dy);

// A start (left or top) pushed back onto the paper: an object sticking out at the far side
// is moved back until it ends at the paper's edge, one before the near side is moved to 0.
double pushOntoPaper(double start, double extent, double paperExtent);

// Room between a graph's frame and the detail labels beside it, and between those labels.
inline constexpr std::int32_t kLabelGap = 10;

// The top-left corner of a new label of width × height.
struct LabelSpot {
    double left = 0;
    double top = 0;
    bool operator==(const LabelSpot&) const = default;
};

// Where a new text label goes: the clicked point moved left and up to the 10-pixel grid (as a
// new graph's frame), then pushed onto the paper of paperWidth × paperHeight (a label larger
// than the paper starts at its left or top edge).
LabelSpot textLabelSpot(double clickedX, double clickedY, double width, double height, double paperWidth,
                        double paperHeight);

// Where a graph's new detail label goes: 10 pixels right of the frame, its top at the frame's
// top or, when the graph has other detail labels, 10 pixels below the lowest one's bottom
// (`lowestBottom`) moved down to the 10-pixel grid; then pushed onto the paper.
LabelSpot detailLabelSpot(const GraphFrame& frame, std::optional<double> lowestBottom, double width, double height,
                          double paperWidth, double paperHeight);

// A new graph's frame start: the clicked point moved left or up to the 10-pixel grid (the
// click rounded to a whole pixel first, halves to even).
std::int32_t gridStart(double clicked);

// A frame as the graph settings dialog finds it: its left moved onto the canvas (0 at least,
// at most canvasWidth − width) and its top likewise.
GraphFrame clampFrameOnCanvas(const GraphFrame& frame, std::int32_t canvasWidth, std::int32_t canvasHeight);

// A typed frame position put on the 10-pixel grid: the nearest multiple of 10, halves
// downward, so a position already on the grid stays where it is.
std::int32_t nearestGridPosition(std::int32_t typed);

}  // namespace probel
