// SPDX-License-Identifier: MIT
#include "core/stats/figures_table.h"

#include <optional>

#include "core/numbers/number_text.h"
#include "core/stats/data.h"
#include "core/stats/series_summary.h"
#include "core/util/text_lines.h"

namespace probel {
namespace {

constexpr std::string_view kHeader = "コメント\tn\t平均\tσ\ts\t最小\t最大\tCp\tCpk\t規格内 (%)\tA²\tp";
constexpr std::string_view kRowEnd = "\r\n";

std::string cell(const std::optional<double>& value)
{
    return value ? generalNumberText(*value) : std::string();
}

// A comment of several lines in one cell; a tab would start a new one.
std::string oneCell(std::string_view comment)
{
    std::string joined;
    for (std::size_t start = 0; start < comment.size();) {
        const TextLine line = lineAt(comment, start);
        joined += (joined.empty() ? "" : " ") + std::string(line.text);
        start = line.next;
    }
    for (char& c : joined) {
        c = c == '\t' ? ' ' : c;
    }
    return joined;
}

}  // namespace

std::string figuresTable(const Data& series)
{
    std::string table(kHeader);
    table += kRowEnd;
    for (const NormoData& one : series) {
        const SeriesSummary summary = summarise(one);
        const bool any = summary.count > 0;
        // Probel's reader remembers its result, so it reads a copy.
        NormoData reading = one;
        const std::optional<double> share =
            one.limitsSet() && summary.cp ? std::optional(reading.probel()) : std::nullopt;
        const auto& test = summary.normality;
        const std::string cells[] = {
            oneCell(one.comment()),
            std::to_string(summary.count),
            any ? cell(summary.mean) : std::string(),
            any ? cell(summary.sigma) : std::string(),
            cell(summary.s),
            any ? cell(summary.minimum) : std::string(),
            any ? cell(summary.maximum) : std::string(),
            cell(summary.cp),
            cell(summary.cpk),
            cell(share),
            cell(test ? std::optional(test->a2) : std::nullopt),
            cell(test ? std::optional(test->p) : std::nullopt),
        };
        for (std::size_t i = 0; i < std::size(cells); ++i) {
            table += (i == 0 ? "" : "\t") + cells[i];
        }
        table += kRowEnd;
    }
    return table;
}

}  // namespace probel
