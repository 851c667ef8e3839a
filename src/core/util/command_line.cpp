// SPDX-License-Identifier: MIT
#include "core/util/command_line.h"

#include <cstddef>

namespace probel {
namespace {

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// Byte length of the first UTF-8 character of `text` (at least 1 for a non-empty text, so
// that a malformed byte is dropped as one character).
std::size_t firstCharacterLength(std::string_view text)
{
    std::size_t length = 1;
    while (length < text.size() && isContinuationByte(text[length])) {
        ++length;
    }
    return length;
}

// Byte length of the last UTF-8 character of a non-empty `text`.
std::size_t lastCharacterLength(std::string_view text)
{
    std::size_t start = text.size() - 1;
    while (start > 0 && isContinuationByte(text[start])) {
        --start;
    }
    return text.size() - start;
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view text)
{
    if (text.find('"') != std::string_view::npos) {
        const std::size_t head = firstCharacterLength(text);
        if (head >= text.size()) {
            return {std::string()};
        }
        std::string_view rest = text.substr(head);
        rest.remove_suffix(lastCharacterLength(rest));
        return {std::string(rest)};
    }

    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos; blank = text.find(' ', start)) {
        names.emplace_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    names.emplace_back(text.substr(start));
    return names;
}

}  // namespace probel
