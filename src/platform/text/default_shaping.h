// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace probel {

// What a font's own layout tables do to horizontal text unasked: the glyphs that the GSUB
// features HarfBuzz applies by default (and every required feature) may replace or join to
// others, and the glyphs GDEF classes as marks, which HarfBuzz gives no advance.
class DefaultShaping {
public:
    // From the GSUB and GDEF tables as the font file holds them (empty when it has none).
    DefaultShaping(std::span<const std::uint8_t> gsub, std::span<const std::uint8_t> gdef);

    // Whether shaping may give `glyph` another glyph or another advance than its own: true for
    // every glyph when the tables hold what is not followed here (contextual or chained
    // substitutions, feature variations, offsets beyond the table).
    bool mayChange(std::uint32_t glyph) const;

private:
    bool understood_ = true;
    std::vector<std::uint32_t> changed_;  // sorted, each once
};

}  // namespace probel
