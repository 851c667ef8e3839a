// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "core/graph/canvas.h"

namespace probel {

// The QFont of a document's font for widgets and dialogs: the name keeps its spelling (a
// Windows name is drawn with its IPA stand-in through the substitutions installed at
// start-up), a size of zero or below is left to Qt's default.
QFont qtFontOf(const CanvasFont& font);

// The QFont a canvas draws `font` with on a device whose own resolution is `deviceDotsPerInch`
// while the canvas converts points with `canvasDotsPerInch`: the name as written, a size of
// zero or below (or not a number) drawn at the smallest size Qt takes.
QFont canvasQtFont(const CanvasFont& font, double canvasDotsPerInch, double deviceDotsPerInch);

}  // namespace probel
