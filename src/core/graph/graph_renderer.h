// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/graph/canvas.h"
#include "core/graph/graph_frame.h"

namespace probel {

class NormoBp;
class NormoData;

// The number format of every value label on a logarithmic axis; what lays a page out measures
// the labels' width on it too.
inline constexpr std::string_view kLogValueLabelPattern = "0.0E+0";

// Draws one graph on a canvas within `frame` (the graph's own frame on the screen, a scaled
// one on a printer page), in a fixed order: frame, probability grid, value grid, value and
// unit labels, probability labels, each visible series' markers and fitted line, then what the
// graph's analysis asks for (analysis_drawing.h). Every item (a line, a label, a marker) whose
// position cannot be computed (an axis of zero length, a quantile look-up out of range, NaN, a
// position beyond the integer range) is left out and drawing goes on. Only what can meet the
// canvas (0 ... width, 0 ... height) is computed, so the work is bounded by the page and the
// data, not by the size of the frame. The graph is only read; the canvas is neither cleared nor
// asked to repaint, and is left in the colour found before the last visible series (black
// without one).
void drawGraph(const NormoBp& graph, Canvas& canvas, const GraphFrame& frame);

class GraphRenderer {
public:
    GraphRenderer(const NormoBp& graph, Canvas& canvas, const GraphFrame& frame)
        : graph_(graph), canvas_(canvas), left_(frame.left), top_(frame.top), width_(frame.width), height_(frame.height)
    {
    }

    void draw();

private:
    void drawFrame();
    void drawProbabilityGrid();
    void drawValueGrid();
    void drawLinearValueGrid();
    void drawLogValueGrid();
    void drawEveryColumn();
    std::int64_t labelStep(std::int64_t labels, std::int64_t askedStep) const;
    // Label numbers first, first + step, ... up to last.
    struct LabelSteps {
        std::int64_t first;
        std::int64_t last;
        std::int64_t step;
    };
    LabelSteps labelsOnPage(double pitch, std::int64_t last, std::int64_t step);
    // One text (a marker) centred on many points, measured once.
    class CentredText {
    public:
        CentredText(GraphRenderer& renderer, double fontSize, const std::string& text);
        void add(PointF centre);
        // Hands over the places not yet drawn (at least once, even none).
        void flush();

    private:
        Canvas& canvas_;
        // The marker's text as far as the page can show it.
        std::string_view text_;
        double halfWidth_ = 0;
        double halfHeight_ = 0;
        double reach_ = 0;
        std::vector<PointF> topLefts_;
        bool flushed_ = false;
    };
    void drawValueLabels();
    void drawUnitLabel();
    void drawLinearValueLabels();
    void drawLogValueLabels();
    void drawProbabilityLabels();
    // Draws the series' markers and fitted line; returns the canvas colour found on entry.
    std::int32_t drawSeries(const NormoData& series);
    void drawMarkers(const NormoData& series);
    void drawFittedLine(const NormoData& series);

    void drawProbabilityLine(double percent, std::int64_t x1, std::int64_t x2);
    void verticalLine(double x);
    std::optional<float> pictY(double percent) const;
    std::optional<std::int32_t> roundedY(double percent) const;

    const NormoBp& graph_;
    Canvas& canvas_;
    const std::int32_t left_;
    const std::int32_t top_;
    const std::int32_t width_;
    const std::int32_t height_;
    double axisMin_ = 0;
    double axisSpan_ = 0;
    // Heights the later steps build on; empty when they could not be computed.
    std::optional<std::int32_t> y1_;
    std::optional<std::int32_t> y50_;
    std::optional<std::int32_t> y99_;
    std::optional<std::int32_t> yBottom_;
    std::optional<std::int32_t> yTop_;
    // Weibull paper instead of normal probability paper.
    bool weibull_ = false;
};

}  // namespace probel
