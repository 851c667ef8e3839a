// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "core/graph/quantile_table.h"
#include "core/stats/plotting_positions.h"

namespace probel {

// The mappings of normal probability paper between values, probabilities and frame pixels.

// Height of the cumulative probability `percent` in a frame with top `top` and height
// `height`: the quantile looked up in steps of 0.01 % (halves upward), scaled so that 50 %
// lies at mid-height and 0.01 % / 99.99 % on the bottom / top edge. A percentage within half
// a step of 0 or 100 (but not 0 or 100 itself) has no table entry and is placed by its exact
// quantile, just beyond that edge. Empty when `percent` is outside 0 ... 100 or NaN.
std::optional<float> probabilityToY(const QuantileTable& table, std::int32_t top, std::int32_t height, double percent);

// Horizontal position of `value` on an axis from `axisMin` to `axisMax` spread over a frame
// from `left` with width `width`: left + (value - axisMin) * width / (axisMax - axisMin).
// Empty when the axis has zero length or the result is not finite.
std::optional<double> valueToX(double value, double axisMin, double axisMax, std::int32_t left, std::int32_t width);

// Plotting position, in percent, of the i-th smallest (1-based) of n values by the graph's rule:
// 100 (i − a) / (n + 1 − 2a), with the earlier program's 100 i / (n + 1) by default.
double plottingPosition(std::int32_t rank, std::int32_t count,
                        PlottingPositions positions = PlottingPositions::Weibull);

}  // namespace probel
