// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/document/csv_column.h"
#include "core/util/result.h"

namespace probel {

// The columns of a table of numbers in UTF-8 text, by the rules readCsvColumns states: rows
// split at line ends (lineAt: LF, CR LF or CR), cells at commas, tabs and semicolons, a cell in
// double quotes may hold them ("" is a quote), a first non-blank row with a cell that is not a
// number is the header, blank cells and lines are skipped. A cell that is not a number as a
// whole is an error naming `sourceName`, the line and the column. Lines without quotes, the
// usual kind, are read in place, a cell at a time.
Result<std::vector<CsvColumn>> parseCsvTable(std::string_view text, const std::string& sourceName);

}  // namespace probel
