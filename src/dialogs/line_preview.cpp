// SPDX-License-Identifier: MIT
#include "dialogs/line_preview.h"

#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

// Room for a few periods of the longest dash pattern, about as tall as a text box.
constexpr QSize kPreviewSize(64, 22);
constexpr QSize kSmallestPreviewSize(24, 12);

}  // namespace

LinePreview::LinePreview(ColorDialog& colorDialog, QWidget* parent) : ColorPickFrame(colorDialog, parent) {}

void LinePreview::setPenStyle(std::int32_t style)
{
    penStyle_ = style;
    update();
}

QSize LinePreview::sizeHint() const
{
    return kPreviewSize + QSize(frameWidth(), frameWidth()) * 2;
}

QSize LinePreview::minimumSizeHint() const
{
    return kSmallestPreviewSize + QSize(frameWidth(), frameWidth()) * 2;
}

void LinePreview::drawPreview(QPainterCanvas& canvas, QSize size)
{
    canvas.setPenStyle(penStyle_);
    const std::int32_t middle = size.height() / 2;
    const Point ends[] = {{0, middle}, {size.width(), middle}};
    canvas.polyline(ends);
}

}  // namespace probel
