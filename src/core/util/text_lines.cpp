// SPDX-License-Identifier: MIT
#include "core/util/text_lines.h"

#include <algorithm>
#include <cstdint>

namespace probel {

std::size_t nextLineStart(std::string_view text, std::size_t at)
{
    const bool crLf = at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n';
    return at + (crLf ? 2 : 1);
}

TextLine lineAt(std::string_view text, std::size_t start)
{
    std::size_t end = start;
    while (end < text.size() && !isLineEnd(text[end])) {
        ++end;
    }
    return {text.substr(start, end - start), nextLineStart(text, end)};
}

std::size_t lineStartAt(std::string_view text, std::size_t at)
{
    while (at > 0 && !isLineEnd(text[at - 1])) {
        --at;
    }
    return at;
}

std::size_t lineCount(std::string_view text)
{
    constexpr std::size_t kBlock = 255;  // what an 8-bit counter can hold
    std::size_t ends = 0;
    // The last character ends no line that has anything after it.
    const std::size_t scanned = text.empty() ? 0 : text.size() - 1;
    for (std::size_t block = 0; block < scanned; block += kBlock) {
        const std::size_t blockEnd = std::min(block + kBlock, scanned);
        std::uint8_t blockEnds = 0;
        for (std::size_t at = block; at < blockEnd; ++at) {
            // A CR ends a line unless an LF follows it and ends it instead.
            blockEnds += static_cast<std::uint8_t>((text[at] == '\n') | ((text[at] == '\r') & (text[at + 1] != '\n')));
        }
        ends += blockEnds;
    }
    return ends + 1;
}

}  // namespace probel
