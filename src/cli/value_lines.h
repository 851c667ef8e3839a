// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/util/result.h"

namespace probel::cli {

// The numbers of a list, each with the 1-based line it stood on.
struct ValueLines {
    std::vector<double> values;
    std::vector<int> lines;
};

// Reads one number per line (lines end as lineAt says: LF, CR LF or CR) from `text`; a byte
// order mark before the first line and blank lines are skipped. A line that is not a number as
// a whole, or one beyond the double range, is an error naming `sourceName` and the line,
// quoting the start of the line (quotedNumberRefusal).
Result<ValueLines> readValueLines(std::string_view text, const std::string& sourceName);

}  // namespace probel::cli
