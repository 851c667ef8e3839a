// SPDX-License-Identifier: MIT
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/default_shaping.h"
#include "platform/text/line_metrics.h"

namespace probel {

// One face of a font file, opened with FreeType and read as Qt's FreeType font engine reads
// it: the glyphs of characters, their advances and the line heights at whole pixel sizes.
class FreeTypeFace {
public:
    // The face, or nothing when FreeType cannot open it.
    static std::unique_ptr<FreeTypeFace> open(FT_Library library, const std::string& path, int index);
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    // Whether Qt measures this face as it is read here: scalable TrueType outlines, neither
    // variable nor "tricky", no embedded bitmaps, no positioning of its own (GPOS, kern or
    // Apple's layout tables), layout tables understood, a Unicode and no symbol character map,
    // and OS/2 line heights.
    bool measurable() const { return measurable_; }

    // The glyph Qt takes for `c` from this face, 0 when it has none (Qt then takes another
    // font). No-break space and tab fall back to the space, as in Qt.
    std::uint32_t glyph(char32_t c) const;
    // Whether the font's own substitutions or mark classes may change `glyph` in shaping.
    bool shapingMayChange(std::uint32_t glyph) const { return shaping_.mayChange(glyph); }

    // The advance of `glyph` at `pixelSize` in 1/64 pixel as Qt takes it when it lays text out
    // by design metrics: the unhinted advance FreeType scales (16.16), cut to 26.6. Empty
    // when FreeType cannot set the size or read the advance.
    std::optional<std::int32_t> advance(std::uint32_t glyph, int pixelSize);
    // The line heights at `pixelSize`, when the face has them.
    std::optional<LineMetrics> lineMetrics(int pixelSize) const;

private:
    // The face at one pixel size, with the advances read so far (-1 where not yet read).
    struct Size {
        FT_Size size;
        std::vector<std::int32_t> advances;
    };

    FreeTypeFace(FT_Face face, DefaultShaping shaping);
    Size* sizeFor(int pixelSize);
    bool readAsQtReadsIt();

    FT_Face face_;
    DefaultShaping shaping_;
    std::vector<std::uint8_t> os2_;
    bool measurable_ = false;
    // Sizes FreeType could not set map to nothing.
    std::map<int, std::unique_ptr<Size>> sizes_;
};

}  // namespace probel
