// SPDX-License-Identifier: MIT
#include "platform/text/page_format.h"

#include <algorithm>
#include <cctype>

namespace probel {
namespace {

std::string lowerCaseExtension(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

std::optional<PageFormat> pageFormatForPath(const std::string& path)
{
    const std::string extension = lowerCaseExtension(path);
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

}  // namespace probel
