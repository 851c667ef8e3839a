// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/document/csv_column.h"
#include "core/util/result.h"

namespace probel {

// Reads a table of numbers, one row per line (LF, CR LF or CR); cells are split at commas, tabs
// or semicolons, and a cell in double quotes may hold them ("" is a quote). The first
// non-blank row is a header when any of its cells is not a number. Blank cells and lines are
// skipped. Text in UTF-8 (with or without a byte order mark) or, failing that, Shift_JIS.
// A cell that is not a number as a whole, or one beyond the double range, is an error naming
// `sourceName`, the line and the column. Every column that any row reaches is returned, also
// those without values; but a cell with text past column kMaxSeriesPerGraph (core/stats/data.h)
// is an error, given before the rest of the table is read, and blank cells past it are passed
// over.
Result<std::vector<CsvColumn>> readCsvColumns(std::istream& in, const std::string& sourceName);
// The same for the bytes of a file already read whole, without copying them again.
Result<std::vector<CsvColumn>> readCsvColumns(std::string bytes, const std::string& sourceName);

}  // namespace probel
