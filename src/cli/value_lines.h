// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/util/result.h"

namespace probel::cli {

// The numbers of a list and the 1-based lines they stood on. Lines are kept only where blank
// lines were skipped, not one for each value: a list of a million values needs its values alone.
struct ValueLines {
    std::vector<double> values;
    // Each skip of blank lines: the index of the first value after it and how many lines below
    // its place in the list that value and those after it stand, in ascending order.
    std::vector<std::pair<std::size_t, int>> shifts;

    // The line of values[index].
    int lineOf(std::size_t index) const;
};

// Reads one number per line (lines end as lineAt says: LF, CR LF or CR) from `text`; a byte
// order mark before the first line and blank lines are skipped. A line that is not a number as
// a whole, or one beyond the double range, is an error naming `sourceName` and the line,
// quoting the start of the line (quotedNumberRefusal).
Result<ValueLines> readValueLines(std::string_view text, const std::string& sourceName);

}  // namespace probel::cli
