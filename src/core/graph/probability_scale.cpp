// SPDX-License-Identifier: MIT
#include "core/graph/probability_scale.h"

#include <cmath>

#include "core/graph/inverse_normal.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

constexpr double kMidPercent = 50.0;
constexpr double kFullPercent = 100.0;

}  // namespace

std::optional<float> probabilityToY(const QuantileTable& table, std::int32_t top, std::int32_t height, double percent)
{
    if (!(percent >= 0.0 && percent <= kFullPercent)) {
        return std::nullopt;
    }
    const bool lowerHalf = percent <= kMidPercent;
    const double tail = lowerHalf ? percent : kFullPercent - percent;
    const double index = roundHalfUp(tail * QuantileTable::kStepsPerPercent);
    if (!(index >= 0.0 && index <= QuantileTable::kLastIndex)) {
        return std::nullopt;
    }
    // Below half a step from 0 % or 100 % the table has only its sentinel; a plotting
    // position there (more than 10 000 values) takes its own quantile, beyond the scale's end.
    const bool beyondTable = index == 0.0 && tail > 0.0;
    const double z = beyondTable ? inverseNormal(tail / kFullPercent) : table[static_cast<std::int32_t>(index)];
    const double extreme = table[1];
    const double halfHeight = height / 2.0;
    // The scale is symmetric: the upper half mirrors the lower one about mid-height.
    const double offset = halfHeight * z / extreme;
    const double y = lowerHalf ? top + offset + halfHeight : top - offset + halfHeight;
    return static_cast<float>(y);
}

std::optional<double> valueToX(double value, double axisMin, double axisMax, std::int32_t left, std::int32_t width)
{
    const double span = axisMax - axisMin;
    if (span == 0.0) {
        return std::nullopt;
    }
    const double x = left + (value - axisMin) * width / span;
    if (!std::isfinite(x)) {
        return std::nullopt;
    }
    return x;
}

double plottingPosition(std::int32_t rank, std::int32_t count, PlottingPositions positions)
{
    // With a = 0 every step is exact, so the default rule places points to the bit as before.
    const double a = plottingPositionOffset(positions);
    return kFullPercent * (rank - a) / (static_cast<double>(count) + 1.0 - 2 * a);
}

}  // namespace probel
