// SPDX-License-Identifier: MIT
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>

#include <cstdint>
#include <optional>
#include <string>

#include "core/sheet/chart_sheet.h"
#include "core/util/result.h"

namespace probel {

// Windows printer codes a paper code maps to; kept so the tables read as the printer sees them.
inline constexpr int kPrinterPaperA3 = 8;
inline constexpr int kPrinterPaperA4 = 9;
inline constexpr int kPrinterPaperA5 = 11;
inline constexpr int kPrinterPaperB4 = 12;
inline constexpr int kPrinterPaperB5 = 13;
inline constexpr int kPrinterPaperUser = 256;
inline constexpr int kPrinterPortrait = 1;
inline constexpr int kPrinterLandscape = 2;

// The printer paper and orientation for one sheet paper code: the Qt page size and
// orientation and the Windows codes they stand for. The B sizes are the Japanese ones
// (JIS B4 257 × 364 mm holds the 250 × 354 mm sheet at full scale; JIS B5 is 182 × 257 mm).
// The user-defined entry (code 0) has an invalid pageSize: the printer keeps its paper.
struct PrinterPaper {
    QPageSize pageSize;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int windowsPaperCode = kPrinterPaperUser;
    int windowsOrientation = kPrinterPortrait;
};

// The two paper tables (paper and orientation by code): the ten codes of the paper dialog
// and 0 (user-defined size, portrait). Empty for any other code.
std::optional<PrinterPaper> printerPaperFor(std::int32_t paperCode);

// A length in screen pixels (15 twips each) in pixels of a device with `dotsPerInch`,
// rounded to the nearest integer with halves to even (400 px at 600 dpi is 2500, 1 px at
// 1200 dpi is 12.5 and becomes 12). Empty when the result does not fit in 32 bits.
std::optional<std::int32_t> screenToDevicePixels(std::int32_t screenPixels, double dotsPerInch);

// Prints the sheet on one page of `device` (a QPrinter or a QPdfWriter), at full scale:
// the page gets the paper of the sheet's code (a code outside the tables that still names a
// size in millimetres gets a custom page of that size; code 0 keeps the device's paper),
// with no margins, so device coordinates start at the paper's corner. First the visible
// detail labels, then the visible text labels, as text at their places (canvas pixels × 15
// twips) in their font's name, size, italic, strikethrough and underline but normal weight
// and the printer's colour (black), line by line from the label's left edge, no background.
// Then every graph in collection order, drawn afresh at the device's resolution: its frame
// is converted from screen pixels to device pixels (halves to even) and it is bound to a
// printer-page canvas and refreshed.
//
// Every graph's frame and binding are put back exactly as they were before the call
// returns, also when printing fails or throws; the screen picture is not drawn on. The
// caller then runs the sheet's full redraw (ChartSheet::objRefresh on the screen canvas) as
// after any command. Fails with "印刷できません: " and the reason when the printer is not
// valid, the painter cannot begin on the device, or the job fails.
Status printSheet(ChartSheet& sheet, QPagedPaintDevice& device);

// printSheet on the system's default printer at its full resolution. Fails with
// "プリンターが見つかりません。" and changes nothing when there is no printer.
Status printSheetToDefaultPrinter(ChartSheet& sheet);

// "PDF保存": the same drawing as printing, into a one-page PDF of the sheet's paper at
// `path`. The file is written to a temporary file and replaced atomically, so on failure the
// old file stays as it was; the error names the path and the reason.
Status exportSheetPdf(ChartSheet& sheet, const std::string& path);

}  // namespace probel
