// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/stats/series_summary.h"

namespace probel {

class NormoData;

// The tooltip lines for one series: its name, then n, mean, σ, s, minimum, maximum, Cp, Cpk
// and the normality test ("—" where a figure is undefined), one line break between lines, then
// the capability lines the series' detail label adds, as that label shows them. On a
// logarithmic axis the mean is the geometric mean and σ, s are marked "(log)".
std::string summaryText(const NormoData& series, const SeriesSummary& summary);

}  // namespace probel
