// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to what stats and plot read: the stats command, run in-process on them
// as standard input with options picked by the first two bytes, and plot's table reader with
// the series it makes of the columns and the automatic axes plot would give them. Besides the
// sanitizers' checks: stats ends with 0, or with 1 and one short line that names where it
// stopped and never echoes the input at length; a refused table names its source the same way;
// every value read keeps its line, and every column becomes a series whose statistics can be
// shown; a table without quotes reads as the plainest reading of it does.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/column_series.h"
#include "core/document/csv_columns.h"
#include "core/document/csv_table.h"
#include "core/graph/axis_range.h"
#include "core/numbers/number_text.h"
#include "core/stats/data.h"
#include "core/stats/detail_text.h"
#include "core/util/text_lines.h"

namespace {

// A message quotes at most an excerpt of 40 bytes and names its place: far below this.
constexpr std::size_t kLongestMessage = 400;
constexpr const char* kFormats[] = {"0.##", "0", "0.0E+0", "0.########"};
// Positive and in order, so that no choice is a usage error on either scale.
constexpr const char* kLimits[][2] = {{"0.5", "500"}, {"1e-300", "1e300"}, {"3", "3"}, {"1", "1.79e308"}};

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool isOneShortLine(const std::string& text)
{
    return text.size() <= kLongestMessage && text.ends_with('\n') && text.find('\n') == text.size() - 1;
}

void fuzzStats(std::uint8_t options, std::uint8_t format, std::string_view text)
{
    std::vector<std::string> arguments = {"stats"};
    if ((options & 1U) != 0) {
        arguments.emplace_back("--json");
    }
    if ((options & 2U) != 0) {
        arguments.emplace_back("--log");
    }
    if ((options & 4U) != 0) {
        const auto& limits = kLimits[(options >> 3U) & 3U];
        arguments.insert(arguments.end(), {"--lower", limits[0], "--upper", limits[1]});
    }
    arguments.push_back("--cp-option=" + std::to_string((options >> 5U) % 3));
    arguments.push_back(std::string("--format=") + kFormats[format & 3U]);

    std::istringstream in{std::string(text)};
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = probel::cli::runCli(arguments, {in, out, err});
    if (exitCode == 0) {
        require(err.str().empty() && out.str().ends_with('\n'));
    } else {
        require(exitCode == 1 && out.str().empty() && isOneShortLine(err.str()));
        require(err.str().starts_with("probel-cli: 標準入力"));
    }
}

void fuzzTable(std::string_view text)
{
    const std::string name = "fuzz.csv";
    std::istringstream in{std::string(text)};
    const auto columns = probel::readCsvColumns(in, name);
    if (!columns) {
        const probel::Error& error = columns.error();
        require(error.file == name && error.line >= 0 && !error.message.empty());
        require(error.message.size() <= kLongestMessage);
        return;
    }
    std::size_t withValues = 0;
    for (const auto& column : columns.value()) {
        require(column.source == name && column.values.size() == column.lines.size());
        for (std::size_t i = 0; i < column.lines.size(); ++i) {
            require(column.lines[i] >= 1 && (i == 0 || column.lines[i] > column.lines[i - 1]));
        }
        withValues += column.values.empty() ? 0 : 1;
    }

    probel::Data data;
    require(probel::cli::appendColumnSeries(data, columns.value()) == withValues);
    probel::DetailChoice choice;
    choice.meanLines = choice.sigmaLine = choice.probelLine = true;
    for (int position = 1; position <= data.count(); ++position) {
        probel::NormoData& series = data.item(position);
        series.setMin(series.sortData().front());
        series.setMax(series.sortData().back());
        require(probel::detailStatLines(series, choice).size() >= 4);
        // The automatic axes plot would choose: an axis holding the values, or a refusal.
        const double low = series.sortData().front();
        const double high = series.sortData().back();
        if (const auto axis = probel::linearAxisRange(low, high)) {
            require(axis.value().min <= low && axis.value().max >= high && axis.value().divisions >= 1);
        }
        if (low > 0) {
            if (const auto axis = probel::logAxisRange(low, high)) {
                require(axis.value().min <= low && axis.value().max >= high);
            }
        }
    }
}

// The cells of a line by the plainest rules: split at every delimiter, trimmed of blanks.
std::vector<std::string_view> plainCells(std::string_view line)
{
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ',' || line[i] == '\t' || line[i] == ';') {
            std::string_view cell = line.substr(start, i - start);
            const std::size_t first = cell.find_first_not_of(" \t\r");
            cell = first == std::string_view::npos ? std::string_view{}
                                                   : cell.substr(first, cell.find_last_not_of(" \t\r") - first + 1);
            cells.push_back(cell);
            start = i + 1;
        }
    }
    return cells;
}

// A text without quotes read line by line and cell by cell, the slow way, against the reader,
// which reads such lines in place a number at a time: the same columns, values, lines and
// headers, or the same refused cell.
void fuzzPlainTable(std::string_view text)
{
    if (text.find('"') != std::string_view::npos) {
        return;
    }
    const auto read = probel::parseCsvTable(text, "plain.csv");
    std::vector<probel::CsvColumn> expected;
    const auto reach = [&expected](std::size_t index) -> probel::CsvColumn& {
        if (expected.size() <= index) {
            expected.resize(index + 1);
        }
        return expected[index];
    };
    bool firstRow = true;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const probel::TextLine line = probel::lineAt(text, start);
        const auto cells = plainCells(line.text);
        start = line.next;
        ++lineNumber;
        const auto blank = [](std::string_view cell) { return cell.empty(); };
        if (std::all_of(cells.begin(), cells.end(), blank)) {
            continue;
        }
        // A graph holds at most kMaxSeriesPerGraph series: a filled cell past them is refused
        // where it stands; in the first row before anything else (its cells are all listed to
        // tell a header), in a later row after whatever the cells before it call for.
        const auto tooWide = std::find_if(
            cells.begin() + static_cast<std::ptrdiff_t>(std::min(cells.size(), probel::kMaxSeriesPerGraph)),
            cells.end(), [](std::string_view cell) { return !cell.empty(); });
        const auto refusedPastTheLimit = [&] {
            const auto column = static_cast<int>(tooWide - cells.begin()) + 1;
            require(!read && read.error().line == lineNumber && read.error().column == column);
        };
        const auto number = [](std::string_view cell) {
            return cell.empty() || probel::wholeNumber(cell) || probel::beyondNumberRange(cell);
        };
        if (firstRow && tooWide != cells.end()) {
            refusedPastTheLimit();
            return;
        }
        if (firstRow && !std::all_of(cells.begin(), cells.end(), number)) {
            for (std::size_t i = 0; i < std::min(cells.size(), probel::kMaxSeriesPerGraph); ++i) {
                reach(i).header = std::string(cells[i]);
            }
            firstRow = false;
            continue;
        }
        firstRow = false;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty()) {
                continue;
            }
            if (i >= probel::kMaxSeriesPerGraph) {
                refusedPastTheLimit();
                return;
            }
            const auto value = probel::wholeNumber(cells[i]);
            if (!value) {
                require(!read && read.error().line == lineNumber && read.error().column == static_cast<int>(i) + 1);
                return;
            }
            reach(i).values.push_back(*value);
            reach(i).lines.push_back(lineNumber);
        }
    }
    require(read && read.value().size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const probel::CsvColumn& column = read.value()[i];
        require(column.header == expected[i].header && column.lines == expected[i].lines);
        require(column.values.size() == expected[i].values.size());
        for (std::size_t k = 0; k < column.values.size(); ++k) {
            require(std::memcmp(&column.values[k], &expected[i].values[k], sizeof(double)) == 0);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    fuzzStats(data[0], data[1], text);
    fuzzTable(text);
    fuzzPlainTable(text);
    return 0;
}
