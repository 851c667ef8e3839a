// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace probel {

// One column of a table of measurements: its values in row order, each with the line it
// came from, and the text of its header cell (empty when the table has no header row).
struct CsvColumn {
    std::string source;
    int number = 0;  // 1-based
    std::string header;
    std::vector<double> values;
    std::vector<int> lines;
};

}  // namespace probel
