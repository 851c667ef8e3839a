// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/graph/canvas.h"

namespace probel {

// Where a series' fitted normal line is drawn: the line through 50 % at the mean and 1 % /
// 99 % at the mean -/+ z standard deviations, extended in one-pixel steps of x until it
// leaves the frame (its ends lie one step outside).
struct FittedLine {
    // Frame and value axis of the graph (axis ends as stored, exponents on a log axis).
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    double axisMin = 0;
    double axisMax = 0;
    // Rounded heights of 1 %, 50 % and 99 %.
    std::int32_t y1 = 0;
    std::int32_t y50 = 0;
    std::int32_t y99 = 0;

    // The right and the left end of the line of a series with this mean and standard
    // deviation (z: the 1 % quantile's magnitude). Empty when the axis has zero length or a
    // position does not fit in the integer range.
    std::optional<std::array<Point, 2>> ends(double mean, double sigma, double z) const;

    // The first point (xMean + direction k, round(direction k slope + y50)), k = 1, 2, ...,
    // that lies outside the frame; direction is +1 (right end) or -1 (left end). Found by
    // bisection, since the points that stay inside form an unbroken run from k = 1, so the
    // cost does not grow with the frame. Empty when that point does not fit in the integer range.
    std::optional<Point> steppedEnd(std::int32_t xMean, double slope, int direction) const;

    // The part of the line between `ends` that lies in the frame (edges included), its ends
    // rounded to whole pixels; empty when the line misses the frame. The stepped ends lie
    // outside, and a steep line (a spread below one pixel) far outside, so this is what is drawn.
    std::optional<std::array<Point, 2>> withinFrame(const std::array<Point, 2>& ends) const;
};

}  // namespace probel
