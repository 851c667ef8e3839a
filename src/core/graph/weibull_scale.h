// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/stats/normo_data.h"
#include "core/stats/weibull_text.h"

namespace probel {

class NormoBp;

// Weibull paper's probability axis: linear in w = ln(−ln(1 − p)), with 0.1 % on the frame's
// bottom edge and 99.9 % on its top; the value axis is logarithmic.
inline constexpr double kWeibullBottomPercent = 0.1;
inline constexpr double kWeibullTopPercent = 99.9;

// The divisions drawn and labelled, in percent.
inline constexpr std::array<double, 15> kWeibullDivisions{0.1, 0.5,  1,  2,  5,  10, 20,  30,
                                                          50,  63.2, 80, 90, 95, 99, 99.9};

// Whether the graph is drawn on Weibull paper: chosen so, on a logarithmic axis.
bool drawsWeibullPaper(const NormoBp& graph);
// How its series are fitted there; empty for a graph not on Weibull paper.
std::optional<WeibullChoice> weibullChoiceOf(const NormoBp& graph);

// What Weibull paper cannot draw of a series: its smallest value when that is zero or below,
// named with the series' comment, as a message; empty when every value can be drawn.
std::optional<std::string> weibullPaperRefusal(const NormoData& series);

// The same for the first series of a range that has such a value.
template <class SeriesRange>
std::optional<std::string> weibullPaperRefusalAmong(const SeriesRange& series)
{
    for (const NormoData& one : series) {
        if (auto refusal = weibullPaperRefusal(one)) {
            return refusal;
        }
    }
    return std::nullopt;
}

// y of a cumulative percentage in a frame from `top` with `height`; empty outside 0 … 100
// (exclusive) and for NaN.
std::optional<double> weibullY(double percent, std::int32_t top, std::int32_t height);
// The percentage at y: the inverse, beyond the edges too (0 … 100 exclusive as far as doubles
// reach).
double weibullPercentAtY(double y, std::int32_t top, std::int32_t height);

}  // namespace probel
