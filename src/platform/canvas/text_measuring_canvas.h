// SPDX-License-Identifier: MIT
#pragma once

#include "core/graph/canvas.h"
#include "core/sheet/paper_size.h"
#include "platform/canvas/text_metrics.h"

namespace probel {

// A canvas of a page's size that measures text with `metrics` and draws nothing: for laying a
// page out before it is drawn, and for drawing it once only to learn whether every text on it
// can be measured.
class TextMeasuringCanvas : public Canvas {
public:
    TextMeasuringCanvas(const PaperSize& paper, double dotsPerInch, TextMetrics& metrics)
        : width_(paper.widthPixels), height_(paper.heightPixels), dotsPerInch_(dotsPerInch), metrics_(metrics)
    {
        metrics_.setFont(font_, dotsPerInch_);
    }

    std::int32_t width() const override { return width_; }
    std::int32_t height() const override { return height_; }
    bool isPrinterPage() const override { return false; }
    double dotsPerInch() const override { return dotsPerInch_; }

    void clear() override {}
    void requestRepaint() override {}

    void setPenStyle(std::int32_t /*style*/) override {}
    void setColor(std::int32_t bgr) override { color_ = bgr; }
    std::int32_t color() const override { return color_; }
    void polyline(std::span<const Point> /*points*/) override {}

    void setFont(const CanvasFont& font) override
    {
        font_ = font;
        metrics_.setFont(font_, dotsPerInch_);
    }
    const CanvasFont& font() const override { return font_; }
    double textWidth(std::string_view text) override { return metrics_.width(text); }
    double textHeight(std::string_view /*text*/) override { return metrics_.lineSpacing(); }
    // Drawn text is measured all the same, so a drawing shows every text it would draw.
    void drawText(PointF /*topLeft*/, std::string_view text) override { metrics_.width(text); }

protected:
    void stampVisibleText(std::span<const PointF> topLefts, std::string_view text) override
    {
        if (!topLefts.empty()) {
            metrics_.width(text);
        }
    }

private:
    std::int32_t width_;
    std::int32_t height_;
    double dotsPerInch_;
    std::int32_t color_ = 0;
    CanvasFont font_;
    TextMetrics& metrics_;
};

}  // namespace probel
