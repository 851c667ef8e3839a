// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "core/graph/canvas.h"
#include "core/sheet/chart_sheet.h"
#include "core/sheet/paper_size.h"
#include "core/util/result.h"
#include "platform/canvas/text_metrics.h"

namespace probel {

using PageDrawing = std::function<void(Canvas&)>;

// Exported pages keep the screen's geometry: 15 twips per pixel is 96 pixels per inch.
inline constexpr double kPageDotsPerInch = kScreenDotsPerInch;
// The program named as the maker of exported pages.
inline constexpr const char* kPageCreator = "Probel";

// The title a page saved to `path` carries: the file's name up to its last dot ("a/b.c.svg"
// gives "b.c").
std::string pageTitle(const std::string& path);

// The whole sheet as a picture of its paper: the graphs, then the label texts in their colours.
PageDrawing sheetPicture(const ChartSheet& sheet);

// Draws one page of `paper` through `draw` into an SVG file (see SvgCanvas), written while it
// is drawn and put in place atomically, its title the file's name without the extension.
// Text is measured by `metrics`.
Status writeSvgPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw, TextMetrics& metrics);

}  // namespace probel
