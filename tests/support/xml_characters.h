// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/util/utf8.h"

namespace probel::test {

// Where the first byte of a document lies that does not start a character XML 1.0 allows
// (tab, LF, CR, U+0020 … U+D7FF, U+E000 … U+FFFD, U+10000 … U+10FFFF, in UTF-8): an XML parser
// refuses the document there. Empty when every character is allowed.
inline std::optional<std::size_t> firstNonXmlCharacter(std::string_view document)
{
    for (std::size_t at = 0; at < document.size();) {
        const auto character = readUtf8(document, at);
        if (!character) {
            return at;
        }
        const char32_t c = character->codePoint;
        const bool allowed = c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c <= 0xD7FF) ||
                             (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
        if (!allowed) {
            return at;
        }
        at += character->length;
    }
    return std::nullopt;
}

}  // namespace probel::test
