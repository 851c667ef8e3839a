// SPDX-License-Identifier: MIT
#include "core/stats/series_cycle.h"

#include <array>

namespace probel {
namespace {

const std::array<std::string, 10> kMarkers = {"○", "△", "□", "◇", "×", "●", "▲", "■", "◆", "＋"};

// Black, red, blue, green, magenta, orange, teal, brown, violet, olive.
constexpr std::array<std::int32_t, 10> kColors = {
    0x000000, 0x0000C0, 0xC00000, 0x008000, 0x800080, 0x0080FF, 0x808000, 0x004080, 0xC00060, 0x008080,
};

}  // namespace

const std::string& seriesCycleMarker(std::size_t index)
{
    return kMarkers[index % kMarkers.size()];
}

std::int32_t seriesCycleColor(std::size_t index)
{
    // After every ten series the colours shift by one against the markers.
    return kColors[(index + index / kColors.size()) % kColors.size()];
}

}  // namespace probel
