// SPDX-License-Identifier: MIT
#include "platform/canvas/page_format.h"

#include <algorithm>
#include <cctype>

namespace probel {
namespace {

std::string_view extensionOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    return std::string_view(path).substr(dot + 1);
}

}  // namespace

std::optional<PageFormat> pageFormatForPath(const std::string& path)
{
    return pageFormatNamed(extensionOf(path));
}

std::optional<PageFormat> pageFormatNamed(std::string_view name)
{
    std::string extension(name);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "png") {
        return PageFormat::Png;
    }
    if (extension == "bmp") {
        return PageFormat::Bmp;
    }
    if (extension == "svg") {
        return PageFormat::Svg;
    }
    if (extension == "pdf") {
        return PageFormat::Pdf;
    }
    return std::nullopt;
}

std::string_view pageFormatExtension(PageFormat format)
{
    switch (format) {
    case PageFormat::Png:
        return ".png";
    case PageFormat::Bmp:
        return ".bmp";
    case PageFormat::Svg:
        return ".svg";
    case PageFormat::Pdf:
        break;
    }
    return ".pdf";
}

}  // namespace probel
