// SPDX-License-Identifier: MIT
#include "cli/column_series.h"

#include <array>

#include "core/document/csv_columns.h"
#include "core/graph/canvas.h"
#include "core/stats/data.h"

namespace probel::cli {
namespace {

const std::array<std::string, 10> kMarkers = {"○", "△", "□", "◇", "×", "●", "▲", "■", "◆", "＋"};

// Black, red, blue, green, magenta, orange, teal, brown, violet, olive.
constexpr std::array<std::int32_t, 10> kColors = {
    0x000000, 0x0000C0, 0xC00000, 0x008000, 0x800080, 0x0080FF, 0x808000, 0x004080, 0xC00060, 0x008080,
};

}  // namespace

const std::string& columnSeriesMarker(std::size_t index)
{
    return kMarkers[index % kMarkers.size()];
}

std::int32_t columnSeriesColor(std::size_t index)
{
    // After every ten series the colours shift by one against the markers.
    return kColors[(index + index / kColors.size()) % kColors.size()];
}

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
        series.setMrk(columnSeriesMarker(index));
        series.setMrkSize(kColumnSeriesMarkerSize);
        series.setColor(columnSeriesColor(index));
        series.setDrawStyle(kPenSolid);
        series.setLineVisible(true);
        series.setVisible(true);
        ++added;
    }
    return added;
}

}  // namespace probel::cli
