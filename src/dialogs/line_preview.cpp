// SPDX-License-Identifier: MIT
#include "dialogs/line_preview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "platform/canvas/qpainter_canvas.h"
#include "platform/color_dialog.h"

namespace probel {
namespace {

// Room for a few periods of the longest dash pattern, about as tall as a text box.
constexpr QSize kPreviewSize(64, 22);
constexpr QSize kSmallestPreviewSize(24, 12);

}  // namespace

LinePreview::LinePreview(ColorDialog& colorDialog, QWidget* parent) : QFrame(parent), colorDialog_(colorDialog)
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

    if (hasFocus()) {
        painter.resetTransform();
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = inner.adjusted(1, 1, -1, -1);
        option.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void LinePreview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void LinePreview::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts where it is released over the preview.
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        event->accept();
        if (rect().contains(event->position().toPoint())) {
            pickColor();
        }
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void LinePreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Taken here so that Enter picks a colour instead of confirming the dialog.
        event->accept();
        pickColor();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

}  // namespace probel
