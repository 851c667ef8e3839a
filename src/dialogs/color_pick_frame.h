// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>

#include <cstdint>
#include <optional>

namespace probel {

class ColorDialog;
class QPainterCanvas;

// A preview of a colour being edited (a line, a marker) that opens the colour choice like a
// button: a left click released over it, or Space or Enter while it has the focus (taken here,
// so Enter picks a colour instead of confirming the dialog). The colour dialog starts from the
// current colour; the chosen colour becomes the current one, a cancelled dialog leaves it. The
// preview draws on a white surface through the graphs' own canvas, so it looks as the graph
// will, and shows a focus frame while it has the focus.
class ColorPickFrame : public QFrame {
    Q_OBJECT

public:
    // 0x00BBGGRR.
    std::int32_t color() const { return color_; }
    void setColor(std::int32_t bgr);

    // Opens the colour dialog as a click does.
    void pickColor();

signals:
    void colorChanged(std::int32_t bgr);

protected:
    ColorPickFrame(ColorDialog& colorDialog, QWidget* parent);

    // Draws the preview on `canvas`, cleared white and set to the colour, `size` pixels.
    virtual void drawPreview(QPainterCanvas& canvas, QSize size) = 0;
    // The canvas's resolution for font sizes; without one, the widget's.
    void setCanvasDotsPerInch(double dotsPerInch) { dotsPerInch_ = dotsPerInch; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The focus frame inside `inner` while the preview has the focus.
    void drawFocusFrame(QPainter& painter, const QRect& inner);

    ColorDialog& colorDialog_;
    std::int32_t color_ = 0;
    std::optional<double> dotsPerInch_;
    bool pressed_ = false;
};

}  // namespace probel
