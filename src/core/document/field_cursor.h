// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace probel {

// Splits the raw bytes of a document into fields, by the format's reading rule: leading
// blanks are skipped; a field that starts with a double quote runs to the next double quote
// (line breaks inside belong to it), and the blanks and the comma or line break after it are
// consumed; any other field runs to the next comma or line break, trailing blanks dropped.
// A line break is CR LF, LF or CR. Works on bytes: in code page 932 neither CR, LF nor the
// quote occur inside a two-byte character, so texts are decoded only after splitting.
class FieldCursor {
public:
    struct Field {
        // The bytes of the field, without its quotes; for a stray text after a closing quote
        // (Outcome::JunkAfterQuote) that text.
        std::string_view text;
        bool quoted = false;
        // 1-based line on which the field starts (for JunkAfterQuote, the line of the stray text).
        std::int64_t line = 0;
    };
    enum class Outcome { Field, End, Unterminated, JunkAfterQuote };

    explicit FieldCursor(std::string_view bytes) : bytes_(bytes) {}

    // Takes the next field. End: nothing but blanks is left on the current line and no line
    // follows. Unterminated: a quote opens a text that never closes (field.line is where it
    // opened). JunkAfterQuote: something other than a separator follows a closing quote.
    Outcome next(Field& field);

    // Line of the next unread byte.
    std::int64_t line() const { return line_; }
    std::size_t remainingBytes() const { return bytes_.size() - position_; }
    // The bytes not read yet: what follows a document's last field.
    std::string_view rest() const { return bytes_.substr(position_); }
    // How many more fields the rest could hold at most: each needs a byte and a separator,
    // except the last, which may end with the data.
    std::int64_t fieldCapacity() const { return static_cast<std::int64_t>(remainingBytes() + 1) / 2; }
    // Whether the rest holds only blanks and line breaks.
    bool restIsBlank() const;
    // The rest of the line that holds the first byte after here that is neither blank nor a
    // line break (at most `limit` bytes), with its line: what a message shows of data after
    // the last field.
    Field firstNonBlank(std::size_t limit) const;

private:
    void skipBlanks();
    // Consumes a comma or one line break at the current position, if there is one.
    bool consumeSeparator();

    std::string_view bytes_;
    std::size_t position_ = 0;
    std::int64_t line_ = 1;
};

}  // namespace probel
