// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace probel {

// Splits a command-line text into document names. A text holding a double quote anywhere is
// one quoted name: the result is that text without its first and its last character (a text
// of fewer than two characters gives one empty name). Any other text is cut at every blank:
// two blanks in a row, or a blank at either end, give an empty piece; a text without blanks
// (the empty text too) is one name. The text is UTF-8; characters, not bytes, are removed.
std::vector<std::string> splitCommandLine(std::string_view text);

}  // namespace probel
