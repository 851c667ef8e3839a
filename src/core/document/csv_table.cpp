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

// The number of LFs in the text, counted in blocks small enough for a byte-wide count, which
// the compiler turns into wide vector compares (several times faster than std::count's).
std::size_t lineBreaks(std::string_view text)
{
    constexpr std::size_t kBlock = 255;
    std::size_t total = 0;
    for (std::size_t start = 0; start < text.size(); start += kBlock) {
        const std::size_t end = std::min(start + kBlock, text.size());
        unsigned char inBlock = 0;
        for (std::size_t i = start; i < end; ++i) {
            inBlock += static_cast<unsigned char>(text[i] == '\n');
        }
        total += inBlock;
    }
    return total;
}

class TableParser {
public:
    TableParser(std::string_view text, const std::string& sourceName) : text_(text), sourceName_(sourceName)
    {
        // Room for a value on every line in the columns of the first row, so a long column is
        // never copied as it grows (a column that starts later grows as usual).
        lineCount_ = lineBreaks(text) + 1;
    }

    Result<std::vector<CsvColumn>> parse()
    {
        const char* const textEnd = text_.data() + text_.size();
        for (std::size_t start = 0; start < text_.size();) {
            ++lineNumber_;
            if (nextQuote_ < start) {
                nextQuote_ = text_.find('"', start);
                quoteLineStart_ = nextQuote_ == std::string_view::npos ? nextQuote_ : lineStart(nextQuote_);
            }
            const char* end = nullptr;
            if (!firstRow_ && start != quoteLineStart_) {
                end = readPlainLine(text_.data() + start, textEnd);
            } else {
                const std::size_t lineEnd = std::min(text_.find('\n', start), text_.size());
                end = readLine(text_.substr(start, lineEnd - start)) ? text_.data() + lineEnd : nullptr;
            }
            if (end == nullptr) {
                return *failure_;
            }
            start = static_cast<std::size_t>(end - text_.data()) + 1;
        }
        return std::move(columns_);
    }

private:
    std::size_t lineStart(std::size_t at) const
    {
        const std::size_t lineBreak = text_.rfind('\n', at);
        return lineBreak == std::string_view::npos ? 0 : lineBreak + 1;
    }

    // A data line without quotes, from `line` to its LF or the text's end: each cell read where
    // it lies. A cell that is a plain number up to its delimiter, the usual kind, is read in the
    // same pass that finds its end (a number never holds an LF). Gives the line's end, or
    // nullptr with the error kept.
    const char* readPlainLine(const char* line, const char* textEnd)
    {
        const auto endsCell = [](char c) { return c == '\n' || isDelimiter(c); };
        const char* cell = line;
        for (std::size_t index = 0;; ++index) {
            double value = 0.0;
            const char* cellEnd = plainDecimalNumber(cell, textEnd, value);
            if (cellEnd != nullptr) {
                cellEnd = std::find_if(cellEnd, textEnd, [](char c) { return c != ' ' && c != '\r'; });
            }
            if (cellEnd != nullptr && (cellEnd == textEnd || endsCell(*cellEnd))) {
                store(index, value);
            } else {
                cellEnd = std::find_if(cell, textEnd, endsCell);
                if (!take(index, trimmed(std::string_view(cell, static_cast<std::size_t>(cellEnd - cell))))) {
                    return nullptr;
                }
            }
            if (cellEnd == textEnd || *cellEnd == '\n') {
                return cellEnd;
            }
            cell = cellEnd + 1;
        }
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
        const auto value = wholeNumber(cell);
        if (!value) {
            failure_ = Error{"数値ではありません: \"" + textExcerpt(cell) + "\"", sourceName_, lineNumber_,
                             static_cast<int>(index) + 1};
            return false;
        }
        store(index, *value);
        return true;
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
