// SPDX-License-Identifier: MIT
#include "core/sheet/sheet_refresh.h"

#include "core/graph/canvas.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "core/sheet/sheet_page.h"

namespace probel {

void refreshSheet(ChartSheet& sheet, Canvas& canvas)
{
    sheet.bindGraphs(&canvas);
    for (NormoBp& one : sheet.myNormo()) {
        one.spreadEqualSeriesLimits();
    }
}

void drawScreenPage(const ChartSheet& sheet, Canvas& canvas)
{
    drawSheetPage(sheet, canvas, PageStyle{PageKind::Screen});
}

}  // namespace probel
