// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "core/stats/normo_data.h"
#include "core/util/keyed_collection.h"

namespace probel {

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
