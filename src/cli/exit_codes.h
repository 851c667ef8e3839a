// SPDX-License-Identifier: MIT
#pragma once

namespace probel::cli {

// Scripts test these, so they never change meaning.
inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 1;
inline constexpr int kExitUsage = 2;
// Not an exit code: a command of the tool built without Qt asks to be run again by the Qt
// build (probel-cli-qt). It never leaves the process.
inline constexpr int kExitHandOver = -1;

}  // namespace probel::cli
