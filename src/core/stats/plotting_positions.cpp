// SPDX-License-Identifier: MIT
#include "core/stats/plotting_positions.h"

#include <limits>

#include "core/util/word_table.h"

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
    return wordOf(kPlottingPositionsWords, positions);
}

std::optional<PlottingPositions> plottingPositionsFromWord(std::string_view word)
{
    return valueOf(kPlottingPositionsWords, word);
}

std::string plottingPositionsWordsShown()
{
    return wordsShown(kPlottingPositionsWords);
}

}  // namespace probel
