// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace probel {

// Why wholeNumber refused `text`, as messages say it: "数値が大きすぎます (絶対値
// 1.79769313486232E+308 まで)" for a number beyond the double range, "数値ではありません"
// otherwise.
std::string numberRefusal(std::string_view text);

// The same followed by the start of the text in quotes (textExcerpt), for a message about a
// cell or a line of a file.
std::string quotedNumberRefusal(std::string_view text);

}  // namespace probel
