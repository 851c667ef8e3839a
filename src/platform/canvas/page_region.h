// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/sheet/chart_sheet.h"
#include "core/util/result.h"

namespace probel {

// A part of a sheet's page in page pixels (96 per inch), cut to the paper.
struct PageRegion {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// A picture of a sheet's page, or of a part of it, for the clipboard: the bytes of a PNG file
// and of an SVG file, both drawn as the page's picture is drawn for every export (the graphs,
// then the label texts), at the page's resolution. The SVG is written when asked for (few
// programs take it, and a large graph's takes longer than the PNG), from a copy of the sheet
// as it was when the picture was made.
struct PagePicture {
    std::string png;
    std::function<std::string()> svg;
};

Result<PagePicture> pagePicture(const ChartSheet& sheet);
Result<PagePicture> pagePicture(const ChartSheet& sheet, PageRegion region);

// The part of the page a graph's picture shows: its frame with room for the labels of its
// scales, the unit and what is drawn above the frame, cut to the paper.
PageRegion graphRegion(const ChartSheet& sheet, std::int32_t number);

}  // namespace probel
