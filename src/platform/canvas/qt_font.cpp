// SPDX-License-Identifier: MIT
#include "platform/canvas/qt_font.h"

#include <QString>

namespace probel {

QFont qtFontOf(const CanvasFont& font)
{
    QFont result(QString::fromStdString(font.name));
    if (font.size > 0) {
        result.setPointSizeF(font.size);
    }
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setStrikeOut(font.strikethru);
    result.setUnderline(font.underline);
    return result;
}

}  // namespace probel
