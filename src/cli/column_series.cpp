// SPDX-License-Identifier: MIT
#include "cli/column_series.h"

#include "core/document/csv_columns.h"
#include "core/graph/canvas.h"
#include "core/stats/data.h"
#include "core/stats/series_cycle.h"

namespace probel::cli {

std::size_t appendColumnSeries(Data& data, std::span<const CsvColumn> columns)
{
    std::size_t added = 0;
    for (const CsvColumn& column : columns) {
        if (column.values.empty()) {
            continue;
        }
        const auto index = static_cast<std::size_t>(data.count());
        NormoData& series = data.add();
        series.setIniData(column.values);
        series.setComment(column.header);
        series.setId(static_cast<std::int32_t>(index) + 1);
        series.setMrk(seriesCycleMarker(index));
        series.setMrkSize(kColumnSeriesMarkerSize);
        series.setColor(seriesCycleColor(index));
        series.setDrawStyle(kPenSolid);
        series.setLineVisible(true);
        series.setVisible(true);
        ++added;
    }
    return added;
}

}  // namespace probel::cli
