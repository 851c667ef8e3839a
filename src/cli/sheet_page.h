// SPDX-License-Identifier: MIT
#pragma once

#include "core/graph/canvas.h"
#include "core/sheet/chart_sheet.h"

namespace probel::cli {

// Draws a whole sheet on a page as a bitmap export of it shows: the page cleared, every graph
// on its own frame, then the text of every detail and text label (normal weight, the label's
// colour, no background, no label frames). The graphs are unbound again afterwards, so the
// page may go away. Drawing may raise a series' limit Max that equals its Min (the graph does
// that when it draws the fitted line).
void drawSheetPage(ChartSheet& sheet, Canvas& page);

}  // namespace probel::cli
