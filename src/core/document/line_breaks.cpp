// SPDX-License-Identifier: MIT
#include "core/document/line_breaks.h"

namespace probel {

std::int64_t lineBreakCount(std::string_view text)
{
    std::int64_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
            ++count;
        }
    }
    return count;
}

}  // namespace probel
