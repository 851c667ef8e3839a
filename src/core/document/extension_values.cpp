// SPDX-License-Identifier: MIT
#include "core/document/extension_values.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/document/field_values.h"
#include "core/document/sheet_format.h"
#include "core/numbers/number_text.h"
#include "core/util/word_table.h"

namespace probel {
namespace {

using sheet_format::isFieldBlank;

constexpr double kWholePercent = 100;

constexpr WordTable<ConfidenceBand, 3> kBandWords = {{
    {ConfidenceBand::None, "none"},
    {ConfidenceBand::Pointwise, "pointwise"},
    {ConfidenceBand::Simultaneous, "simultaneous"},
}};

constexpr WordTable<PaperKind, 2> kPaperWords = {{
    {PaperKind::Normal, "normal"},
    {PaperKind::Weibull, "weibull"},
}};

constexpr WordTable<LegendCorner, 5> kLegendWords = {{
    {LegendCorner::None, "none"},
    {LegendCorner::TopLeft, "topLeft"},
    {LegendCorner::TopRight, "topRight"},
    {LegendCorner::BottomLeft, "bottomLeft"},
    {LegendCorner::BottomRight, "bottomRight"},
}};

}  // namespace

std::string_view bandWord(ConfidenceBand band)
{
    return wordOf(kBandWords, band);
}

std::optional<ConfidenceBand> bandFromWord(std::string_view word)
{
    return valueOf(kBandWords, word);
}

std::string bandWordsShown()
{
    return wordsShown(kBandWords);
}

std::string_view paperWord(PaperKind paper)
{
    return wordOf(kPaperWords, paper);
}

std::optional<PaperKind> paperFromWord(std::string_view word)
{
    return valueOf(kPaperWords, word);
}

std::string paperWordsShown()
{
    return wordsShown(kPaperWords);
}

std::string_view legendWord(LegendCorner corner)
{
    return wordOf(kLegendWords, corner);
}

std::optional<LegendCorner> legendFromWord(std::string_view word)
{
    return valueOf(kLegendWords, word);
}

std::string legendWordsShown()
{
    return wordsShown(kLegendWords);
}

bool isBandLevel(int level)
{
    for (const int known : kBandLevels) {
        if (known == level) {
            return true;
        }
    }
    return false;
}

std::optional<int> bandLevelFromText(std::string_view text)
{
    const WholeField read = wholeField(text);
    if (read.kind != WholeKind::Whole || !isBandLevel(read.value)) {
        return std::nullopt;
    }
    return read.value;
}

std::string bandLevelsShown()
{
    std::string shown;
    for (const int level : kBandLevels) {
        shown += shown.empty() ? "" : "、";
        shown += std::to_string(level);
    }
    return shown + " のどれか";
}

bool isPercentile(double percent)
{
    if (!(percent > 0 && percent < kWholePercent)) {
        return false;
    }
    // Saved with 15 digits, a percentage just below 100 would come back as 100 and be refused.
    const std::optional<double> saved = realField(realText(percent, sheet_format::kRealDigits));
    return saved && *saved > 0 && *saved < kWholePercent;
}

std::string percentilesText(const std::vector<double>& percents)
{
    std::string text;
    for (const double percent : percents) {
        text += text.empty() ? "" : " ";
        text += realText(percent, sheet_format::kRealDigits);
    }
    return text;
}

std::optional<std::vector<double>> percentilesFromText(std::string_view text)
{
    std::vector<double> percents;
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && isFieldBlank(text[at])) {
            ++at;
        }
        if (at == text.size()) {
            break;
        }
        const std::size_t start = at;
        while (at < text.size() && !isFieldBlank(text[at])) {
            ++at;
        }
        const std::optional<double> percent = realField(text.substr(start, at - start));
        if (!percent || !isPercentile(*percent)) {
            return std::nullopt;
        }
        percents.push_back(*percent);
    }
    if (percents.empty()) {
        return std::nullopt;
    }
    return percents;
}

}  // namespace probel
