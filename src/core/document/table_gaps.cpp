// SPDX-License-Identifier: MIT
#include "core/document/table_gaps.h"

#include <algorithm>

namespace probel {

std::optional<TableGap> firstGapInAColumn(const std::vector<CsvColumn>& columns)
{
    // The rows that hold any value, in order.
    std::vector<int> rows;
    for (const CsvColumn& column : columns) {
        rows.insert(rows.end(), column.lines.begin(), column.lines.end());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    std::optional<TableGap> first;
    for (const CsvColumn& column : columns) {
        // The column runs down the first rows until its first missing one; a value after that
        // one means a gap there.
        const auto stop = std::mismatch(column.lines.begin(), column.lines.end(), rows.begin()).second;
        if (stop == rows.end() || static_cast<std::size_t>(stop - rows.begin()) >= column.lines.size()) {
            continue;
        }
        const TableGap gap{*stop, column.number};
        if (!first || gap.line < first->line || (gap.line == first->line && gap.column < first->column)) {
            first = gap;
        }
    }
    return first;
}

}  // namespace probel
