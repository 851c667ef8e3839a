// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace probel {

// The heights of a line of text, in 1/64 pixel.
struct LineMetrics {
    std::int32_t ascent = 0;
    std::int32_t descent = 0;
    std::int32_t leading = 0;
};

// The line heights Qt's font engines take from a font's OS/2 table at a whole pixel size, for
// a font without embedded bitmaps placed at fractions of a pixel: the typographic ascender,
// descender and line gap when the table says to use them, else the Windows ascent and descent
// with no leading; each as units·pixels in 1/64 pixel divided by the units per em, rounded
// half away from zero. Empty when the table is short, holds the zeros Qt passes over, or a
// height does not fit Qt's fixed-point numbers.
std::optional<LineMetrics> os2LineMetrics(std::span<const std::uint8_t> os2, int unitsPerEm, int pixelSize);

// Ascent, descent and leading together, as Qt adds them; empty when the sum does not fit.
std::optional<std::int32_t> lineSpacingOf(const LineMetrics& metrics);

}  // namespace probel
