// SPDX-License-Identifier: MIT
#include "dialogs/marker_preview.h"

#include <QPainter>

#include <cmath>

#include "platform/canvas/qpainter_canvas.h"
#include "platform/color_dialog.h"

namespace probel {
namespace {

// Marker sizes are points on a 96 dpi screen, as the sheets draw them.
constexpr double kScreenDotsPerInch = 96;
// Larger glyphs than any font size a screen font takes: they would only cover the box, and
// laying them out costs more than the preview is worth, so such a marker is not drawn.
constexpr double kLargestMarkerPoints = 2160;

}  // namespace

MarkerPreview::MarkerPreview(ColorDialog& colorDialog, QWidget* parent)
    : ColorPickFrame(parent), colorDialog_(colorDialog)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MarkerPreview::setColor(std::int32_t bgr)
{
    if (bgr == color_) {
        return;
    }
    color_ = bgr;
    update();
    emit colorChanged(bgr);
}

void MarkerPreview::setMarker(const std::string& text)
{
    marker_ = text;
    update();
}

void MarkerPreview::setMarkerSize(double points)
{
    markerSize_ = points;
    update();
}

void MarkerPreview::setLineVisible(bool visible)
{
    lineVisible_ = visible;
    update();
}

void MarkerPreview::setLineStyle(std::int32_t style)
{
    lineStyle_ = style;
    update();
}

void MarkerPreview::pickColor()
{
    if (const auto chosen = colorDialog_.chooseColor(color_)) {
        setColor(*chosen);
    }
}

QSize MarkerPreview::sizeHint() const
{
    return QSize(kSide, kSide) + QSize(frameWidth(), frameWidth()) * 2;
}

QSize MarkerPreview::minimumSizeHint() const
{
    return sizeHint();
}

void MarkerPreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect inner = contentsRect();
    QPainter painter(this);
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    QPainterCanvas::Options options;
    options.size = inner.size();
    options.dotsPerInch = kScreenDotsPerInch;
    QPainterCanvas canvas(painter, options);
    canvas.clear();
    canvas.setColor(color_);

    if (std::isfinite(markerSize_) && markerSize_ <= kLargestMarkerPoints) {
        CanvasFont font;
        font.size = markerSize_;
        canvas.setFont(font);
        const double width = canvas.textWidth(marker_);
        const double height = canvas.textHeight(marker_);
        canvas.drawText({inner.width() / 2.0 - width / 2, inner.height() / 2.0 - height / 2}, marker_);
    }
    if (lineVisible_) {
        canvas.setPenStyle(lineStyle_);
        const Point ends[] = {{inner.width() - 1, 0}, {0, inner.height() - 1}};
        canvas.polyline(ends);
    }

    drawFocusFrame(painter, inner);
}

}  // namespace probel
