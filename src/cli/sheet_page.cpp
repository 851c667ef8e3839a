// SPDX-License-Identifier: MIT
#include "cli/sheet_page.h"

namespace probel::cli {

void drawSheetPage(ChartSheet& sheet, Canvas& page)
{
    sheet.redrawGraphs(page);
    sheet.drawLabelTexts(page);
    sheet.bindGraphs(nullptr);
}

}  // namespace probel::cli
