// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/extension_format.h"
#include "core/graph/graph_analysis.h"
#include "core/stats/capability_lines.h"

namespace probel {

// The values of extension block settings as the block writes them, and back. Every reader
// returns nothing for a text that is not one of the values the writer can write.

std::string_view bandWord(ConfidenceBand band);
std::optional<ConfidenceBand> bandFromWord(std::string_view word);
// "none、pointwise、simultaneous のどれか": what a message says the setting needs.
std::string bandWordsShown();

std::string_view paperWord(PaperKind paper);
std::optional<PaperKind> paperFromWord(std::string_view word);
std::string paperWordsShown();

std::string_view legendWord(LegendCorner corner);
std::optional<LegendCorner> legendFromWord(std::string_view word);
std::string legendWordsShown();

// One of kBandLevels.
bool isBandLevel(int level);
std::optional<int> bandLevelFromText(std::string_view text);
std::string bandLevelsShown();

// A cumulative percentage a line can be drawn at: 0 < p < 100, also once rounded to the 15
// digits the block saves it with.
bool isPercentile(double percent);
// The percentages as reals in the document's form, one space between them ("1 50 99.5").
std::string percentilesText(const std::vector<double>& percents);
// At least one percentage, each isPercentile, separated by blanks.
std::optional<std::vector<double>> percentilesFromText(std::string_view text);

// The capability lines of a series, in the order the block writes them.
struct CapabilitySetting {
    std::string_view name;
    std::string_view shown;
    bool CapabilityLines::*line;
};
inline constexpr std::array<CapabilitySetting, 6> kCapabilitySettings = {{
    {extension_format::kCpk, extension_format::shown::kCpk, &CapabilityLines::cpk},
    {extension_format::kPpmExpected, extension_format::shown::kPpmExpected, &CapabilityLines::ppmExpected},
    {extension_format::kPpmObserved, extension_format::shown::kPpmObserved, &CapabilityLines::ppmObserved},
    {extension_format::kNormality, extension_format::shown::kNormality, &CapabilityLines::normality},
    {extension_format::kCpLowerBound, extension_format::shown::kCpLowerBound, &CapabilityLines::cpLowerBound},
    {extension_format::kCpkLowerBound, extension_format::shown::kCpkLowerBound, &CapabilityLines::cpkLowerBound},
}};

}  // namespace probel
