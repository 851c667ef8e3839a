// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/graph/canvas.h"

namespace probel {

// A canvas that draws nothing and records every call in order, so tests (and golden checks)
// can compare what was drawn, exactly. Size, resolution and the printer flag are set by the
// owner. Text is measured by a fixed rule, independent of any font file:
//   one line of text is 1.2 x the font size in pixels high, and each character (UTF-8 code
//   point) is 0.6 x the font size in pixels wide; font size in pixels = points x dpi / 72.
// So at 72 dpi a 10-point text is 12 pixels high and 6 pixels wide per character.
class RecordingCanvas : public Canvas {
public:
    static constexpr double kCharWidthPerPixelSize = 0.6;
    static constexpr double kLineHeightPerPixelSize = 1.2;
    static constexpr double kPointsPerInch = 72.0;
    static constexpr double kScreenDotsPerInch = 96.0;

    struct Call {
        enum class Kind { Clear, Repaint, Polyline, Text, Stamp };
        Kind kind = Kind::Clear;
        // Polyline: its points with the pen style and colour in force.
        std::vector<Point> points;
        // Text: one top-left corner; Stamp: every corner, in the order given.
        std::vector<PointF> topLefts;
        std::string text;
        CanvasFont font;
        std::int32_t penStyle = kPenSolid;
        std::int32_t color = 0;
    };

    // One printed text, with stamps counted as one text per place.
    struct DrawnText {
        PointF topLeft;
        std::string text;
        CanvasFont font;
        std::int32_t color = 0;
    };

    RecordingCanvas(std::int32_t width = 640, std::int32_t height = 480, bool printerPage = false,
                    double dotsPerInch = kScreenDotsPerInch);

    void setSize(std::int32_t width, std::int32_t height);
    void setDotsPerInch(double dotsPerInch) { dotsPerInch_ = dotsPerInch; }
    // When set, stampText() is recorded as one Text call per place (as a surface without
    // its own stamping would draw it) instead of one Stamp call.
    void setExpandStamps(bool expand) { expandStamps_ = expand; }

    std::int32_t width() const override { return width_; }
    std::int32_t height() const override { return height_; }
    bool isPrinterPage() const override { return printerPage_; }
    double dotsPerInch() const override { return dotsPerInch_; }

    void clear() override;
    void requestRepaint() override;
    void setPenStyle(std::int32_t style) override { penStyle_ = style; }
    std::int32_t penStyle() const { return penStyle_; }
    void setColor(std::int32_t bgr) override { color_ = bgr; }
    std::int32_t color() const override { return color_; }
    void polyline(std::span<const Point> points) override;
    void setFont(const CanvasFont& font) override { font_ = font; }
    const CanvasFont& font() const override { return font_; }
    double textWidth(std::string_view text) override;
    double textHeight(std::string_view text) override;
    void drawText(PointF topLeft, std::string_view text) override;

    // Pixel size of the current font (points x dpi / 72).
    double fontPixelSize() const;

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Call> polylines() const;
    std::vector<Call> stamps() const;
    std::vector<DrawnText> texts() const;
    int clearCount() const;
    int repaintCount() const;
    // Forgets the recorded calls; the current pen, colour and font stay.
    void forget() { calls_.clear(); }

protected:
    // Records the text as stampText() cut it.
    void stampVisibleText(std::span<const PointF> topLefts, std::string_view text) override;

private:
    std::vector<Call> callsOf(Call::Kind kind) const;

    std::int32_t width_;
    std::int32_t height_;
    bool printerPage_;
    double dotsPerInch_;
    bool expandStamps_ = false;
    std::int32_t penStyle_ = kPenSolid;
    std::int32_t color_ = 0;
    CanvasFont font_;
    std::vector<Call> calls_;
};

}  // namespace probel
