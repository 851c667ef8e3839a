// SPDX-License-Identifier: MIT
#include "dialogs/marker_preview.h"

#include <cmath>

#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

// Marker sizes are points on a 96 dpi screen, as the sheets draw them.
constexpr double kScreenDotsPerInch = 96;
// Larger glyphs than any font size a screen font takes: they would only cover the box, and
// laying them out costs more than the preview is worth, so such a marker is not drawn.
constexpr double kLargestMarkerPoints = 2160;

}  // namespace

MarkerPreview::MarkerPreview(ColorDialog& colorDialog, QWidget* parent) : ColorPickFrame(colorDialog, parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCanvasDotsPerInch(kScreenDotsPerInch);
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

QSize MarkerPreview::sizeHint() const
{
    return QSize(kSide, kSide) + QSize(frameWidth(), frameWidth()) * 2;
}

QSize MarkerPreview::minimumSizeHint() const
{
    return sizeHint();
}

void MarkerPreview::drawPreview(QPainterCanvas& canvas, QSize size)
{
    if (std::isfinite(markerSize_) && markerSize_ <= kLargestMarkerPoints) {
        CanvasFont font;
        font.size = markerSize_;
        canvas.setFont(font);
        const double width = canvas.textWidth(marker_);
        const double height = canvas.textHeight(marker_);
        canvas.drawText({size.width() / 2.0 - width / 2, size.height() / 2.0 - height / 2}, marker_);
    }
    if (lineVisible_) {
        canvas.setPenStyle(lineStyle_);
        const Point ends[] = {{size.width() - 1, 0}, {0, size.height() - 1}};
        canvas.polyline(ends);
    }
}

}  // namespace probel
