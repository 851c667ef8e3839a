// SPDX-License-Identifier: MIT
#include "core/stats/plotting_positions.h"

#include <limits>

namespace probel {

double plottingPositionOffset(PlottingPositions positions)
{
    switch (positions) {
    case PlottingPositions::Weibull:
        return 0;
    case PlottingPositions::Benard:
        return 0.3;
    case PlottingPositions::Blom:
        return 3.0 / 8;
    case PlottingPositions::Hazen:
        return 0.5;
    }
    return 0;
}

double plottingPosition(PlottingPositions positions, std::size_t i, std::size_t n)
{
    if (i < 1 || i > n) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double a = plottingPositionOffset(positions);
    return (static_cast<double>(i) - a) / (static_cast<double>(n) + 1 - 2 * a);
}

std::string_view plottingPositionsWord(PlottingPositions positions)
{
    for (const auto& name : kPlottingPositionsNames) {
        if (name.positions == positions) {
            return name.word;
        }
    }
    return {};
}

std::optional<PlottingPositions> plottingPositionsFromWord(std::string_view word)
{
    for (const auto& name : kPlottingPositionsNames) {
        if (name.word == word) {
            return name.positions;
        }
    }
    return std::nullopt;
}

std::int32_t plottingPositionsCode(PlottingPositions positions)
{
    for (const auto& name : kPlottingPositionsNames) {
        if (name.positions == positions) {
            return name.code;
        }
    }
    return 0;
}

std::optional<PlottingPositions> plottingPositionsFromCode(std::int32_t code)
{
    for (const auto& name : kPlottingPositionsNames) {
        if (name.code == code) {
            return name.positions;
        }
    }
    return std::nullopt;
}

std::string plottingPositionsWordsShown()
{
    std::string shown;
    for (const auto& name : kPlottingPositionsNames) {
        shown += shown.empty() ? "" : "、";
        shown += name.word;
    }
    return shown + " のどれか";
}

}  // namespace probel
