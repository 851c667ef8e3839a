// SPDX-License-Identifier: MIT
#include "core/sheet/chart_label.h"

#include <algorithm>

namespace probel {

bool ChartLabel::framed() const
{
    std::string_view trimmed = tag;
    while (!trimmed.empty() && trimmed.front() == ' ') {
        trimmed.remove_prefix(1);
    }
    while (!trimmed.empty() && trimmed.back() == ' ') {
        trimmed.remove_suffix(1);
    }
    return trimmed == kFramedTag;
}

std::vector<std::string_view> captionLines(std::string_view caption)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t at = 0;
    while (at < caption.size()) {
        const char c = caption[at];
        if (c != '\r' && c != '\n') {
            ++at;
            continue;
        }
        lines.push_back(caption.substr(start, at - start));
        ++at;
        if (c == '\r' && at < caption.size() && caption[at] == '\n') {
            ++at;
        }
        start = at;
    }
    lines.push_back(caption.substr(start));
    return lines;
}

std::string joinedCaptionLines(std::string_view caption, std::string_view separator)
{
    std::string joined;
    joined.reserve(caption.size());
    bool first = true;
    for (const std::string_view line : captionLines(caption)) {
        if (!first) {
            joined += separator;
        }
        joined += line;
        first = false;
    }
    return joined;
}

LabelExtent labelExtent(const ChartLabel& label, Canvas& canvas)
{
    canvas.setFont(label.font);
    LabelExtent extent;
    for (const std::string_view line : captionLines(label.caption)) {
        extent.width = std::max(extent.width, canvas.textWidth(line));
        extent.height += canvas.textHeight(line);
    }
    return extent;
}

}  // namespace probel
