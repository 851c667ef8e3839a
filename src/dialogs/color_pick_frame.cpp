// SPDX-License-Identifier: MIT
#include "dialogs/color_pick_frame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace probel {

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
