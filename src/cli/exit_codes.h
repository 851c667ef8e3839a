// SPDX-License-Identifier: MIT
#pragma once

namespace probel::cli {

// Scripts test these, so they never change meaning.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;

}  // namespace probel::cli
