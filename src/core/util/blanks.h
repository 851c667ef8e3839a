// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace probel {

// U+3000 IDEOGRAPHIC SPACE in UTF-8: what the space bar types while a Japanese input method is
// on, so wherever blanks are trimmed it is one of them.
inline constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// `text` without the ASCII characters of `asciiBlanks` and ideographic spaces at its end.
std::string_view trimTrailingBlanks(std::string_view text, std::string_view asciiBlanks = " ");

// `text` without those blanks at either end.
std::string_view trimBlanks(std::string_view text, std::string_view asciiBlanks = " ");

}  // namespace probel
