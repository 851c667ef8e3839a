// SPDX-License-Identifier: MIT
#include "core/util/byte_size_text.h"

#include <array>
#include <cstdio>

namespace probel {

std::string byteSizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t kStep = 1024;
    constexpr std::array<const char*, 5> kUnits = {"KiB", "MiB", "GiB", "TiB", "PiB"};
    if (bytes < kStep) {
        return std::to_string(bytes) + " バイト";
    }
    std::uint64_t unitBytes = kStep;
    std::size_t unit = 0;
    while (unit + 1 < kUnits.size() && bytes / unitBytes >= kStep) {
        unitBytes *= kStep;
        ++unit;
    }
    if (bytes % unitBytes == 0) {
        return std::to_string(bytes / unitBytes) + " " + kUnits[unit];
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f %s", static_cast<double>(bytes) / static_cast<double>(unitBytes),
                  kUnits[unit]);
    return text.data();
}

}  // namespace probel
