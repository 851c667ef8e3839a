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

// Arranges the sheet windows of `area`: cascaded, or in bands. Minimised windows stay where
// they are; a maximised one is brought back to normal first; the front window comes first.
void arrangeSheets(QMdiArea& area, WindowArrangement arrangement);

}  // namespace probel
