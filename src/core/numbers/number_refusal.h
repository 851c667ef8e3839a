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

// Whether the text has a letter: an ASCII letter or any character beyond ASCII (kana, kanji).
bool hasLetters(std::string_view text);

// Why a text that should be one number is not, in words a user can act on: the text quoted
// (cut to a message's length) and the likeliest cause: a decimal comma or thousands separator,
// several columns (tabs, semicolons, commas between numbers), a header (letters in the first
// line of a paste), an empty entry, or a number beyond the double range.
//   「9,987」にカンマがあります。小数点はピリオド (.) にし、桁区切りは付けないでください。
std::string notANumberReason(std::string_view text, bool firstLine);

}  // namespace probel
