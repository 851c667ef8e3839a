// SPDX-License-Identifier: MIT
#include "cli/plot_analysis_options.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/number_option.h"
#include "cli/word_option.h"
#include "core/document/extension_values.h"
#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/sheet/chart_label.h"
#include "core/util/text_excerpt.h"

namespace probel::cli {
namespace {

constexpr double kWholePercent = 100;

constexpr std::array<std::pair<std::string_view, ConfidenceBand>, 2> kBands = {{
    {"pointwise", ConfidenceBand::Pointwise},
    {"simultaneous", ConfidenceBand::Simultaneous},
}};

constexpr std::array<std::pair<std::string_view, LegendCorner>, 4> kCorners = {{
    {"top-left", LegendCorner::TopLeft},
    {"top-right", LegendCorner::TopRight},
    {"bottom-left", LegendCorner::BottomLeft},
    {"bottom-right", LegendCorner::BottomRight},
}};

template <class Value, std::size_t N>
std::optional<Value> named(const std::array<std::pair<std::string_view, Value>, N>& names, std::string_view word)
{
    for (const auto& [name, value] : names) {
        if (name == word) {
            return value;
        }
    }
    return std::nullopt;
}

bool parseBand(const OptionParser& parser, GraphAnalysis& analysis, std::string& error)
{
    const auto word = parser.value("--band");
    const auto level = parser.value("--level");
    if (!word) {
        if (level) {
            error = "--level は --band と一緒に指定してください。";
            return false;
        }
        return true;
    }
    const auto band = named(kBands, *word);
    if (!band) {
        error = "--band は pointwise か simultaneous にしてください: " + textExcerpt(*word);
        return false;
    }
    analysis.band = *band;
    if (level) {
        const auto number = wholeNumber(*level);
        const auto known = std::find_if(std::begin(kBandLevels), std::end(kBandLevels),
                                        [&number](int candidate) { return number && *number == candidate; });
        if (known == std::end(kBandLevels)) {
            error = "--level は 90, 95, 99 のどれかにしてください: " + textExcerpt(*level);
            return false;
        }
        analysis.bandLevel = *known;
    }
    return true;
}

bool parseLimits(const OptionParser& parser, bool logAxis, SeriesLimits& limits, std::string& error)
{
    // Equal limits, refused too, are what a series holds before any are set: the graph would
    // draw neither.
    return numberRangeOptions(parser, "--lower", "--upper", logAxis, limits.lower, limits.upper, error);
}

bool parsePercentiles(const std::string& list, std::vector<double>& percentiles, std::string& error)
{
    if (list.find_first_not_of(" \t") == std::string::npos) {
        error = "--percentiles に百分率 (1,50,99 など) を指定してください。";
        return false;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view item = std::string_view(list).substr(start, comma - start);
        if (item.find_first_not_of(" \t") == std::string_view::npos) {
            error = "--percentiles に空の値があります。百分率をカンマで区切ってください (1,50,99 など)。";
            return false;
        }
        const auto percent = wholeNumber(item);
        if (!percent) {
            error = "--percentiles: " + numberRefusal(item) + ": " + textExcerpt(item);
            return false;
        }
        if (!(*percent > 0 && *percent < kWholePercent)) {
            error = "--percentiles の値は 0 より大きく 100 より小さくしてください: " + textExcerpt(item);
            return false;
        }
        // The document keeps it with 15 digits, which would make it 100.
        if (!isPercentile(*percent)) {
            error = "--percentiles の値は 15 桁に丸めると 100 になります: " + textExcerpt(item);
            return false;
        }
        if (std::find(percentiles.begin(), percentiles.end(), *percent) != percentiles.end()) {
            error = "--percentiles に同じ値が二度あります: " + textExcerpt(item);
            return false;
        }
        percentiles.push_back(*percent);
        if (comma == list.size()) {
            return true;
        }
        start = comma + 1;
    }
}

bool parsePaper(const OptionParser& parser, GraphAnalysis& analysis, std::string& error)
{
    if (!wordOption(parser, "--paper-kind", paperFromWord, paperWordsShown(), analysis.paperKind, error)) {
        return false;
    }
    if (parser.has("--fit") && analysis.paperKind != PaperKind::Weibull) {
        error = "--fit は --paper-kind weibull と一緒に指定してください。";
        return false;
    }
    return wordOption(parser, "--fit", weibullFitFromWord, weibullFitWordsShown(), analysis.weibullFit, error);
}

}  // namespace

void addAnalysisOptionNames(std::set<std::string>& withValue, std::set<std::string>& switches)
{
    withValue.insert({"--band", "--level", "--lower", "--upper", "--percentiles", "--legend", "--graph-title",
                      "--positions", "--paper-kind", "--fit"});
    switches.insert({"--spec-lines", "--beyond-axis"});
}

bool parseAnalysisOptions(const OptionParser& parser, bool logAxis, GraphAnalysis& analysis, SeriesLimits& limits,
                          std::string& error)
{
    if (!parseBand(parser, analysis, error) || !parseLimits(parser, logAxis, limits, error)) {
        return false;
    }
    analysis.specLines = parser.has("--spec-lines");
    if (analysis.specLines && !limits.any()) {
        error = "--spec-lines には規格の下限 --lower か上限 --upper (両方でも) を指定してください。";
        return false;
    }
    if (const auto list = parser.value("--percentiles")) {
        if (!parsePercentiles(*list, analysis.percentiles, error)) {
            return false;
        }
    }
    if (const auto word = parser.value("--legend")) {
        const auto corner = named(kCorners, *word);
        if (!corner) {
            error = "--legend は top-left, top-right, bottom-left, bottom-right のどれかにしてください: " +
                    textExcerpt(*word);
            return false;
        }
        analysis.legend = *corner;
    }
    // Line breaks as the document keeps them, so a rendered document draws the same title.
    analysis.title = joinedCaptionLines(parser.value("--graph-title").value_or(""), "\r\n");
    analysis.beyondAxisMarks = parser.has("--beyond-axis");
    return wordOption(parser, "--positions", plottingPositionsFromWord, plottingPositionsWordsShown(),
                      analysis.positions, error) &&
           parsePaper(parser, analysis, error);
}

}  // namespace probel::cli
