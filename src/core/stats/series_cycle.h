// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace probel {

// Marker and colour (0x00BBGGRR) of the n-th series (0-based) made from a table: ten markers
// and ten colours, combined so the first hundred series all look different.
const std::string& seriesCycleMarker(std::size_t index);
std::int32_t seriesCycleColor(std::size_t index);

}  // namespace probel
