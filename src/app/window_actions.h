// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

#include <vector>

class QMdiArea;

namespace probel {

// The arrangements of the Window menu, by element number of WindowTile.
enum class WindowArrangement { Cascade = 0, OneAboveTheOther = 1, SideBySide = 2 };

// `count` bands that fill `area` exactly, one above the other or side by side; the remainder
// of an uneven division goes to the first bands, one pixel each.
std::vector<QRect> tileBands(QRect area, int count, WindowArrangement arrangement);

// `count` places of equal size within `area`, each `step` pixels lower and further right than
// the one before; a run that would reach past the middle of the area starts at the corner again.
std::vector<QRect> cascadeRects(QRect area, int count, int step);

// Arranges the sheet windows of `area`: cascaded, or in bands. Minimised windows stay where
// they are; a maximised one is brought back to normal first; the front window stays in front.
void arrangeSheets(QMdiArea& area, WindowArrangement arrangement);

}  // namespace probel
