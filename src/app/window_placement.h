// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace probel {

class SettingsStore;

// The main window's placement in the settings section "MDIOutput": "Left" and "Top" are the
// window's outer top-left corner in twips, "WindowState" 0 (normal) or 2 (maximised), all as
// decimal text.

// Moves `window` to the stored corner and marks it maximised when so stored; call before the
// window is shown. A value that is not a whole number, or a corner that lies on no screen, is
// ignored and the window keeps its place.
void restoreWindowPlacement(QWidget& window, const SettingsStore& settings);

// Normal state: Left, Top and WindowState 0. Maximised: WindowState 2 alone, so the last
// normal corner stays stored. Minimised: nothing.
void saveWindowPlacement(const QWidget& window, SettingsStore& settings);

}  // namespace probel
