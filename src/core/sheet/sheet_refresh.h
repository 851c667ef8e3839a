// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class Canvas;
class ChartSheet;

// Readies the sheet for the sheet window's picture: every graph bound to `canvas` keeping its
// frame (ChartSheet::bindGraphs) and its equal series limits spread
// (NormoBp::spreadEqualSeriesLimits). The picture itself is drawPage's work, which the window
// does when it next shows the paper, so that changes in a row draw once.
void refreshSheet(ChartSheet& sheet, Canvas& canvas);
// The page as the screen shows it (drawSheetPage, sheet_page.h).
void drawScreenPage(const ChartSheet& sheet, Canvas& canvas);

}  // namespace probel
