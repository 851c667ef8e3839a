// SPDX-License-Identifier: MIT
#include "platform/canvas/qt_font.h"

#include <QString>

#include <cmath>

namespace probel {
namespace {

// Qt refuses sizes of zero or below; such a font is drawn at the smallest size instead.
constexpr double kSmallestFontPoints = 1;

}  // namespace

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
    const double points = std::isfinite(font.size) && font.size > 0 ? font.size : kSmallestFontPoints;
    // Qt converts points with the device's resolution; the canvas converts with its own.
    qtFont.setPointSizeF(points * canvasDotsPerInch / deviceDotsPerInch);
    qtFont.setBold(font.bold);
    qtFont.setItalic(font.italic);
    qtFont.setStrikeOut(font.strikethru);
    qtFont.setUnderline(font.underline);
    return qtFont;
}

}  // namespace probel
