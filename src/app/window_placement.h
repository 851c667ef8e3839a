// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace probel {

class SettingsStore;

// The main window's placement in the settings section "MDIOutput": "Left" and "Top" are the
// top-left corner of the window's inside (below the title bar the desktop draws) in twips,
// "WindowState" 0 (normal) or 2 (maximised), all as decimal text. Saving and restoring the same
// corner keeps the window in place over any number of starts, whatever frame the desktop adds.

// Where a window of `size` whose stored corner is `corner` goes within the screen area `area`:
// a corner inside the area stays; one outside is brought in, with room above it for a title
// bar of `titleBarHeight` and as much of the window in view as fits.
QPoint cornerOnScreen(QPoint corner, QSize size, QRect area, int titleBarHeight);

// Moves `window` to the stored corner (brought onto the nearest screen when it lies off every
// screen) and marks it maximised when so stored; call before the window is shown. A missing
// value or one that is not a whole number leaves the place to the desktop.
void restoreWindowPlacement(QWidget& window, const SettingsStore& settings);

// Normal state: Left, Top and WindowState 0. Maximised: WindowState 2 alone, so the last
// normal corner stays stored. Minimised: nothing.
void saveWindowPlacement(const QWidget& window, SettingsStore& settings);

}  // namespace probel
