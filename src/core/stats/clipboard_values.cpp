// SPDX-License-Identifier: MIT
#include "core/stats/clipboard_values.h"

#include <optional>

#include "core/numbers/full_width.h"
#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/util/blanks.h"
#include "core/util/text_lines.h"

namespace probel {
namespace {

constexpr std::string_view kCrLf = "\r\n";
// Room for the longest general number text ("-1.23456789012345E-308") and its line end.
constexpr std::size_t kCopyBytesPerValue = 24;

// The text without the blank lines (and blanks, the ideographic space among them) at its end.
std::string_view withoutTrailingBlanks(std::string_view text)
{
    return trimTrailingBlanks(text, " \t\r\n");
}

bool isAscii(std::string_view text)
{
    constexpr unsigned char kFirstNonAscii = 0x80;
    unsigned char high = 0;
    for (const char c : text) {
        high |= static_cast<unsigned char>(c) & kFirstNonAscii;
    }
    return high == 0;
}

}  // namespace

PastedValues pasteValues(std::string_view text, std::span<double> store)
{
    text = withoutTrailingBlanks(text);
    if (text.empty()) {
        return {};
    }
    if (lineCount(text) > store.size()) {
        return {PastedValues::Status::TooManyLines, 0, 0, false, {}};
    }
    std::size_t taken = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const TextLine line = lineAt(text, start);
        // Full-width forms are looked for only where there can be any: most lines are ASCII.
        const bool ascii = isAscii(line.text);
        const std::string halfWidth = ascii ? std::string() : halfWidthNumberText(line.text);
        const std::string_view number = ascii ? line.text : std::string_view(halfWidth);
        const std::optional<double> value = wholeNumber(number);
        if (!value) {
            return {PastedValues::Status::NotANumber, taken, taken + 1, beyondNumberRange(number),
                    std::string(line.text)};
        }
        store[taken++] = *value;
        start = line.next;
    }
    return {PastedValues::Status::Complete, taken, 0, false, {}};
}

bool isTableText(std::string_view text)
{
    std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return false;
    }
    start = text.find_last_of("\r\n", start);
    start = start == std::string_view::npos ? 0 : start + 1;
    const std::string_view line = lineAt(text, start).text;
    if (line.find_first_of("\t;") != std::string_view::npos) {
        return true;
    }
    const std::string halfWidth = halfWidthNumberText(line);
    return !wholeNumber(halfWidth) && !beyondNumberRange(halfWidth) && hasLetters(line);
}

std::string copyText(std::span<const double> values)
{
    std::string text;
    text.reserve(values.size() * kCopyBytesPerValue);
    for (const double value : values) {
        text += generalNumberText(value);
        text += kCrLf;
    }
    return text;
}

}  // namespace probel
