// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace probel {

enum class PageFormat { Png, Bmp, Svg, Pdf };

// The format a file name asks for by its extension (.png, .bmp, .svg, .pdf, any case);
// empty for any other name.
std::optional<PageFormat> pageFormatForPath(const std::string& path);

}  // namespace probel
