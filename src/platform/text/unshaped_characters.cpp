// SPDX-License-Identifier: MIT
#include "platform/text/unshaped_characters.h"

#include <algorithm>
#include <array>

namespace probel {
namespace {

struct CharacterRange {
    char32_t first;
    char32_t last;
};

// Blocks without combining, control or format characters whose scripts HarfBuzz shapes with
// its default shaper, in order. The gaps leave out: soft hyphen; combining diacritics;
// Cyrillic combining marks; the zero-width, direction and line-separating characters of
// General Punctuation; combining marks for symbols; CJK and kana combining marks;
// parenthesized and circled Hangul; halfwidth Hangul; and all else.
constexpr std::array kUnshapedRanges = {
    CharacterRange{0x0020, 0x007E},   CharacterRange{0x00A0, 0x00AC}, CharacterRange{0x00AE, 0x02FF},
    CharacterRange{0x0370, 0x03FF},   CharacterRange{0x0400, 0x0482}, CharacterRange{0x048A, 0x052F},
    CharacterRange{0x1E00, 0x1FFF},   CharacterRange{0x2000, 0x200A}, CharacterRange{0x2010, 0x2027},
    CharacterRange{0x202F, 0x205F},   CharacterRange{0x2070, 0x20CF}, CharacterRange{0x2100, 0x2BFF},
    CharacterRange{0x2E80, 0x2FFF},   CharacterRange{0x3000, 0x3029}, CharacterRange{0x3030, 0x303F},
    CharacterRange{0x3041, 0x3096},   CharacterRange{0x309B, 0x30FF}, CharacterRange{0x3190, 0x31FF},
    CharacterRange{0x3220, 0x325F},   CharacterRange{0x3280, 0x9FFF}, CharacterRange{0xF900, 0xFAFF},
    CharacterRange{0xFE30, 0xFE4F},   CharacterRange{0xFF01, 0xFF9F}, CharacterRange{0xFFE0, 0xFFEE},
    CharacterRange{0x20000, 0x2FFFD},
};

// HarfBuzz joins these to the character before them as one cluster, and within a cluster it
// takes apart a character with a canonical decomposition when the font has the pieces.
constexpr CharacterRange kHalfwidthVoicedMarks{0xFF9E, 0xFF9F};
// Characters without canonical decompositions that such a mark may follow.
constexpr CharacterRange kAscii{0x0020, 0x007E};
constexpr CharacterRange kHalfwidthKatakana{0xFF61, 0xFF9F};

constexpr bool within(CharacterRange range, char32_t c)
{
    return c >= range.first && c <= range.last;
}

}  // namespace

bool isUnshapedCharacter(char32_t c, char32_t previous)
{
    const auto range = std::ranges::lower_bound(kUnshapedRanges, c, {}, &CharacterRange::last);
    if (range == kUnshapedRanges.end() || c < range->first) {
        return false;
    }
    if (within(kHalfwidthVoicedMarks, c)) {
        return previous == 0 || within(kAscii, previous) || within(kHalfwidthKatakana, previous);
    }
    return true;
}

}  // namespace probel
