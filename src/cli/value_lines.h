// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/util/result.h"

namespace probel::cli {

// Reads one number per line (CR LF or LF); blank lines are skipped. A line that is not a
// number as a whole is an error naming `sourceName` and the line.
Result<std::vector<double>> readValueLines(std::istream& in, const std::string& sourceName);

}  // namespace probel::cli
