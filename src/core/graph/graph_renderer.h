// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/graph/canvas.h"

namespace probel {

class NormoBp;
class NormoData;

// Draws one graph on a canvas, in a fixed order: frame, probability grid, value grid, value
// and unit labels, probability labels, then each visible series' markers and fitted line.
// Every item (a line, a label, a marker) whose position cannot be computed (an axis of zero
// length, a quantile look-up out of range, NaN, a position beyond the integer range) is left
// out and drawing goes on. The only change to the model is the one the fitted line makes:
// a series whose limits Max and Min are equal gets Max raised above Min.
class GraphRenderer {
public:
    GraphRenderer(NormoBp& graph, Canvas& canvas) : graph_(graph), canvas_(canvas) {}

    void draw();

private:
    void drawFrame();
    void drawProbabilityGrid();
    void drawValueGrid();
    void drawLinearValueGrid();
    void drawLogValueGrid();
    void drawEveryColumn();
    std::int64_t labelStep(std::int64_t labels, std::int64_t askedStep) const;
    void drawCenteredText(std::span<const PointF> points, double fontSize, const std::string& text);
    void drawValueLabels();
    void drawUnitLabel();
    void drawLinearValueLabels();
    void drawLogValueLabels();
    void drawProbabilityLabels();
    // Draws the series' markers and fitted line; returns the canvas colour found on entry.
    std::int32_t drawSeries(NormoData& series);
    void drawMarkers(NormoData& series);
    void drawFittedLine(NormoData& series);

    void drawProbabilityLine(double percent, std::int64_t x1, std::int64_t x2);
    void verticalLine(double x);
    std::optional<std::int32_t> roundedY(double percent) const;

    NormoBp& graph_;
    Canvas& canvas_;
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    double axisMin_ = 0;
    double axisSpan_ = 0;
    // Heights the later steps build on; empty when they could not be computed.
    std::optional<std::int32_t> y1_;
    std::optional<std::int32_t> y50_;
    std::optional<std::int32_t> y99_;
    std::optional<std::int32_t> yBottom_;
    std::optional<std::int32_t> yTop_;
};

}  // namespace probel
