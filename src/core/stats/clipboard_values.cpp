// SPDX-License-Identifier: MIT
#include "core/stats/clipboard_values.h"

#include <algorithm>
#include <optional>

#include "core/numbers/full_width.h"
#include "core/numbers/number_text.h"

namespace probel {
namespace {

constexpr std::string_view kLineEnds = "\r\n";
constexpr std::string_view kCrLf = "\r\n";
// Blanks that may trail the last number, the ideographic space among them.
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
// Room for the longest general number text ("-1.23456789012345E-308") and its line end.
constexpr std::size_t kCopyBytesPerValue = 24;

bool isAsciiBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without the blank lines (and blanks) at its end.
std::string_view withoutTrailingBlanks(std::string_view text)
{
    while (!text.empty()) {
        if (isAsciiBlank(text.back())) {
            text.remove_suffix(1);
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            break;
        }
    }
    return text;
}

// The line count of a non-empty text, counting no further than `limit` + 1.
std::size_t lineCount(std::string_view text, std::size_t limit)
{
    std::size_t lines = 1;
    for (std::size_t at = 0; at < text.size() && lines <= limit; ++at) {
        if (text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
            ++lines;
        }
    }
    return lines;
}

std::optional<double> lineNumber(std::string_view line)
{
    return hasNonAscii(line) ? wholeNumber(halfWidthNumberText(line)) : wholeNumber(line);
}

}  // namespace

PastedValues pasteValues(std::string_view text, std::span<double> store)
{
    text = withoutTrailingBlanks(text);
    if (text.empty()) {
        return {};
    }
    if (lineCount(text, store.size()) > store.size()) {
        return {PastedValues::Status::TooManyLines, 0, 0};
    }
    std::size_t taken = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(kLineEnds, start), text.size());
        const std::optional<double> value = lineNumber(text.substr(start, end - start));
        if (!value) {
            return {PastedValues::Status::NotANumber, taken, taken + 1};
        }
        store[taken++] = *value;
        start = end + (text.substr(end, kCrLf.size()) == kCrLf ? kCrLf.size() : 1);
    }
    return {PastedValues::Status::Complete, taken, 0};
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
