// SPDX-License-Identifier: MIT
#include "app/sheet_change.h"

#include "core/stats/normo_data.h"

namespace probel {

void keepValuesOf(const NormoData& series, KeptValues& kept)
{
    if (!series.iniValues().empty()) {
        kept[series.iniValues().data()] = series.iniValues().size() * sizeof(double);
    }
}

}  // namespace probel
