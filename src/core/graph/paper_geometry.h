// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/graph/canvas.h"
#include "core/graph/graph_frame.h"

namespace probel {

class NormoBp;

// A graph's paper laid over the frame being drawn, for what is drawn over the series: where
// values and probabilities fall in pixels, and what of it meets the canvas.
class PaperGeometry {
public:
    PaperGeometry(const NormoBp& graph, const GraphFrame& frame, const Canvas& canvas);

    const NormoBp& graph() const { return graph_; }
    const GraphFrame& frame() const { return frame_; }
    double frameRight() const { return static_cast<double>(frame_.left) + frame_.width; }
    double frameBottom() const { return static_cast<double>(frame_.top) + frame_.height; }

    // x of a number in the axis' own units (exponents on a logarithmic axis); empty when the
    // axis has zero length or the result is not finite.
    std::optional<double> xOfAxisUnits(double units) const;
    // x of a value as the axis places it: its logarithm on a logarithmic axis, where a value
    // of zero or below has no place.
    std::optional<double> xOfValue(double value) const;
    // The axis units at x; empty when the axis has zero length.
    std::optional<double> axisUnitsAtX(double x) const;

    // y of the standard normal quantile z: the scale is linear in z, 0 at mid-height and the
    // scale's extreme quantile on the bottom and top edges.
    double yOfQuantile(double z) const;
    double quantileAtY(double y) const;
    // y of a cumulative percentage as the grid places it (looked up in the quantile table on
    // normal paper).
    std::optional<double> yOfPercent(double percent) const;
    // The cumulative percentage at y, by the scale's own function rather than the table.
    double percentAtY(double y) const;
    // Weibull paper rather than normal probability paper.
    bool weibull() const { return weibull_; }

    // What of the frame lines may be drawn in: the frame cut to the canvas widened by the
    // reach of a one-pixel line. Empty (right < left or bottom < top) when they do not meet.
    struct Box {
        double left = 0;
        double top = 0;
        double right = 0;
        double bottom = 0;
        bool empty() const { return !(left <= right && top <= bottom); }
    };
    const Box& drawable() const { return drawable_; }

    // The runs of a polyline inside drawable(), each with at least two whole-pixel points;
    // a point that is not finite breaks the line.
    std::vector<std::vector<Point>> clipped(std::span<const PointF> points) const;
    // A vertical line across the frame at x, kept within drawable(); empty when it misses it.
    std::optional<std::vector<Point>> verticalAcross(double x) const;
    std::optional<std::vector<Point>> horizontalAcross(double y) const;

    // Whether a text of this size at topLeft can show on the canvas (glyphs may reach past the
    // measured box by its own size).
    bool textMeetsCanvas(PointF topLeft, double width, double height) const;

private:
    const NormoBp& graph_;
    GraphFrame frame_;
    double canvasWidth_;
    double canvasHeight_;
    double axisMin_;
    double axisMax_;
    // The quantile at the bottom edge (negative); the top edge has its opposite.
    double extreme_;
    bool weibull_;
    Box drawable_;
};

}  // namespace probel
