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

QFont canvasQtFont(const CanvasFont& font, double canvasDotsPerInch, double deviceDotsPerInch)
{
    QFont qtFont;
    qtFont.setFamily(QString::fromStdString(font.name));
    const double points = drawnPoints(font.size);
    // Qt converts points with the device's resolution; the canvas converts with its own.
    qtFont.setPointSizeF(points * canvasDotsPerInch / deviceDotsPerInch);
    qtFont.setBold(font.bold);
    qtFont.setItalic(font.italic);
    qtFont.setStrikeOut(font.strikethru);
    qtFont.setUnderline(font.underline);
    return qtFont;
}

}  // namespace probel
