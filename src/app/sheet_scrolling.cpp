// SPDX-License-Identifier: MIT
#include "app/sheet_scrolling.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/numbers/rounding.h"

namespace probel {
namespace {

std::int32_t saturatingInt(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (const auto whole = toInt32HalfEven(value)) {
        return *whole;
    }
    return value < 0 ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
}

}  // namespace

ScrollRange scrollRange(double paperTwips, double windowTwips, double crossingBarTwips, double paperOffsetTwips)
{
    const std::int32_t maximum = saturatingInt(paperTwips - windowTwips + crossingBarTwips);
    if (maximum < 0) {
        return {};
    }
    const std::int32_t position = std::clamp(saturatingInt(-paperOffsetTwips), 0, maximum);
    return {maximum, position};
}

std::int32_t dragScrollPosition(std::int32_t position, std::int32_t maximum, double pointerDeltaPixels,
                                double twipsPerPixel)
{
    const double wanted = roundHalfEven(position - pointerDeltaPixels * twipsPerPixel);
    if (wanted >= 0 && wanted <= maximum) {
        return static_cast<std::int32_t>(wanted);
    }
    return pointerDeltaPixels > 0 ? 0 : maximum;
}

std::int32_t paperOffsetPixels(std::int32_t positionTwips, double twipsPerPixel)
{
    return saturatingInt(-positionTwips / twipsPerPixel);
}

}  // namespace probel
