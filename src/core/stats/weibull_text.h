// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/plotting_positions.h"
#include "core/stats/weibull_method.h"

namespace probel {

// β and A* are read to about three decimals whatever format the values have.
inline constexpr std::string_view kWeibullFigureFormat = "0.###";

// How a series on Weibull paper is fitted: the graph's method and plotting positions.
struct WeibullChoice {
    WeibullFitMethod method = WeibullFitMethod::Likelihood;
    PlottingPositions positions = PlottingPositions::Weibull;
};

// The fit of a series' sorted values as label lines, without line ends: "β    : …" (with
// `figureFormat`), "η    : …", "B10  : …" (with `valueFormat`) and "A*   : … (p > 0.25)".
// A figure that cannot be had shows "-": no fit (fewer than two values, all equal, a value of
// zero or below), or the test with fewer than five values; the bracket holds for the
// maximum likelihood fit only, so a regression line shows A* without it.
std::vector<std::string> weibullLines(std::span<const double> sorted, const WeibullChoice& choice,
                                      std::string_view valueFormat, std::string_view figureFormat);

}  // namespace probel
