// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QSize>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "core/graph/canvas.h"

namespace probel {

// How a QPainterCanvas draws on its device.
struct QPainterCanvasOptions {
    bool printerPage = false;
    // The canvas size in pixels; empty takes the device's size.
    std::optional<QSize> size;
    // Pixels per inch for font sizes; empty takes the device's logical resolution.
    std::optional<double> dotsPerInch;
    // Called by requestRepaint() (a window updates itself); may be empty.
    std::function<void()> repaintRequest;
};

// A Canvas over a QPainter on any paint device: a QImage, an SVG or PDF generator, a printer.
// Lines are one device pixel wide (cosmetic) in Qt's pattern for the pen style; style 5 draws
// no line (text is still drawn). Font sizes are points converted with dotsPerInch(); the font
// name is kept exactly as set and resolved by Qt's family substitutions when drawn.
// Text is anchored at its top-left corner, without background. Repeated text (markers) on an
// image is drawn from one cached rendering (of no more pixels than the page); on vector
// devices it stays real text, laid out once.
class QPainterCanvas : public Canvas {
public:
    using Options = QPainterCanvasOptions;

    // Draws with a painter of its own, begun on `device` now and ended when the canvas goes.
    explicit QPainterCanvas(QPaintDevice& device, Options options = {});
    // Draws with a painter the caller has begun and keeps active for the canvas's lifetime.
    explicit QPainterCanvas(QPainter& painter, Options options = {});
    ~QPainterCanvas() override;

    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    // False when the painter could not be begun on the device; drawing then does nothing.
    bool isActive() const;

    std::int32_t width() const override { return size_.width(); }
    std::int32_t height() const override { return size_.height(); }
    bool isPrinterPage() const override { return printerPage_; }
    double dotsPerInch() const override { return dotsPerInch_; }

    void clear() override;
    void requestRepaint() override;

    void setPenStyle(std::int32_t style) override;
    void setColor(std::int32_t bgr) override;
    std::int32_t color() const override { return color_; }
    void polyline(std::span<const Point> points) override;

    void setFont(const CanvasFont& font) override;
    const CanvasFont& font() const override { return font_; }
    double textWidth(std::string_view text) override;
    double textHeight(std::string_view text) override;
    void drawText(PointF topLeft, std::string_view text) override;

    // The Qt font the current CanvasFont is drawn with (for tests and callers that measure).
    const QFont& qtFont() const { return qtFont_; }

    // Pixels held by the cached marker images (each of no more pixels than the page).
    qsizetype stampImagePixels() const;

    // Turns the cached marker path off, so every stamp lays its text out again (benchmarks
    // compare the two ways; the output must look the same).
    void setFastStamping(bool enabled) { fastStamping_ = enabled; }

protected:
    void stampVisibleText(std::span<const PointF> topLefts, std::string_view text) override;

private:
    void initialise();
    void updateQtFont();
    // Where a marker's image lies around its top-left anchor: the offset from the anchor to
    // the image's corner and the image's size, holding the ink of the text in the current font.
    struct StampBox {
        QPoint offset;
        QSize size;
    };
    StampBox stampBox(const QString& text) const;
    // The text rendered once in the current font and colour, with its offset from the
    // top-left anchor to the image's corner.
    struct Stamp {
        QImage image;
        QPoint offset;
    };
    const Stamp& stampFor(const QString& text, const StampBox& box);
    void drawGlyphRuns(std::span<const PointF> topLefts, const QString& text);

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr;
    QSize size_;
    bool printerPage_ = false;
    double dotsPerInch_ = 96;
    double deviceDotsPerInch_ = 96;
    bool rasterDevice_ = false;
    bool fastStamping_ = true;
    std::function<void()> repaintRequest_;

    std::int32_t color_ = 0;
    QColor qtColor_ = Qt::black;
    QPen linePen_;
    QPen textPen_;

    CanvasFont font_;
    QFont qtFont_;
    std::optional<QFontMetricsF> metrics_;
    // The last measured text: a graph measures the same label or marker over and over.
    QString lastMeasuredText_;
    std::string lastMeasuredUtf8_;

    std::map<std::tuple<QString, QString, std::int32_t>, Stamp> stamps_;
};

}  // namespace probel
