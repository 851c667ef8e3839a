// SPDX-License-Identifier: MIT
#include "core/util/blanks.h"

namespace probel {

std::string_view trimTrailingBlanks(std::string_view text, std::string_view asciiBlanks)
{
    while (!text.empty()) {
        if (asciiBlanks.find(text.back()) != std::string_view::npos) {
            text.remove_suffix(1);
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            break;
        }
    }
    return text;
}

std::string_view trimBlanks(std::string_view text, std::string_view asciiBlanks)
{
    while (!text.empty()) {
        if (asciiBlanks.find(text.front()) != std::string_view::npos) {
            text.remove_prefix(1);
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
        } else {
            break;
        }
    }
    return trimTrailingBlanks(text, asciiBlanks);
}

}  // namespace probel
