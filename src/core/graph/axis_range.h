// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "core/util/result.h"

namespace probel {

// Most divisions an automatic linear axis has; with steps of 1, 2 and 5 times a power of ten
// the values then fill more than 60 % of its width.
inline constexpr std::int32_t kMostAxisDivisions = 10;

// The two ends of a graph's value axis, in ordinary units, and its number of divisions.
struct AxisRange {
    double min = 0;
    double max = 0;
    std::int32_t divisions = kMostAxisDivisions;
    bool operator==(const AxisRange&) const = default;
};

// A linear axis that holds every value from `low` to `high` in at most ten divisions of a
// round step (1, 2 or 5 times a power of ten), the finest such step, so the values fill at
// least 60 % of the width; its ends are multiples of the step, so an axis of values that are
// all zero or above (or below) does not cross zero. Equal values get an axis around them. A
// given end is kept and the other one chosen the same way from it; with both given they are
// returned as they are, in ten divisions. Fails, saying why, when the values' spread is too
// small for a step a double can hold, or the axis (or the span of the given ends) would reach
// beyond the double range.
Result<AxisRange> linearAxisRange(double low, double high, std::optional<double> fixedMin = std::nullopt,
                                  std::optional<double> fixedMax = std::nullopt);

// A logarithmic axis of whole decades holding `low` to `high` (both > 0): from the power of
// ten at or below `low` to the one at or above `high`, at least one decade. A given end
// (> 0) is widened outward to its decade in the same way. Fails, saying why, when a decade
// lies beyond the double range.
Result<AxisRange> logAxisRange(double low, double high, std::optional<double> fixedMin = std::nullopt,
                               std::optional<double> fixedMax = std::nullopt);

}  // namespace probel
