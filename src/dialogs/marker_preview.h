// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/color_pick_frame.h"

#include <cstdint>
#include <string>

namespace probel {

// The marker preview MarkarPic: a square showing the marker text centred in its colour at its
// size, and, while the regression line is shown, the diagonal from the upper right to the
// lower left corner in the line style. Drawn at the screen's 96 dpi, as the sheets draw.
class MarkerPreview : public ColorPickFrame {
    Q_OBJECT

public:
    // The square of the data dialog's picture box, 1100 twips at 15 twips per pixel.
    static constexpr int kSide = 73;

    explicit MarkerPreview(ColorDialog& colorDialog, QWidget* parent = nullptr);

    void setMarker(const std::string& text);
    // In points; one of 0 or below is drawn at the canvas's smallest size.
    void setMarkerSize(double points);
    void setLineVisible(bool visible);
    void setLineStyle(std::int32_t style);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void drawPreview(QPainterCanvas& canvas, QSize size) override;

private:
    std::string marker_;
    double markerSize_ = 10;
    bool lineVisible_ = false;
    std::int32_t lineStyle_ = 0;
};

}  // namespace probel
