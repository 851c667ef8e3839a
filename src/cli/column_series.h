// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace probel {
class Data;
struct CsvColumn;
}  // namespace probel

namespace probel::cli {

inline constexpr std::int32_t kColumnSeriesMarkerSize = 10;

// Appends one series per column that has values, in order: the values, the header as its
// comment, the next ID, its marker and colour, a readable marker size, the fitted line
// drawn solid, visible. Columns without values are passed over. Returns how many it added.
std::size_t appendColumnSeries(Data& data, std::span<const CsvColumn> columns);

}  // namespace probel::cli
