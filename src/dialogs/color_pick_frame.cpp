// SPDX-License-Identifier: MIT
#include "dialogs/color_pick_frame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "platform/canvas/qpainter_canvas.h"
#include "platform/desktop/color_dialog.h"

namespace probel {

ColorPickFrame::ColorPickFrame(ColorDialog& colorDialog, QWidget* parent) : QFrame(parent), colorDialog_(colorDialog)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColorPickFrame::setColor(std::int32_t bgr)
{
    if (bgr == color_) {
        return;
    }
    color_ = bgr;
    update();
    emit colorChanged(bgr);
}

void ColorPickFrame::pickColor()
{
    if (const auto chosen = colorDialog_.chooseColor(color_)) {
        setColor(*chosen);
    }
}

void ColorPickFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect inner = contentsRect();
    QPainter painter(this);
    painter.setClipRect(inner);
    painter.translate(inner.topLeft());
    QPainterCanvas::Options options;
    options.size = inner.size();
    options.dotsPerInch = dotsPerInch_;
    QPainterCanvas canvas(painter, options);
    canvas.clear();
    canvas.setColor(color_);
    drawPreview(canvas, inner.size());

    drawFocusFrame(painter, inner);
}

void ColorPickFrame::drawFocusFrame(QPainter& painter, const QRect& inner)
{
    if (!hasFocus()) {
        return;
    }
    painter.resetTransform();
    painter.setClipping(false);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = inner.adjusted(1, 1, -1, -1);
    option.backgroundColor = Qt::white;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void ColorPickFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void ColorPickFrame::mouseReleaseEvent(QMouseEvent* event)
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

void ColorPickFrame::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        pickColor();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

}  // namespace probel
