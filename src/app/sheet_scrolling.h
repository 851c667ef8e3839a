// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace probel {

// The arithmetic of a sheet window's scroll bars, in twips: scroll positions are twips, the
// paper's offset in the window is the negated position, both bars start at 0.

// Steps of the vertical bar (TateS) and the horizontal bar (YokoS).
inline constexpr std::int32_t kTateSmallStep = 120;
inline constexpr std::int32_t kTateLargeStep = 1190;
inline constexpr std::int32_t kYokoSmallStep = 160;
inline constexpr std::int32_t kYokoLargeStep = 1680;

struct ScrollRange {
    std::int32_t maximum = 0;
    std::int32_t position = 0;
    bool operator==(const ScrollRange&) const = default;
};

// The range of one bar after the window changed size: maximum = paper side − window's inner
// side + the thickness of the bar across it (which hides that much of the paper), halves to
// even; the position is the paper's current offset (negated), brought down to the new maximum.
// A paper that fits gives 0 .. 0. Values beyond the integer range saturate.
ScrollRange scrollRange(double paperTwips, double windowTwips, double crossingBarTwips, double paperOffsetTwips);

// The bar position while the paper is dragged: the pointer moved `pointerDeltaPixels` from
// the press point (positive to the right or downward). The paper follows the pointer until
// it reaches an end, where the position stops at 0 or at the maximum.
std::int32_t dragScrollPosition(std::int32_t position, std::int32_t maximum, double pointerDeltaPixels,
                                double twipsPerPixel);

// The paper's offset in pixels for a bar position in twips (halves to even).
std::int32_t paperOffsetPixels(std::int32_t positionTwips, double twipsPerPixel);

}  // namespace probel
