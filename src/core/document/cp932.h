// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <string>
#include <string_view>
#include <vector>

namespace probel {

// Converts UTF-8 text to the bytes of the Japanese Windows code page 932, the character set
// of document files. Look-alikes that Linux input methods type instead of the code page's own
// characters are saved as those characters: 〜 (U+301C) as ～ (U+FF5E), − (U+2212) as －,
// ¢ £ ¬ as ￠ ￡ ￢, ‖ (U+2016) as ∥ (U+2225), — (U+2014) as ― (U+2015), and ¥ (U+00A5) as ￥
// (U+FFE5) rather than as a backslash. Every other character must come back unchanged from
// decodeCp932; a character that cannot (emoji, é, ...) and invalid UTF-8 are refused with a
// message naming the character. The error carries no file or line; the caller adds them.
Result<std::string> encodeCp932(std::string_view utf8);

// The characters of UTF-8 text that encodeCp932 refuses, each once, in the order of their first
// appearance: what a box that will be saved tells the user while they type, all at once.
// Invalid UTF-8 counts as "\uFFFD".
std::vector<std::string> charactersNotInCp932(std::string_view utf8);

// Converts code page 932 bytes to UTF-8. Bytes that are not code page 932 (0x80, 0xA0,
// 0xFD-0xFF, a lead byte without a valid trail byte, a lead byte at the end) are refused with
// a message naming them; the caller adds the file and line.
Result<std::string> decodeCp932(std::string_view bytes);

}  // namespace probel
