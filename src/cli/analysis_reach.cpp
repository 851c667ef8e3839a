// SPDX-License-Identifier: MIT
#include "cli/analysis_reach.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/graph/analysis_elements.h"
#include "core/graph/canvas.h"
#include "core/graph/paper_geometry.h"

namespace probel::cli {
namespace {

// The frame is drawn this far inside a canvas this large, so that no text is left out for
// lying off the page.
constexpr std::int32_t kShift = 1'000'000;
constexpr std::int32_t kCanvasSize = 4 * kShift;

struct TextBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// Measures with another canvas and keeps the box of every text drawn, moved back by kShift.
class TextBoxRecorder final : public Canvas {
public:
    explicit TextBoxRecorder(Canvas& measure) : measure_(measure) {}

    const std::vector<TextBox>& boxes() const { return boxes_; }

    std::int32_t width() const override { return kCanvasSize; }
    std::int32_t height() const override { return kCanvasSize; }
    bool isPrinterPage() const override { return false; }
    double dotsPerInch() const override { return measure_.dotsPerInch(); }
    void clear() override {}
    void requestRepaint() override {}
    void setPenStyle(std::int32_t /*style*/) override {}
    void setColor(std::int32_t bgr) override { color_ = bgr; }
    std::int32_t color() const override { return color_; }
    void polyline(std::span<const Point> /*points*/) override {}
    void setFont(const CanvasFont& font) override { measure_.setFont(font); }
    const CanvasFont& font() const override { return measure_.font(); }
    double textWidth(std::string_view text) override { return measure_.textWidth(text); }
    double textHeight(std::string_view text) override { return measure_.textHeight(text); }
    void drawText(PointF topLeft, std::string_view text) override
    {
        const double left = topLeft.x - kShift;
        const double top = topLeft.y - kShift;
        boxes_.push_back(TextBox{left, top, left + textWidth(text), top + textHeight(text)});
    }

private:
    Canvas& measure_;
    std::int32_t color_ = 0;
    std::vector<TextBox> boxes_;
};

}  // namespace

AnalysisReach analysisReach(const NormoBp& graph, const PageBox& frame, Canvas& measure)
{
    TextBoxRecorder recorder(measure);
    const PaperGeometry paper(graph, GraphFrame{frame.left + kShift, frame.top + kShift, frame.width, frame.height},
                              recorder);
    // The only parts of the analysis that write above the frame.
    drawLimitLines(paper, recorder);
    drawTitle(paper, recorder);

    AnalysisReach reach;
    const double frameTop = frame.top;
    bool anyAbove = false;
    for (const TextBox& box : recorder.boxes()) {
        if (box.bottom <= frameTop) {
            reach.above = std::max(reach.above, frameTop - box.top);
            reach.aboveLeft = anyAbove ? std::min(reach.aboveLeft, box.left) : box.left;
            reach.aboveRight = anyAbove ? std::max(reach.aboveRight, box.right) : box.right;
            anyAbove = true;
        }
    }
    return reach;
}

}  // namespace probel::cli
