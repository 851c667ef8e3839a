// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/color_pick_frame.h"

#include <cstdint>

namespace probel {

class ColorDialog;

// A line preview with colour picking (FLinePic, BLinePic): a small white surface with one
// horizontal line through its middle in the pen style and pen colour being edited. A click,
// or Space or Enter while it has the focus, opens the colour dialog on the current colour;
// the chosen colour becomes the pen colour, a cancelled dialog leaves it.
class LinePreview : public ColorPickFrame {
    Q_OBJECT

public:
    explicit LinePreview(ColorDialog& colorDialog, QWidget* parent = nullptr);

    // 0x00BBGGRR.
    std::int32_t penColor() const { return penColor_; }
    void setPenColor(std::int32_t bgr);
    std::int32_t penStyle() const { return penStyle_; }
    void setPenStyle(std::int32_t style);

    // Opens the colour dialog as a click does.
    void pickColor() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void penColorChanged(std::int32_t bgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorDialog& colorDialog_;
    std::int32_t penColor_ = 0;
    std::int32_t penStyle_ = 0;
};

}  // namespace probel
