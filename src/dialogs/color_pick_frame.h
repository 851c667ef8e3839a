// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>

class QPainter;

namespace probel {

// A preview surface that opens a colour choice like a button: a left click released over it,
// or Space or Enter while it has the focus (taken here, so Enter picks a colour instead of
// confirming the dialog). Previews draw the focus frame with drawFocusFrame.
class ColorPickFrame : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;

    // Opens the colour dialog as a click does.
    virtual void pickColor() = 0;

protected:
    // The focus frame inside `inner` while the preview has the focus.
    void drawFocusFrame(QPainter& painter, const QRect& inner);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace probel
