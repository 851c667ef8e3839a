// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QImage>

#include "core/graph/canvas.h"
#include "core/sheet/chart_sheet.h"
#include "core/sheet/paper_size.h"
#include "core/util/result.h"
#include "platform/canvas/page_format.h"
#include "platform/canvas/svg_page.h"

namespace probel {

// Draws one page through `draw` and saves it to `path` in the format its extension names.
// The canvas is the paper's pixel size (15 twips per pixel, 96 per inch) and starts white.
// Images are that many pixels (BMP uncompressed 24-bit); SVG has that size and view box and
// is written while it is drawn (see SvgCanvas); PDF
// is one page of the paper's size in millimetres, drawn at 96 units per inch so the geometry
// is the same. The file is replaced atomically: on failure the old file stays as it was and
// the error names the path and the reason.
Status exportPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw);
// The same in `format`, whatever the path's extension.
Status exportPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw, PageFormat format);

// The whole sheet as a picture of its paper (drawSheetPage as a Picture page: the graphs, then
// the label texts in their colours), in `format` or else the format the path's extension
// names. A sheet whose paper code names no paper is refused, naming the path.
Status exportSheetPage(const ChartSheet& sheet, const std::string& path,
                       std::optional<PageFormat> format = std::nullopt);

// exportPage for PNG and BMP in two steps that need not run on one thread: the page drawn
// (Qt's painting, on the thread that runs Qt), then encoded and written (plain computing, on
// any thread). `path` only names the file in messages of the first step.
Result<QImage> drawRasterPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw);
Status writeRasterPage(const std::string& path, const QImage& image, PageFormat format);

}  // namespace probel
