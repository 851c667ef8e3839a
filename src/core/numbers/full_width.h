// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace probel {

// A Japanese input method types numbers in full-width forms ("１２．５", "－３", "１Ｅ＋２").
// Returns the UTF-8 text with the full-width digits, "＋", "－", "．", "，", "Ｅ", "ｅ" and the
// ideographic space "　" replaced by their ASCII forms, so that leadingNumber and wholeNumber
// read what the user sees as a number. Every other character, and bytes that are not valid
// UTF-8, are copied unchanged.
std::string halfWidthNumberText(std::string_view text);

}  // namespace probel
