// SPDX-License-Identifier: MIT
#include "core/document/csv_table.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <utility>

#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/stats/data.h"
#include "core/util/text_lines.h"

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

// The cells of a line with quotes, trimmed of blanks; quotes around a cell are removed. Only
// the first `limit` cells are kept, so a line of delimiters alone costs no memory; reading
// stops at a cell past them that holds text, whose 0-based index `pastLimit` gets.
std::vector<std::string> quotedCells(std::string_view line, std::size_t limit, std::optional<std::size_t>& pastLimit)
{
    std::vector<std::string> cells;
    std::size_t ended = 0;
    std::string cell;
    bool quoted = false;
    bool wasQuoted = false;
    // False once the cell ended is one past the limit with text in it.
    const auto endCell = [&] {
        const std::string_view text = wasQuoted ? std::string_view(cell) : trimmed(cell);
        if (ended < limit) {
            cells.emplace_back(text);
        } else if (!text.empty()) {
            pastLimit = ended;
            return false;
        }
        ++ended;
        cell.clear();
        wasQuoted = false;
        return true;
    };
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
            if (!endCell()) {
                return cells;
            }
        } else if (!wasQuoted || !isBlank(c)) {
            cell += c;
        }
    }
    endCell();
    return cells;
}

class TableParser {
public:
    TableParser(std::string_view text, const std::string& sourceName) : text_(text), sourceName_(sourceName)
    {
        // Room for a value on every line in the columns of the first row, so a long column is
        // never copied as it grows (a column that starts later grows as usual).
        lineCount_ = lineCount(text);
    }

    Result<std::vector<CsvColumn>> parse()
    {
        const char* const textEnd = text_.data() + text_.size();
        for (std::size_t start = 0; start < text_.size();) {
            ++lineNumber_;
            if (nextQuote_ < start) {
                nextQuote_ = text_.find('"', start);
                quoteLineStart_ = nextQuote_ == std::string_view::npos ? nextQuote_ : lineStartAt(text_, nextQuote_);
            }
            const char* end = nullptr;
            if (!firstRow_ && start != quoteLineStart_) {
                end = readPlainLine(text_.data() + start, textEnd);
            } else {
                const std::string_view line = lineAt(text_, start).text;
                end = readLine(line) ? line.data() + line.size() : nullptr;
            }
            if (end == nullptr) {
                return *failure_;
            }
            start = nextLineStart(text_, static_cast<std::size_t>(end - text_.data()));
        }
        return std::move(columns_);
    }

private:
    // A data line without quotes, from `line` to its line end or the text's end: each cell read
    // where it lies. A cell that is a plain number up to its delimiter, the usual kind, is read
    // in the same pass that finds its end (a number never holds a line end). Gives the line's
    // end, or nullptr with the error kept.
    const char* readPlainLine(const char* line, const char* textEnd)
    {
        const auto endsCell = [](char c) { return isLineEnd(c) || isDelimiter(c); };
        const char* cell = line;
        for (std::size_t index = 0;; ++index) {
            double value = 0.0;
            const char* cellEnd = plainDecimalNumber(cell, textEnd, value);
            if (cellEnd != nullptr) {
                cellEnd = std::find_if(cellEnd, textEnd, [](char c) { return c != ' '; });
            }
            if (cellEnd != nullptr && (cellEnd == textEnd || endsCell(*cellEnd))) {
                if (!withinColumnLimit(index)) {
                    return nullptr;
                }
                store(index, value);
            } else {
                cellEnd = std::find_if(cell, textEnd, endsCell);
                if (!take(index, trimmed(std::string_view(cell, static_cast<std::size_t>(cellEnd - cell))))) {
                    return nullptr;
                }
            }
            if (cellEnd == textEnd || isLineEnd(*cellEnd)) {
                return cellEnd;
            }
            cell = cellEnd + 1;
        }
    }

    // Any line: its cells listed first, since the first row may be the header.
    bool readLine(std::string_view line)
    {
        std::optional<std::size_t> pastLimit;
        std::vector<std::string> unquoted = quotedCells(line, kMaxSeriesPerGraph, pastLimit);
        if (pastLimit) {
            return withinColumnLimit(*pastLimit);  // false, with the error kept
        }
        const auto blank = [](const std::string& cell) { return cell.empty(); };
        if (std::all_of(unquoted.begin(), unquoted.end(), blank)) {
            return true;
        }
        if (firstRow_) {
            // No more room in all than the text can fill, a value taking two bytes with what
            // ends it: a wide row above a long run of empty lines must not reserve their product.
            reservedValues_ = std::min(lineCount_, (text_.size() + 1) / (2 * unquoted.size()));
        }
        const bool numeric = std::all_of(unquoted.begin(), unquoted.end(), [](const std::string& cell) {
            // A number too large to read is a number still, refused below, not a header.
            return cell.empty() || wholeNumber(cell).has_value() || beyondNumberRange(cell);
        });
        if (firstRow_ && !numeric) {
            firstRow_ = false;
            for (std::size_t i = 0; i < unquoted.size(); ++i) {
                column(i).header = std::move(unquoted[i]);
            }
            return true;
        }
        // The first row's columns are made while firstRow_ still holds, so they get their room.
        for (std::size_t i = 0; i < unquoted.size(); ++i) {
            if (!take(i, unquoted[i])) {
                return false;
            }
        }
        firstRow_ = false;
        return true;
    }

    // A data cell: skipped when blank; false, with the error kept, when not a number.
    bool take(std::size_t index, std::string_view cell)
    {
        if (cell.empty()) {
            return true;
        }
        if (!withinColumnLimit(index)) {
            return false;
        }
        const auto value = wholeNumber(cell);
        if (!value) {
            failure_ = Error{quotedNumberRefusal(cell), sourceName_, lineNumber_, static_cast<int>(index) + 1};
            return false;
        }
        store(index, *value);
        return true;
    }

    // Whether column `index` (0-based) may hold text; false, with the error kept, for one past
    // the series a graph takes, found before any more of the table is read.
    bool withinColumnLimit(std::size_t index)
    {
        if (index < kMaxSeriesPerGraph) {
            return true;
        }
        const std::string limit = std::to_string(kMaxSeriesPerGraph);
        failure_ = Error{"列が多すぎます。一つのグラフに描ける系列は " + limit + " 個までなので、表は " + limit +
                             " 列までにしてください。",
                         sourceName_, lineNumber_, static_cast<int>(std::min<std::size_t>(index + 1, INT_MAX))};
        return false;
    }

    void store(std::size_t index, double value)
    {
        CsvColumn& target = column(index);
        target.values.push_back(value);
        target.lines.push_back(lineNumber_);
    }

    // Inline for the usual case of a column that is there already.
    CsvColumn& column(std::size_t index) { return index < columns_.size() ? columns_[index] : addColumns(index); }

    CsvColumn& addColumns(std::size_t index)
    {
        while (columns_.size() <= index) {
            CsvColumn added;
            added.source = sourceName_;
            added.number = static_cast<int>(columns_.size()) + 1;
            if (firstRow_) {
                added.values.reserve(reservedValues_);
                added.lines.reserve(reservedValues_);
            }
            columns_.push_back(std::move(added));
        }
        return columns_[index];
    }

    std::string_view text_;
    const std::string& sourceName_;
    std::size_t lineCount_ = 0;
    std::size_t reservedValues_ = 0;
    std::vector<CsvColumn> columns_;
    int lineNumber_ = 0;
    bool firstRow_ = true;
    // Where the next quote lies at or after the line being read, and where its line starts
    // (npos: none).
    std::size_t nextQuote_ = 0;
    std::size_t quoteLineStart_ = 0;
    std::optional<Error> failure_;
};

}  // namespace

Result<std::vector<CsvColumn>> parseCsvTable(std::string_view text, const std::string& sourceName)
{
    return TableParser(text, sourceName).parse();
}

}  // namespace probel
