// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace probel {

// What a paste of clipboard text into the value store did.
struct PastedValues {
    enum class Status {
        Complete,     // every line was taken
        NotANumber,   // stopped at `stopLine`; the values before it were written to the store
        TooManyLines  // more lines than the store holds; nothing was stored
    };
    Status status = Status::Complete;
    // Values stored, from position 0.
    std::size_t taken = 0;
    // NotANumber: the line (counted from 1) that is not a number; 0 otherwise.
    std::size_t stopLine = 0;
    // NotANumber: the line is a number all the same, but beyond the double range.
    bool tooLarge = false;
    // NotANumber: the line's text, for the message to quote.
    std::string stopText;
};

// Stores the numbers of a text, one per line, in the store from position 0. Lines end as
// lineAt says (LF, CR LF or CR); the last line needs no line end, and blank lines at the very
// end are ignored. Each line must be a number as a whole (blanks around it allowed, full-width
// forms as an input method types them accepted, a magnitude beyond the double range refused);
// the paste stops at the first line that is not, an empty line included. A text with more
// lines than the store holds is refused before anything is stored. Linear in the length of
// the text.
PastedValues pasteValues(std::string_view text, std::span<double> store);

// Whether the text is a table rather than a column of values: its first line that is not
// blank has tabs or semicolons between cells, or is a header (text with letters, not a
// number). Commas alone do not make one: "12,5" is a decimal comma more often than two
// columns, and a column's paste says so.
bool isTableText(std::string_view text);

// The clipboard text of values: each one's general number text followed by CR LF.
std::string copyText(std::span<const double> values);

}  // namespace probel
