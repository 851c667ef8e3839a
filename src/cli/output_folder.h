// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/util/result.h"

namespace probel::cli {

// The file each input is written to by the --output-dir form of plot and render:
// `folder`/<the input's file name without its last extension><extension>, in the order of the
// inputs. Refuses standard input (it has no name) and two inputs that would write the same
// file, before anything is written; then makes the folder when it is missing.
Result<std::vector<std::string>> outputPathsInFolder(const std::vector<std::string>& inputs, const std::string& folder,
                                                     std::string_view extension);

}  // namespace probel::cli
