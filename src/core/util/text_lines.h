// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace probel {

// Where lines end, one rule for everything read a line at a time (pasted values, lists of
// values, tables): at LF, at CR LF, or at a CR alone, the line end of old Mac files, which
// pasting has always taken.

inline bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Where the line after the line end at `at` starts: a CR LF is one line end. At the text's
// end, one past it.
std::size_t nextLineStart(std::string_view text, std::size_t at);

// A line without its line end, and where the next one starts (past the text's end after the
// last line, so a line end that ends the text starts no further line).
struct TextLine {
    std::string_view text;
    std::size_t next = 0;
};

// The line starting at `start`.
TextLine lineAt(std::string_view text, std::size_t start);

// Where the line holding the character at `at` starts.
std::size_t lineStartAt(std::string_view text, std::size_t at);

// How many lines the text has, the last one needing no line end: "1\n2" and "1\n2\n" have two.
// One branch-free pass, which the compiler vectorises, for texts of a million lines.
std::size_t lineCount(std::string_view text);

}  // namespace probel
