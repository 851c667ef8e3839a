// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_color_dialog.h"

#include "platform/canvas/bgr_color.h"

#include <QColorDialog>

namespace probel {

QtColorDialog::QtColorDialog(QWidget* parent) : parent_(parent) {}

void QtColorDialog::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

std::optional<std::int32_t> QtColorDialog::chooseColor(std::int32_t initialBgr)
{
    QColorDialog dialog(colorFromBgr(initialBgr), parent_.data());
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return bgrFromColor(dialog.selectedColor());
}

}  // namespace probel
