// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "core/document/csv_column.h"

namespace probel {

// A blank cell of a table read by readCsvColumns (which passes blank cells over) that has
// values of its column in later rows: a column that goes on after a gap. Blank cells at the
// end of a column only end it.
struct TableGap {
    int line = 0;
    int column = 0;  // 1-based
};

// The first such cell, by row and then column; empty when every column runs unbroken from
// the table's first row of values.
std::optional<TableGap> firstGapInAColumn(const std::vector<CsvColumn>& columns);
// The same for column `index` of them alone.
std::optional<TableGap> gapInColumn(const std::vector<CsvColumn>& columns, std::size_t index);

}  // namespace probel
