// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace probel::cli {

// The two ends of a graph's value axis, in ordinary units.
struct AxisRange {
    double min = 0;
    double max = 0;
    bool operator==(const AxisRange&) const = default;
};

// A linear axis of `divisions` equal steps that holds every value from `low` to `high`, each
// step 1, 2 or 5 times a power of ten so every division line has a round label; the values
// sit in the middle where that costs nothing, and an axis of values that are all zero or
// above (or below) does not cross zero. A given end is kept and only the other one is
// chosen; with both given they are returned as they are. `divisions` must be at least 1.
AxisRange linearAxisRange(double low, double high, int divisions, std::optional<double> fixedMin = std::nullopt,
                          std::optional<double> fixedMax = std::nullopt);

// A logarithmic axis of whole decades holding `low` to `high` (both > 0): from the power of
// ten at or below `low` to the one at or above `high`, at least one decade. A given end
// (> 0) is widened outward to its decade in the same way.
AxisRange logAxisRange(double low, double high, std::optional<double> fixedMin = std::nullopt,
                       std::optional<double> fixedMax = std::nullopt);

}  // namespace probel::cli
