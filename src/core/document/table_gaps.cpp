// SPDX-License-Identifier: MIT
#include "core/document/table_gaps.h"

#include <algorithm>

namespace probel {

namespace {

// The rows that hold any value, in order; marked in one pass over each column, as a table
// of many columns repeats the same rows in each.
std::vector<int> rowsWithValues(const std::vector<CsvColumn>& columns)
{
    int last = 0;
    for (const CsvColumn& column : columns) {
        last = column.lines.empty() ? last : std::max(last, column.lines.back());
    }
    std::vector<char> held(static_cast<std::size_t>(last) + 1, 0);
    for (const CsvColumn& column : columns) {
        for (const int line : column.lines) {
            held[static_cast<std::size_t>(line)] = 1;
        }
    }
    std::vector<int> rows;
    for (int line = 0; line <= last; ++line) {
        if (held[static_cast<std::size_t>(line)] != 0) {
            rows.push_back(line);
        }
    }
    return rows;
}

// The column runs down the first rows until its first missing one; a value after that one
// means a gap there.
std::optional<TableGap> gapOf(const CsvColumn& column, const std::vector<int>& rows)
{
    const auto stop = std::mismatch(column.lines.begin(), column.lines.end(), rows.begin()).second;
    if (static_cast<std::size_t>(stop - rows.begin()) >= column.lines.size()) {
        return std::nullopt;
    }
    return TableGap{*stop, column.number};
}

}  // namespace

std::optional<TableGap> firstGapInAColumn(const std::vector<CsvColumn>& columns)
{
    const std::vector<int> rows = rowsWithValues(columns);
    std::optional<TableGap> first;
    for (const CsvColumn& column : columns) {
        const auto gap = gapOf(column, rows);
        if (gap && (!first || gap->line < first->line || (gap->line == first->line && gap->column < first->column))) {
            first = gap;
        }
    }
    return first;
}

std::optional<TableGap> gapInColumn(const std::vector<CsvColumn>& columns, std::size_t index)
{
    return index < columns.size() ? gapOf(columns[index], rowsWithValues(columns)) : std::nullopt;
}

}  // namespace probel
