// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace probel {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

struct PointF {
    double x = 0;
    double y = 0;
    bool operator==(const PointF&) const = default;
};

// A font as documents name it: the name is kept as written (a Windows name such as
// "ＭＳ Ｐゴシック" stays so), the size is in points.
struct CanvasFont {
    std::string name = "ＭＳ Ｐゴシック";
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    bool operator==(const CanvasFont&) const = default;
};

// The size a font of `points` is drawn at: a size of zero or below, or no number at all, cannot
// be drawn and becomes the smallest size, one point.
inline double drawnPoints(double points)
{
    return std::isfinite(points) && points > 0 ? points : 1;
}

// Pen styles of lines, as documents store them.
enum PenStyle : std::int32_t {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenInvisible = 5,
    kPenInsideSolid = 6,
};

// The drawing surface graphs and sheets draw on: the sheet's picture on screen, a printer
// page, an image, SVG or PDF, or a recording for tests. Coordinates are the surface's pixels,
// y growing downward. There is one current colour (0x00BBGGRR) for pen and text; lines are
// one pixel wide in the current pen style; text is drawn with its top-left corner at the
// given position and no background.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Size of the surface in its own pixels.
    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;
    // A printer page (or a PDF of one) is drawn once and never asked to repaint.
    virtual bool isPrinterPage() const = 0;
    // Pixels per inch of the surface (96 on screen, the printer's resolution on a page);
    // font sizes in points are converted with it.
    virtual double dotsPerInch() const = 0;

    // Fills the whole surface with white.
    virtual void clear() = 0;
    // Asks the screen to show what was drawn (nothing to do on other surfaces).
    virtual void requestRepaint() = 0;

    virtual void setPenStyle(std::int32_t style) = 0;
    virtual void setColor(std::int32_t bgr) = 0;
    virtual std::int32_t color() const = 0;
    virtual void polyline(std::span<const Point> points) = 0;

    virtual void setFont(const CanvasFont& font) = 0;
    virtual const CanvasFont& font() const = 0;
    // Width and height of one line of text in the current font, in pixels.
    virtual double textWidth(std::string_view text) = 0;
    virtual double textHeight(std::string_view text) = 0;
    virtual void drawText(PointF topLeft, std::string_view text) = 0;

    // The same text at many places in the current font and colour, such as the markers of a
    // series. Only visibleMarkerText(text) is drawn, so a marker costs what the page can show
    // of it however long its text is.
    void stampText(std::span<const PointF> topLefts, std::string_view text)
    {
        // Nothing is drawn without places, so nothing is measured either.
        stampVisibleText(topLefts, topLefts.empty() ? text : visibleMarkerText(text));
    }

    // The part of a marker's text the page can show in the current font: the characters whose
    // advance starts within the page's width, at most as many as the page has pixels across
    // (narrower ones cannot be told apart). The first character always stays; a text that fits
    // comes back whole.
    std::string_view visibleMarkerText(std::string_view text);

    void setFontSize(double points)
    {
        CanvasFont changed = font();
        changed.size = points;
        setFont(changed);
    }

protected:
    // Draws the text stampText() has cut at every place. Surfaces that can lay the text out
    // once and reuse it override this.
    virtual void stampVisibleText(std::span<const PointF> topLefts, std::string_view text)
    {
        for (const auto& topLeft : topLefts) {
            drawText(topLeft, text);
        }
    }
};

}  // namespace probel
