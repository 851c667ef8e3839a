// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/stats/plotting_positions.h"
#include "core/stats/weibull_method.h"

namespace probel {

// The analysis a graph draws beyond what documents of the earlier program hold: all off for a
// new graph and for every document that does not set it, so such documents draw as before.
// Documents keep these settings in their extension block.

// A confidence band around each series' fitted line.
enum class ConfidenceBand {
    None,
    // For the percentile at each probability: x̂ₚ ± z · σ̂ · √(1/n + zₚ²/(2n)).
    Pointwise,
    // Kolmogorov–Lilliefors, for the whole line at once: x̄ + s · Φ⁻¹(p ± d).
    Simultaneous,
};

// The paper: normal probability paper, or Weibull paper (ln(−ln(1 − p)) against a logarithmic
// value axis) with each series' fitted Weibull line.
enum class PaperKind : std::uint8_t { Normal, Weibull };

// Where the legend box stands in the frame.
enum class LegendCorner { None, TopLeft, TopRight, BottomLeft, BottomRight };

struct GraphAnalysis {
    // Vertical lines at each series' lower and upper limit, in its colour, dashed, labelled at
    // the top of the frame.
    bool specLines = false;
    ConfidenceBand band = ConfidenceBand::None;
    // Confidence level of the band in percent: 90, 95 or 99.
    int bandLevel = 95;
    // Horizontal lines at these cumulative percentages (0 < p < 100), each series' fitted value
    // written at the frame's edge.
    std::vector<double> percentiles;
    LegendCorner legend = LegendCorner::None;
    // A text above the frame; empty for none. Line breaks start new lines.
    std::string title;
    // A small arrow at the frame's edge with the count of values beyond the axis on that side.
    bool beyondAxisMarks = false;
    // Where the sorted values stand on the paper: the markers, the read-off and the tooltip.
    PlottingPositions positions = PlottingPositions::Weibull;
    PaperKind paperKind = PaperKind::Normal;
    // How each series' line is fitted on Weibull paper.
    WeibullFitMethod weibullFit = WeibullFitMethod::Likelihood;

    bool operator==(const GraphAnalysis&) const = default;
};

inline constexpr int kBandLevels[] = {90, 95, 99};

}  // namespace probel
