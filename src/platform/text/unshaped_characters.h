// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

// Whether HarfBuzz turns the character `c`, following `previous` (0 at the start of a line),
// into the font's own glyph for it at the glyph's own advance, whatever the font's
// substitutions (those are checked apart): letters, digits, punctuation and symbols of Latin,
// Greek, Cyrillic, kana and Han and the signs all scripts share. Not so for marks, controls,
// format characters, variation selectors, Hangul, the scripts with shapers of their own and
// the private use area; nor for a halfwidth voiced mark after a character HarfBuzz may take
// apart once the two form one cluster.
bool isUnshapedCharacter(char32_t c, char32_t previous);

}  // namespace probel
