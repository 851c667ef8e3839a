// SPDX-License-Identifier: MIT
#include "core/graph/quantile_table.h"

#include "core/graph/inverse_normal.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

constexpr int kDecimals = 5;
constexpr double kEntriesPerUnitProbability = 10000.0;

}  // namespace

const QuantileTable& QuantileTable::shared()
{
    static const QuantileTable table;
    return table;
}

QuantileTable::QuantileTable()
{
    entries_[0] = kEntryZero;
    for (std::int32_t i = 1; i < kSize; ++i) {
        const double z = inverseNormal(static_cast<double>(i) / kEntriesPerUnitProbability);
        entries_[static_cast<std::size_t>(i)] = static_cast<float>(roundDecimal(z, kDecimals));
    }
    entries_[1] = kEntryOne;
    entries_[kOnePercentIndex] = kEntryOnePercent;
}

}  // namespace probel
