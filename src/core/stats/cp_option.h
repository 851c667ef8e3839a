// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace probel {

// The Cp option numbers a series keeps (NormoData::cpOption): which limits Cp and the figures
// read with limits use. Documents store these numbers.
inline constexpr std::int32_t kCpBothLimits = 0;
inline constexpr std::int32_t kCpUpperLimitOnly = 1;
inline constexpr std::int32_t kCpLowerLimitOnly = 2;

}  // namespace probel
