// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace probel {

// One character read from UTF-8: its code point and how many bytes it took.
struct Utf8Char {
    char32_t codePoint;
    std::size_t length;
};

// The character at `pos`, read strictly: no overlong forms, no surrogates, nothing beyond
// U+10FFFF, no cut-off sequence. Empty when the bytes there are not such a character.
std::optional<Utf8Char> readUtf8(std::string_view text, std::size_t pos);

// Whether the whole text is strict UTF-8.
bool isValidUtf8(std::string_view text);

// Appends the UTF-8 bytes of a code point (at most U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Takes away the byte order mark that editors on other systems often put before UTF-8 text.
inline void removeByteOrderMark(std::string& text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.erase(0, kByteOrderMark.size());
    }
}
inline std::string_view withoutByteOrderMark(std::string_view text)
{
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

}  // namespace probel
