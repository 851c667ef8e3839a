// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace probel {

// Where the i-th of n sorted values stands on probability paper: pᵢ = (i − a)/(n + 1 − 2a),
// the rules differing only in a.
enum class PlottingPositions : std::uint8_t {
    Weibull,  // a = 0: i/(n + 1), the mean ranks
    Benard,   // a = 0.3: the approximate median ranks
    Blom,     // a = 3/8
    Hazen,    // a = 0.5: (i − 0.5)/n
};

// The rule's a.
double plottingPositionOffset(PlottingPositions positions);

// pᵢ for the 1-based rank i of n values; NaN unless 1 ≤ i ≤ n.
double plottingPosition(PlottingPositions positions, std::size_t i, std::size_t n);

// Each rule's word in documents and on the command line (--positions): "weibull", "benard",
// "blom", "hazen".
inline constexpr std::array<std::pair<PlottingPositions, std::string_view>, 4> kPlottingPositionsWords = {{
    {PlottingPositions::Weibull, "weibull"},
    {PlottingPositions::Benard, "benard"},
    {PlottingPositions::Blom, "blom"},
    {PlottingPositions::Hazen, "hazen"},
}};

std::string_view plottingPositionsWord(PlottingPositions positions);
std::optional<PlottingPositions> plottingPositionsFromWord(std::string_view word);
// "weibull、benard、blom、hazen のどれか": what a message says the option needs.
std::string plottingPositionsWordsShown();

}  // namespace probel
