// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace probel {

// How wide a window must be for the desktop to show its whole title: the caption in the
// window's font and room for the title bar's icon and buttons, each about a title bar high.
int widthForWholeTitle(const QWidget& window);

}  // namespace probel
