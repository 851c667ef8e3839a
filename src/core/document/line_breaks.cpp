// SPDX-License-Identifier: MIT
#include "core/document/line_breaks.h"

namespace probel {

std::string withCrLfBreaks(std::string_view text)
{
    std::string fixed;
    fixed.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c != '\r' && c != '\n') {
            fixed.push_back(c);
            continue;
        }
        fixed += "\r\n";
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            ++at;
        }
    }
    return fixed;
}

}  // namespace probel
