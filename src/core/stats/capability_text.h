// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/stats/capability_lines.h"
#include "core/stats/series_summary.h"

namespace probel {

// The format of the capability lines of a series that has no Cp format of its own.
inline const std::string kCapabilityLineFormat = "0.##";

// One line for each capability line chosen, in this order: "Cpk  : …", "ppm(予測): …",
// "ppm(実測): …", "A²   : … (p=…)", "Cp下限95%: …", "Cpk下限95%: …". Indices, A², p and the
// bounds are formatted with `format`, the parts per million with "0"; "-" stands for a figure
// that is undefined.
std::vector<std::string> capabilityLineTexts(const SeriesSummary& summary, const CapabilityLines& chosen,
                                             std::string_view format);

}  // namespace probel
