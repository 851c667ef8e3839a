// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace probel {

// One record of a document's extension block as its bytes hold it: the object's words, then
// `name=value` (docs/pbl-format.md, Extension block).
struct ExtensionRecord {
    // The object's kind and numbers: "series", "1", "2".
    std::vector<std::string_view> object;
    std::string_view name;
    // A quoted value without its quotes (line breaks inside kept as the bytes have them); a
    // bare one from the "=" to the end of its line, trailing blanks dropped.
    std::string_view value;
    bool quoted = false;
    // The record from its first word to the end of its value, closing quote included.
    std::string_view source;
    // Where the record starts, 1-based as the whole document counts lines.
    std::int64_t line = 0;
};

// Why a line of the block is no record, and the line to report.
struct ExtensionFault {
    std::int64_t line = 0;
    std::string reason;
};

// The words of a line, blanks (spaces, tabs) between them.
std::vector<std::string_view> blankSeparatedWords(std::string_view text);

// Splits the bytes after a document's last text label into lines and records. Blank lines
// are skipped; a line break is CR LF, LF or CR and counts one line, inside a quoted value
// too, as the field cursor counts them. Works on bytes: in code page 932 neither a line
// break, a blank, "=" nor the quote occur inside a two-byte character.
class ExtensionScanner {
public:
    ExtensionScanner(std::string_view bytes, std::int64_t firstLine) : bytes_(bytes), line_(firstLine) {}

    // The next line that is not blank, without its line end and the blanks around it, and its
    // number; false at the end of the bytes.
    bool nextLine(std::string_view& text, std::int64_t& line);

    enum class Outcome { Record, End, Malformed };
    // The next record, or End after the last one. Malformed when the next line breaks the
    // record's form (no "=", a name that is no name, an empty value, a quote that never
    // closes, text after a closing quote, a quote inside a bare value); `fault` says why.
    Outcome nextRecord(ExtensionRecord& record, ExtensionFault& fault);

private:
    // Moves to the first byte of the next line that is not blank; false at the end.
    bool skipBlankLines();
    std::size_t lineEnd(std::size_t from) const;
    void consumeLineBreak();

    std::string_view bytes_;
    std::size_t position_ = 0;
    std::int64_t line_;
};

}  // namespace probel
