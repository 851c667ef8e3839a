// SPDX-License-Identifier: MIT
#include "core/document/extension_scanner.h"

#include "core/document/field_values.h"
#include "core/document/line_breaks.h"
#include "core/document/sheet_format.h"

namespace probel {
namespace {

using sheet_format::isFieldBlank;
using sheet_format::isLineByte;
using sheet_format::kQuote;

constexpr char kEquals = '=';

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A setting's name: an ASCII letter, then ASCII letters and digits.
bool isName(std::string_view word)
{
    if (word.empty() || !isAsciiLetter(word.front())) {
        return false;
    }
    for (const char c : word) {
        if (!isAsciiLetter(c) && !isAsciiDigit(c)) {
            return false;
        }
    }
    return true;
}

std::string_view withoutTrailingBlanks(std::string_view text)
{
    while (!text.empty() && isFieldBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string recordShown(std::string_view text)
{
    return "拡張ブロックの「" + shownField(text) + "」";
}

}  // namespace

std::vector<std::string_view> blankSeparatedWords(std::string_view text)
{
    std::vector<std::string_view> found;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isFieldBlank(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && !isFieldBlank(text[at])) {
            ++at;
        }
        found.push_back(text.substr(start, at - start));
    }
    return found;
}

bool ExtensionScanner::skipBlankLines()
{
    while (position_ < bytes_.size()) {
        const char c = bytes_[position_];
        if (isFieldBlank(c)) {
            ++position_;
        } else if (isLineByte(c)) {
            consumeLineBreak();
        } else {
            return true;
        }
    }
    return false;
}

std::size_t ExtensionScanner::lineEnd(std::size_t from) const
{
    while (from < bytes_.size() && !isLineByte(bytes_[from])) {
        ++from;
    }
    return from;
}

void ExtensionScanner::consumeLineBreak()
{
    if (position_ >= bytes_.size()) {
        return;
    }
    const char c = bytes_[position_++];
    if (c == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n') {
        ++position_;
    }
    ++line_;
}

bool ExtensionScanner::nextLine(std::string_view& text, std::int64_t& line)
{
    if (!skipBlankLines()) {
        return false;
    }
    const std::size_t end = lineEnd(position_);
    text = withoutTrailingBlanks(bytes_.substr(position_, end - position_));
    line = line_;
    position_ = end;
    consumeLineBreak();
    return true;
}

ExtensionScanner::Outcome ExtensionScanner::nextRecord(ExtensionRecord& record, ExtensionFault& fault)
{
    if (!skipBlankLines()) {
        return Outcome::End;
    }
    const std::size_t start = position_;
    const std::size_t end = lineEnd(start);
    const std::string_view physical = withoutTrailingBlanks(bytes_.substr(start, end - start));
    record.line = line_;
    const auto malformed = [&fault](std::int64_t line, std::string reason) {
        fault = ExtensionFault{line, std::move(reason)};
        return Outcome::Malformed;
    };

    const std::size_t equals = physical.find(kEquals);
    if (equals == std::string_view::npos) {
        return malformed(record.line, recordShown(physical) + "に「名前=値」がありません。");
    }
    const std::string_view head = physical.substr(0, equals);
    if (head.find(kQuote) != std::string_view::npos) {
        return malformed(record.line, recordShown(head) + "の名前の前に「\"」があります。");
    }
    record.object = blankSeparatedWords(head);
    if (record.object.empty() || isFieldBlank(head.back()) || !isName(record.object.back())) {
        return malformed(record.line,
                         recordShown(head) + "の「=」の前に設定の名前（英字で始まる英数字）がありません。");
    }
    record.name = record.object.back();
    record.object.pop_back();
    if (record.object.empty()) {
        return malformed(record.line, recordShown(head) + "に設定の対象がありません。");
    }

    const std::size_t valueStart = start + equals + 1;
    if (valueStart < bytes_.size() && bytes_[valueStart] == kQuote) {
        const std::size_t close = bytes_.find(kQuote, valueStart + 1);
        if (close == std::string_view::npos) {
            return malformed(record.line, recordShown(head) + "の文字列に終わりの \" がありません。");
        }
        record.value = bytes_.substr(valueStart + 1, close - valueStart - 1);
        record.quoted = true;
        record.source = bytes_.substr(start, close + 1 - start);
        line_ += lineBreakCount(record.value);
        position_ = close + 1;
        while (position_ < bytes_.size() && isFieldBlank(bytes_[position_])) {
            ++position_;
        }
        const std::size_t junkEnd = lineEnd(position_);
        if (junkEnd != position_) {
            return malformed(line_, recordShown(head) + "の文字列の後に余分な「" +
                                        shownField(bytes_.substr(position_, junkEnd - position_)) + "」があります。");
        }
        consumeLineBreak();
        return Outcome::Record;
    }

    record.value = physical.substr(equals + 1);
    record.quoted = false;
    record.source = physical;
    if (record.value.empty()) {
        return malformed(record.line, recordShown(head) + "の値が空です。");
    }
    if (record.value.find(kQuote) != std::string_view::npos) {
        return malformed(record.line, recordShown(head) +
                                          "の値の途中に「\"」があります（文字列は「=」の直後から「\"」で囲みます）。");
    }
    position_ = end;
    consumeLineBreak();
    return Outcome::Record;
}

}  // namespace probel
