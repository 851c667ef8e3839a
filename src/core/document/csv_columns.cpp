// SPDX-License-Identifier: MIT
#include "core/document/csv_columns.h"

#include <istream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "core/document/cp932.h"
#include "core/numbers/number_text.h"
#include "core/util/text_excerpt.h"
#include "core/util/utf8.h"

namespace probel {
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

// The cells of one line, trimmed of blanks; quotes around a cell are removed.
std::vector<std::string> splitCells(std::string_view line)
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

    std::vector<CsvColumn> columns;
    const auto column = [&](std::size_t index) -> CsvColumn& {
        while (columns.size() <= index) {
            CsvColumn added;
            added.source = sourceName;
            added.number = static_cast<int>(columns.size()) + 1;
            columns.push_back(std::move(added));
        }
        return columns[index];
    };

    std::istringstream lines(text.value());
    std::string line;
    int lineNumber = 0;
    bool firstRow = true;
    while (std::getline(lines, line)) {
        ++lineNumber;
        const std::vector<std::string> cells = splitCells(line);
        bool blank = true;
        bool numeric = true;
        for (const auto& cell : cells) {
            if (!cell.empty()) {
                blank = false;
                numeric = numeric && wholeNumber(cell).has_value();
            }
        }
        if (blank) {
            continue;
        }
        if (firstRow && !numeric) {
            firstRow = false;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                column(i).header = cells[i];
            }
            continue;
        }
        firstRow = false;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty()) {
                continue;
            }
            const auto value = wholeNumber(cells[i]);
            if (!value) {
                return Error{"数値ではありません: \"" + textExcerpt(cells[i]) + "\"", sourceName, lineNumber,
                             static_cast<int>(i) + 1};
            }
            CsvColumn& target = column(i);
            target.values.push_back(*value);
            target.lines.push_back(lineNumber);
        }
    }
    return columns;
}

}  // namespace probel
