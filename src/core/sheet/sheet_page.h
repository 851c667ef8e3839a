// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "core/graph/canvas.h"
#include "core/sheet/chart_sheet.h"
#include "core/sheet/paper_size.h"

namespace probel {

// What a drawing of a sheet's page is for; it decides what is drawn and in which order.
enum class PageKind {
    // The sheet window's picture: cleared, the graphs, then a frame one pixel outside every
    // visible framed label (free and detail). The label texts are objects lying on the paper.
    Screen,
    // A picture of the whole sheet (bitmap, PNG, SVG and PDF exports): cleared, the graphs,
    // then the text of every visible detail label and text label, in its colour.
    Picture,
    // The printed page (printer): the label texts in the printer's black first, then
    // the graphs in the order of their numbers. The page starts blank and is not cleared.
    Printed,
};

struct PageStyle {
    PageKind kind = PageKind::Picture;
    // The device's pixels per inch. Sheets are laid out in canvas pixels of 15 twips; on a
    // device of another resolution graph frames and label places are scaled to it.
    double dotsPerInchX = kScreenDotsPerInch;
    double dotsPerInchY = kScreenDotsPerInch;
};

// Draws the sheet's page on `canvas`: every graph through the graph renderer in its frame
// (scaled to the device) and the labels as the kind asks. The sheet is only read; a graph
// whose scaled frame does not fit in 32 bits is left out.
void drawSheetPage(const ChartSheet& sheet, Canvas& canvas, const PageStyle& style);

// The label texts alone, as drawSheetPage draws them for Picture and Printed pages: every
// visible detail label, then every visible text label, in its font but normal weight, line
// by line from its left edge downward, without background.
void drawLabelTexts(const ChartSheet& sheet, Canvas& canvas, const PageStyle& style);

// A length in canvas pixels (15 twips each) in pixels of a device with `dotsPerInch`,
// rounded to the nearest integer with halves to even (400 px at 600 dpi is 2500, 1 px at
// 1200 dpi is 12.5 and becomes 12). Empty when the result does not fit in 32 bits.
std::optional<std::int32_t> screenToDevicePixels(std::int32_t screenPixels, double dotsPerInch);

}  // namespace probel
