// SPDX-License-Identifier: MIT
#include "dialogs/line_preview.h"

#include <QPainter>

#include "platform/canvas/qpainter_canvas.h"
#include "platform/color_dialog.h"

namespace probel {
namespace {

// Room for a few periods of the longest dash pattern, about as tall as a text box.
constexpr QSize kPreviewSize(64, 22);
constexpr QSize kSmallestPreviewSize(24, 12);

}  // namespace

LinePreview::LinePreview(ColorDialog& colorDialog, QWidget* parent) : ColorPickFrame(parent), colorDialog_(colorDialog)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(false);
}

void LinePreview::setPenColor(std::int32_t bgr)
{
    if (bgr == penColor_) {
        return;
    }
    penColor_ = bgr;
    update();
    emit penColorChanged(bgr);
}

void LinePreview::setPenStyle(std::int32_t style)
{
    penStyle_ = style;
    update();
}

void LinePreview::pickColor()
{
    if (const auto chosen = colorDialog_.chooseColor(penColor_)) {
        setPenColor(*chosen);
    }
}

QSize LinePreview::sizeHint() const
{
    return kPreviewSize + QSize(frameWidth(), frameWidth()) * 2;
}

QSize LinePreview::minimumSizeHint() const
{
    return kSmallestPreviewSize + QSize(frameWidth(), frameWidth()) * 2;
}

void LinePreview::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect inner = contentsRect();
    QPainter painter(this);
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    // The graph's own canvas: the preview shows exactly the pattern the graph will draw.
    QPainterCanvas::Options options;
    options.size = inner.size();
    QPainterCanvas canvas(painter, options);
    canvas.clear();
    canvas.setPenStyle(penStyle_);
    canvas.setColor(penColor_);
    const std::int32_t middle = inner.height() / 2;
    const Point ends[] = {{0, middle}, {inner.width(), middle}};
    canvas.polyline(ends);

    drawFocusFrame(painter, inner);
}

}  // namespace probel
