// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace probel {

enum class PageFormat { Png, Bmp, Svg, Pdf };

// The format a file name asks for by its extension (.png, .bmp, .svg, .pdf, any case);
// empty for any other name.
std::optional<PageFormat> pageFormatForPath(const std::string& path);

// The format a name such as "png" or "PDF" stands for; empty for any other name.
std::optional<PageFormat> pageFormatNamed(std::string_view name);

// The file extension of a format, with its dot: ".png".
std::string_view pageFormatExtension(PageFormat format);

}  // namespace probel
