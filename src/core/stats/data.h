// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "core/stats/normo_data.h"
#include "core/util/keyed_collection.h"

namespace probel {

// The most series a table gives one graph. IDs up to 99 keep each detail label's index apart
// from other graphs' (graph × 100 + ID, ChartSheet::detailLabelIndex), ten markers in ten
// colours tell just a hundred series apart, and a page has no room for more legends.
inline constexpr std::size_t kMaxSeriesPerGraph = 99;

// The series of one graph, in order, 1-based. Adding creates the series, so one call gives
// the caller a new, empty series with its defaults to fill.
class Data : public KeyedCollection<NormoData> {
public:
    NormoData& add(std::string key = {})
    {
        return KeyedCollection<NormoData>::add(std::make_unique<NormoData>(), std::move(key));
    }
};

}  // namespace probel
