// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace probel {

// Any text as XML 1.0 character data or a quoted attribute value: markup characters escaped;
// control characters, which a line of drawn text shows as blanks, become spaces (a tab stays);
// what XML cannot hold at all (U+FFFE, U+FFFF) and bytes that are not UTF-8 become U+FFFD.
// Titles, file names and table headers reach a page through this, so whatever they hold the
// document stays well-formed.
std::string xmlText(std::string_view text);

}  // namespace probel
