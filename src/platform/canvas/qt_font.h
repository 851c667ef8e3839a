// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "core/graph/canvas.h"

namespace probel {

// The QFont of a document's font for widgets and dialogs: the name keeps its spelling (a
// Windows name is drawn with its IPA stand-in through the substitutions installed at
// start-up), a size of zero or below is left to Qt's default.
QFont qtFontOf(const CanvasFont& font);

}  // namespace probel
