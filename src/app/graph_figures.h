// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QString>

#include <cstdint>
#include <optional>

namespace probel {

class ChartSheet;

// What the sheet window tells about a graph beyond its drawing: the read-off under the pointer
// for the status bar, and the figures of its series for a tooltip.

// The read-off at `point` (pixels of the paper) over graph `number`; empty off its frame.
QString readOffAt(const ChartSheet& sheet, std::int32_t number, QPointF point);

// For each series of graph `number`: n, mean, σ, s, minimum, maximum, Cp, Cpk and the test of
// normality, a blank line between series; empty for a graph without series.
QString seriesFigures(const ChartSheet& sheet, std::int32_t number);

// The graph whose series has the detail label `index`.
std::optional<std::int32_t> graphOfDetailLabel(const ChartSheet& sheet, std::int64_t index);

}  // namespace probel
