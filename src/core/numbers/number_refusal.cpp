// SPDX-License-Identifier: MIT
#include "core/numbers/number_refusal.h"

#include <algorithm>
#include <limits>

#include "core/numbers/full_width.h"
#include "core/numbers/number_text.h"
#include "core/util/blanks.h"
#include "core/util/text_excerpt.h"

namespace probel {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "1,234,567": groups of three digits after the first comma.
bool hasThousandsSeparators(std::string_view text)
{
    const std::size_t first = text.find(',');
    for (std::size_t comma = first; comma != std::string_view::npos; comma = text.find(',', comma + 1)) {
        const std::size_t next = std::min(text.find(',', comma + 1), text.size());
        const std::string_view group = text.substr(comma + 1, next - comma - 1);
        const std::size_t digits = std::find_if_not(group.begin(), group.end(), isDigit) - group.begin();
        // The last group may go on with a decimal part.
        if (digits != 3 || (next != text.size() && digits != group.size())) {
            return false;
        }
    }
    return first > 0 && isDigit(text[first - 1]);
}

// Each part between the separators is a number: the text is several columns of a table.
bool isNumbersSeparatedBy(std::string_view text, char separator)
{
    if (text.find(separator) == std::string_view::npos) {
        return false;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (!wholeNumber(text.substr(start, end - start))) {
            return false;
        }
        if (end == text.size()) {
            return true;
        }
        start = end + 1;
    }
}

}  // namespace

std::string numberRefusal(std::string_view text)
{
    if (beyondNumberRange(text)) {
        return "数値が大きすぎます (絶対値 " + generalNumberText(std::numeric_limits<double>::max()) + " まで)";
    }
    return "数値ではありません";
}

std::string quotedNumberRefusal(std::string_view text)
{
    return numberRefusal(text) + ": \"" + textExcerpt(text) + "\"";
}

bool hasLetters(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
    });
}

std::string notANumberReason(std::string_view text, bool firstLine)
{
    const std::string halfWidth = halfWidthNumberText(text);
    const std::string_view trimmed = trimBlanks(halfWidth);
    const std::string quoted = "「" + textExcerpt(trimmed) + "」";
    if (trimmed.empty()) {
        return "空です。数値を入れてください。";
    }
    if (beyondNumberRange(trimmed)) {
        return quoted + ": " + numberRefusal(trimmed) + "。";
    }
    if (trimmed.find('\t') != std::string_view::npos || isNumbersSeparatedBy(trimmed, ';')) {
        return quoted + "には複数の列があるようです。一つの列だけを使ってください。";
    }
    if (trimmed.find(',') != std::string_view::npos) {
        const bool decimalComma = std::count(trimmed.begin(), trimmed.end(), ',') == 1 && isDigit(trimmed.back());
        if (decimalComma || hasThousandsSeparators(trimmed) || !isNumbersSeparatedBy(trimmed, ',')) {
            return quoted + "にカンマがあります。小数点はピリオド (.) にし、桁区切りは付けないでください。";
        }
        return quoted + "には複数の列があるようです。一つの列だけを使ってください。";
    }
    if (firstLine && hasLetters(trimmed)) {
        return quoted + "は見出しの行のようです。見出しを除いてコピーしてください。";
    }
    return quoted + "は数値ではありません。";
}

}  // namespace probel
