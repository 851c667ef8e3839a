// SPDX-License-Identifier: MIT
#include "core/stats/clipboard_values.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/numbers/full_width.h"
#include "core/numbers/number_text.h"

namespace probel {
namespace {

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

// The number of lines of a text whose last line has no line end. One branch-free pass, which
// the compiler vectorises: a CR ends a line unless an LF follows it and ends it instead.
std::size_t lineCount(std::string_view text)
{
    constexpr std::size_t kBlock = 255;  // what an 8-bit counter can hold
    std::size_t ends = 0;
    const std::size_t scanned = text.empty() ? 0 : text.size() - 1;
    for (std::size_t block = 0; block < scanned; block += kBlock) {
        const std::size_t blockEnd = std::min(block + kBlock, scanned);
        std::uint8_t blockEnds = 0;
        for (std::size_t at = block; at < blockEnd; ++at) {
            blockEnds += static_cast<std::uint8_t>((text[at] == '\n') | ((text[at] == '\r') & (text[at + 1] != '\n')));
        }
        ends += blockEnds;
    }
    return ends + 1;
}

struct Line {
    std::string_view text;
    std::size_t next = 0;  // where the line after it starts
    bool ascii = true;
};

// The line starting at `start` and, in the same pass, whether it holds non-ASCII bytes.
Line lineAt(std::string_view text, std::size_t start)
{
    constexpr unsigned char kFirstNonAscii = 0x80;
    unsigned char high = 0;
    std::size_t end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') {
        high |= static_cast<unsigned char>(text[end]) & kFirstNonAscii;
        ++end;
    }
    const std::size_t lineEnd = text.substr(end, kCrLf.size()) == kCrLf ? kCrLf.size() : 1;
    return {text.substr(start, end - start), end + lineEnd, high == 0};
}

}  // namespace

PastedValues pasteValues(std::string_view text, std::span<double> store)
{
    text = withoutTrailingBlanks(text);
    if (text.empty()) {
        return {};
    }
    if (lineCount(text) > store.size()) {
        return {PastedValues::Status::TooManyLines, 0, 0};
    }
    std::size_t taken = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const Line line = lineAt(text, start);
        const std::optional<double> value =
            line.ascii ? wholeNumber(line.text) : wholeNumber(halfWidthNumberText(line.text));
        if (!value) {
            return {PastedValues::Status::NotANumber, taken, taken + 1};
        }
        store[taken++] = *value;
        start = line.next;
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
