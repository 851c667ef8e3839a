// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class Canvas;
class ChartSheet;

// The full redraw of the sheet window's picture: every graph bound to `canvas` keeping its
// frame (ChartSheet::bindGraphs) and its equal series limits spread
// (NormoBp::spreadEqualSeriesLimits), the page drawn as the screen shows it (drawSheetPage,
// sheet_page.h), then a repaint request.
void refreshSheet(ChartSheet& sheet, Canvas& canvas);

}  // namespace probel
