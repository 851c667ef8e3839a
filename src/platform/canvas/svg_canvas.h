// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/document/atomic_file.h"
#include "core/graph/canvas.h"
#include "platform/canvas/text_metrics.h"

namespace probel {

// The page an SvgCanvas writes: its size in pixels (also the view box), the pixels per inch
// its physical size and font sizes are reckoned with, and its title and description.
struct SvgPage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    double dotsPerInch = 96;
    std::string title;
    std::string description;
    // The part of the page the document shows (its size and view box), when not the whole.
    struct View {
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
    };
    std::optional<View> view;
};

// A Canvas that writes an SVG document (Tiny 1.2) while it is drawn on, handing it to a sink
// in pieces, so a page of a million markers is never held whole. Lines are polylines in Qt's
// patterns of the pen styles; text is text in a family list (the stored name, the IPA font
// that draws it here, a generic family); repeated text (markers) is defined once and placed
// by reference, one short element a marker. Text is measured by `metrics`, which the canvas
// borrows: Qt's measures (as QPainterCanvas measures) or the same numbers found without Qt.
class SvgCanvas : public Canvas {
public:
    SvgCanvas(const SvgPage& page, ByteSink sink, TextMetrics& metrics);
    // Finishes the document if finish() was not called.
    ~SvgCanvas() override;

    SvgCanvas(const SvgCanvas&) = delete;
    SvgCanvas& operator=(const SvgCanvas&) = delete;

    // Closes the document and hands the rest to the sink; drawing afterwards does nothing.
    void finish();

    std::int32_t width() const override { return page_.width; }
    std::int32_t height() const override { return page_.height; }
    bool isPrinterPage() const override { return false; }
    double dotsPerInch() const override { return page_.dotsPerInch; }

    void clear() override;
    void requestRepaint() override {}

    void setPenStyle(std::int32_t style) override { penStyle_ = style; }
    void setColor(std::int32_t bgr) override { color_ = bgr; }
    std::int32_t color() const override { return color_; }
    void polyline(std::span<const Point> points) override;

    void setFont(const CanvasFont& font) override;
    const CanvasFont& font() const override { return font_; }
    double textWidth(std::string_view text) override;
    double textHeight(std::string_view text) override;
    void drawText(PointF topLeft, std::string_view text) override;

protected:
    void stampVisibleText(std::span<const PointF> topLefts, std::string_view text) override;

private:
    // The group the next elements go into: its opening tag, or none.
    void enterGroup(const std::string& openingTag);
    void leaveGroup();
    std::string fontAttributes() const;
    std::string markerId(std::string_view text);
    void append(std::string_view text);
    void flushIfFull();

    SvgPage page_;
    ByteSink sink_;
    std::string buffer_;
    bool finished_ = false;
    std::optional<std::string> group_;

    std::int32_t penStyle_ = kPenSolid;
    std::int32_t color_ = 0;
    CanvasFont font_;
    TextMetrics& metrics_;

    // Defined markers by their text and font.
    std::map<std::pair<std::string, std::string>, std::string> markers_;
};

}  // namespace probel
