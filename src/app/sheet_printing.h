// SPDX-License-Identifier: MIT
#pragma once

#include <QPagedPaintDevice>
#include <QPrinter>

#include <string>

#include "core/sheet/chart_sheet.h"
#include "core/sheet/sheet_page.h"
#include "core/util/result.h"

namespace probel {

// Prints the sheet on one page of `device` (a QPrinter or a QPdfWriter), at full scale, as
// drawSheetPage draws a Printed page at the device's resolution: the page gets the printer
// paper of the sheet's paper (sheetPageLayout, PageFit::PrinterPaper; a code that names no
// paper keeps the device's paper) with no margins, so device coordinates start at the
// paper's corner. The sheet and its graphs are only read: the screen keeps its picture.
// Fails with "印刷できません: " and the reason when the printer is not valid, the painter
// cannot begin on the device, or the job fails.
Status printSheet(const ChartSheet& sheet, QPagedPaintDevice& device);

// Readies `printer` for the sheet before the print dialog or the preview shows it: the job is
// named after the sheet's file, and the sheet's paper is the one the dialog offers. printSheet
// prints on the sheet's paper whatever paper is chosen there: the sheet is laid out at full
// scale for it.
void presetPrinter(const ChartSheet& sheet, QPrinter& printer);

}  // namespace probel
