// SPDX-License-Identifier: MIT
#include "platform/canvas/bgr_color.h"

namespace probel {
namespace {

constexpr std::uint32_t kChannelMask = 0xFFU;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

}  // namespace

QColor colorFromBgr(std::int32_t bgr)
{
    const auto bits = static_cast<std::uint32_t>(bgr);
    return QColor(static_cast<int>(bits & kChannelMask), static_cast<int>((bits >> kGreenShift) & kChannelMask),
                  static_cast<int>((bits >> kBlueShift) & kChannelMask));
}

std::int32_t bgrFromColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    const auto bits = static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << kGreenShift) |
                      (static_cast<std::uint32_t>(rgb.blue()) << kBlueShift);
    return static_cast<std::int32_t>(bits);
}

}  // namespace probel
