// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/color_pick_frame.h"

#include <cstdint>
#include <string>

namespace probel {

class ColorDialog;

// The marker preview MarkarPic: a white square showing the marker text centred in its colour
// at its size, and, while the regression line is shown, the diagonal from the upper right to
// the lower left corner in the line style. Drawn on the graphs' own canvas at the screen's
// 96 dpi, so it looks as the series will. A click, or Space or Enter while it has the focus,
// opens the colour dialog on the current colour; a cancelled dialog keeps it.
class MarkerPreview : public ColorPickFrame {
    Q_OBJECT

public:
    // The square of the data dialog's picture box, 1100 twips at 15 twips per pixel.
    static constexpr int kSide = 73;

    explicit MarkerPreview(ColorDialog& colorDialog, QWidget* parent = nullptr);

    // 0x00BBGGRR.
    std::int32_t color() const { return color_; }
    void setColor(std::int32_t bgr);
    void setMarker(const std::string& text);
    // In points; one of 0 or below is drawn at the canvas's smallest size.
    void setMarkerSize(double points);
    void setLineVisible(bool visible);
    void setLineStyle(std::int32_t style);

    // Opens the colour dialog as a click does.
    void pickColor() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void colorChanged(std::int32_t bgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorDialog& colorDialog_;
    std::int32_t color_ = 0;
    std::string marker_;
    double markerSize_ = 10;
    bool lineVisible_ = false;
    std::int32_t lineStyle_ = 0;
};

}  // namespace probel
