// SPDX-License-Identifier: MIT
#include "cli/csv_series_reader.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <optional>
#include <string_view>

#include "core/document/cp932.h"
#include "core/numbers/number_text.h"
#include "core/util/utf8.h"

namespace probel::cli {
namespace {

constexpr std::string_view kBlanks = " \t\r";

bool isDelimiter(char c)
{
    return c == ',' || c == '\t' || c == ';';
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string_view trimmedView(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The cells of a line with quotes, trimmed of blanks; quotes around a cell are removed.
std::vector<std::string> splitQuotedCells(std::string_view line)
{
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    bool wasQuoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"' && trimmed(cell).empty() && !wasQuoted) {
            cell.clear();
            quoted = true;
            wasQuoted = true;
        } else if (isDelimiter(c)) {
            cells.push_back(wasQuoted ? cell : trimmed(cell));
            cell.clear();
            wasQuoted = false;
        } else if (!wasQuoted || kBlanks.find(c) == std::string_view::npos) {
            cell += c;
        }
    }
    cells.push_back(wasQuoted ? cell : trimmed(cell));
    return cells;
}

// The cells of one line as views into it (or, for a line with quotes, into `unquoted`),
// trimmed of blanks. Most lines have no quotes and are split without copying.
void splitCells(std::string_view line, std::vector<std::string_view>& cells, std::vector<std::string>& unquoted)
{
    cells.clear();
    if (line.find('"') != std::string_view::npos) {
        unquoted = splitQuotedCells(line);
        cells.assign(unquoted.begin(), unquoted.end());
        return;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (isDelimiter(line[i])) {
            cells.push_back(trimmedView(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    cells.push_back(trimmedView(line.substr(start)));
}

Result<std::string> utf8Text(std::string bytes, const std::string& sourceName)
{
    removeByteOrderMark(bytes);
    if (isValidUtf8(bytes)) {
        return bytes;
    }
    Result<std::string> decoded = decodeCp932(bytes);
    if (!decoded) {
        return Error{"文字コードが UTF-8 でも Shift_JIS でもありません: " + decoded.error().message, sourceName, 0};
    }
    return decoded;
}

}  // namespace

Result<std::vector<CsvColumn>> readCsvColumns(std::istream& in, const std::string& sourceName)
{
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return Error{"読み込みに失敗しました。", sourceName, 0};
    }
    Result<std::string> text = utf8Text(std::move(bytes), sourceName);
    if (!text) {
        return text.error();
    }

    const std::string_view all = text.value();
    // Room for a value on every line in the columns of the first row, so a long column is
    // never copied as it grows (a column that starts later grows as usual).
    const auto lineCount = static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) + 1;
    bool firstRow = true;
    std::vector<CsvColumn> columns;
    const auto column = [&](std::size_t index) -> CsvColumn& {
        while (columns.size() <= index) {
            CsvColumn added;
            added.source = sourceName;
            added.number = static_cast<int>(columns.size()) + 1;
            if (firstRow) {
                added.values.reserve(lineCount);
                added.lines.reserve(lineCount);
            }
            columns.push_back(std::move(added));
        }
        return columns[index];
    };

    std::vector<std::string_view> cells;
    std::vector<std::string> unquoted;
    int lineNumber = 0;
    // A data cell: skipped when blank; false, with the error kept, when not a number.
    std::optional<Error> failure;
    const auto take = [&](std::size_t index, std::string_view cell) {
        if (cell.empty()) {
            return true;
        }
        const auto value = wholeNumber(cell);
        if (!value) {
            failure = Error{"数値ではありません: \"" + std::string(cell) + "\"", sourceName, lineNumber,
                            static_cast<int>(index) + 1};
            return false;
        }
        CsvColumn& target = column(index);
        target.values.push_back(*value);
        target.lines.push_back(lineNumber);
        return true;
    };
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        const std::string_view line = all.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!firstRow && line.find('"') == std::string_view::npos) {
            // The common line: cells read as they are found, without a list of them.
            std::size_t cellStart = 0;
            std::size_t index = 0;
            for (std::size_t i = 0; i <= line.size(); ++i) {
                if (i == line.size() || isDelimiter(line[i])) {
                    if (!take(index++, trimmedView(line.substr(cellStart, i - cellStart)))) {
                        return *failure;
                    }
                    cellStart = i + 1;
                }
            }
            continue;
        }
        splitCells(line, cells, unquoted);
        const bool blank = std::all_of(cells.begin(), cells.end(), [](std::string_view cell) { return cell.empty(); });
        if (blank) {
            continue;
        }
        const bool numeric = std::all_of(cells.begin(), cells.end(), [](std::string_view cell) {
            return cell.empty() || wholeNumber(cell).has_value();
        });
        if (firstRow && !numeric) {
            firstRow = false;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                column(i).header = std::string(cells[i]);
            }
            continue;
        }
        firstRow = false;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (!take(i, cells[i])) {
                return *failure;
            }
        }
    }
    return columns;
}

}  // namespace probel::cli
