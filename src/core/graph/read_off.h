// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/graph/canvas.h"
#include "core/graph/graph_frame.h"
#include "core/graph/quantile_table.h"

namespace probel {

class NormoBp;
class NormoData;

// Reading a graph off the paper: the exact inverse of where the graph draws values and
// probabilities, so that a point on a drawn marker reads back the marker's value and plotting
// position.

// The cumulative percentage drawn at height `y` of a frame from `top` with `height`: within
// the frame the table entry whose height is nearest (steps of 0.01 %, as the scale draws them),
// beyond it the normal distribution itself. Empty for a frame without height.
std::optional<double> yToPercent(const QuantileTable& table, std::int32_t top, std::int32_t height, double y);

// The axis value (an exponent on a logarithmic axis) drawn at `x`; the inverse of valueToX.
std::optional<double> xToAxisValue(double x, double axisMin, double axisMax, std::int32_t left, std::int32_t width);

struct ReadOff {
    double value = 0;  // in ordinary units, also on a logarithmic axis
    double percent = 0;
};

// What the graph shows at `point` of its frame `frame`; empty outside the frame.
std::optional<ReadOff> readOff(const NormoBp& graph, const GraphFrame& frame, PointF point);

struct MarkerHit {
    const NormoData* series = nullptr;
    std::int32_t rank = 0;  // 1-based, in ascending order as drawn
    double value = 0;
    double percent = 0;
};

// The drawn marker whose centre is nearest `point`, if within its half size; the front-most
// (last drawn) series wins a tie.
std::optional<MarkerHit> markerAt(const NormoBp& graph, const GraphFrame& frame, PointF point);

// The status text for `point`: the series and point of a marker under it
// ("ロットA 外径  No,12: 10.06  (40.32 %)"), else the value with the graph's unit and the
// percentage ("X = 10.05 mm    P = 84.13 %"); empty outside the frame.
std::string readOffText(const NormoBp& graph, const GraphFrame& frame, PointF point);

}  // namespace probel
