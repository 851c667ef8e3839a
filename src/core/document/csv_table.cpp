// SPDX-License-Identifier: MIT
#include "core/document/csv_table.h"

#include <algorithm>
#include <optional>

#include "core/numbers/number_text.h"
#include "core/util/text_excerpt.h"

namespace probel {
namespace {

bool isDelimiter(char c)
{
    return c == ',' || c == '\t' || c == ';';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

// The cells of a line with quotes, trimmed of blanks; quotes around a cell are removed.
std::vector<std::string> quotedCells(std::string_view line)
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
            cells.push_back(wasQuoted ? cell : std::string(trimmed(cell)));
            cell.clear();
            wasQuoted = false;
        } else if (!wasQuoted || !isBlank(c)) {
            cell += c;
        }
    }
    cells.push_back(wasQuoted ? cell : std::string(trimmed(cell)));
    return cells;
}

class TableParser {
public:
    TableParser(std::string_view text, const std::string& sourceName) : text_(text), sourceName_(sourceName)
    {
        // Room for a value on every line in the columns of the first row, so a long column is
        // never copied as it grows (a column that starts later grows as usual).
        lineCount_ = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    }

    Result<std::vector<CsvColumn>> parse()
    {
        for (std::size_t start = 0; start < text_.size();) {
            const std::size_t end = std::min(text_.find('\n', start), text_.size());
            ++lineNumber_;
            if (nextQuote_ < start) {
                nextQuote_ = text_.find('"', start);
            }
            const std::string_view line = text_.substr(start, end - start);
            const bool read = !firstRow_ && nextQuote_ >= end ? readPlainLine(line) : readLine(line);
            if (!read) {
                return *failure_;
            }
            start = end + 1;
        }
        return std::move(columns_);
    }

private:
    // A data line without quotes: each cell read where it lies.
    bool readPlainLine(std::string_view line)
    {
        std::size_t cellStart = 0;
        std::size_t index = 0;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i == line.size() || isDelimiter(line[i])) {
                if (!take(index++, trimmed(line.substr(cellStart, i - cellStart)))) {
                    return false;
                }
                cellStart = i + 1;
            }
        }
        return true;
    }

    // Any line: its cells listed first, since the first row may be the header.
    bool readLine(std::string_view line)
    {
        std::vector<std::string> unquoted = quotedCells(line);
        const auto blank = [](const std::string& cell) { return cell.empty(); };
        if (std::all_of(unquoted.begin(), unquoted.end(), blank)) {
            return true;
        }
        const bool numeric = std::all_of(unquoted.begin(), unquoted.end(), [](const std::string& cell) {
            return cell.empty() || wholeNumber(cell).has_value();
        });
        if (firstRow_ && !numeric) {
            firstRow_ = false;
            for (std::size_t i = 0; i < unquoted.size(); ++i) {
                column(i).header = unquoted[i];
            }
            return true;
        }
        firstRow_ = false;
        for (std::size_t i = 0; i < unquoted.size(); ++i) {
            if (!take(i, unquoted[i])) {
                return false;
            }
        }
        return true;
    }

    // A data cell: skipped when blank; false, with the error kept, when not a number.
    bool take(std::size_t index, std::string_view cell)
    {
        if (cell.empty()) {
            return true;
        }
        const auto value = wholeNumber(cell);
        if (!value) {
            failure_ = Error{"数値ではありません: \"" + textExcerpt(cell) + "\"", sourceName_, lineNumber_,
                             static_cast<int>(index) + 1};
            return false;
        }
        CsvColumn& target = column(index);
        target.values.push_back(*value);
        target.lines.push_back(lineNumber_);
        return true;
    }

    CsvColumn& column(std::size_t index)
    {
        while (columns_.size() <= index) {
            CsvColumn added;
            added.source = sourceName_;
            added.number = static_cast<int>(columns_.size()) + 1;
            if (firstRow_) {
                added.values.reserve(lineCount_);
                added.lines.reserve(lineCount_);
            }
            columns_.push_back(std::move(added));
        }
        return columns_[index];
    }

    std::string_view text_;
    const std::string& sourceName_;
    std::size_t lineCount_ = 0;
    std::vector<CsvColumn> columns_;
    int lineNumber_ = 0;
    bool firstRow_ = true;
    // Where the next quote lies at or after the line being read (npos: none).
    std::size_t nextQuote_ = 0;
    std::optional<Error> failure_;
};

}  // namespace

Result<std::vector<CsvColumn>> parseCsvTable(std::string_view text, const std::string& sourceName)
{
    return TableParser(text, sourceName).parse();
}

}  // namespace probel
