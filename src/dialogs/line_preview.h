// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/color_pick_frame.h"

#include <cstdint>

namespace probel {

// A line preview with colour picking (FLinePic, BLinePic): one horizontal line through the
// middle in the pen style and colour being edited.
class LinePreview : public ColorPickFrame {
    Q_OBJECT

public:
    explicit LinePreview(ColorDialog& colorDialog, QWidget* parent = nullptr);

    std::int32_t penStyle() const { return penStyle_; }
    void setPenStyle(std::int32_t style);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void drawPreview(QPainterCanvas& canvas, QSize size) override;

private:
    std::int32_t penStyle_ = 0;
};

}  // namespace probel
