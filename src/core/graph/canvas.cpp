// SPDX-License-Identifier: MIT
#include "core/graph/canvas.h"

#include <algorithm>
#include <vector>

namespace probel {
namespace {

// Where each of the first `most` characters of a UTF-8 text starts, then where the last of them
// ends. A byte that does not continue a sequence starts a character, so broken UTF-8 is cut
// like any other text.
std::vector<std::size_t> characterBounds(std::string_view text, std::size_t most)
{
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuationBits = 0x80;
    std::vector<std::size_t> bounds{0};
    for (std::size_t at = 1; at < text.size() && bounds.size() <= most; ++at) {
        if ((static_cast<unsigned char>(text[at]) & kContinuationMask) != kContinuationBits) {
            bounds.push_back(at);
        }
    }
    if (bounds.size() <= most) {
        bounds.push_back(text.size());
    }
    return bounds;
}

}  // namespace

std::string_view Canvas::visibleMarkerText(std::string_view text)
{
    if (text.empty()) {
        return text;
    }
    const std::int32_t pageWidth = std::max(width(), 1);
    const std::vector<std::size_t> bounds = characterBounds(text, static_cast<std::size_t>(pageWidth));
    const auto firstCharacters = [&](std::size_t count) { return text.substr(0, bounds[count]); };
    const std::size_t characters = bounds.size() - 1;
    if (textWidth(firstCharacters(characters)) <= pageWidth) {
        return firstCharacters(characters);
    }
    // Character i starts where the first i end; the first that starts at the page's edge or
    // beyond is where the text is cut. Each width measured is at most a page's worth of text.
    std::size_t low = 1;
    std::size_t high = characters;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (textWidth(firstCharacters(middle)) >= pageWidth) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return firstCharacters(low);
}

}  // namespace probel
