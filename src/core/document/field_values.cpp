// SPDX-License-Identifier: MIT
#include "core/document/field_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/document/cp932.h"
#include "core/numbers/rounding.h"
#include "core/util/text_excerpt.h"

namespace probel {
namespace {

constexpr std::size_t kMostInt32Digits = 10;
constexpr char kFirstPrintable = 0x20;
constexpr char kLastPrintable = 0x7E;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The 15-digit text of the largest double, 1.79769313486232E+308, lies just above it; a
// document holds it for a value that was the largest double, so it reads back as that.
constexpr std::string_view kLargestDigits = "179769313486232";
constexpr std::int64_t kLargestPlace = 308;
constexpr std::int64_t kExponentCap = 100000;

// Whether an unsigned real text that overflowed is no larger than the largest double's
// 15-digit text.
bool withinLargestText(std::string_view text)
{
    const std::size_t letter = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, letter);
    std::int64_t exponent = 0;
    if (letter != std::string_view::npos) {
        std::string_view digits = text.substr(letter + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        for (const char c : digits) {
            exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
        }
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::string significant;
    std::int64_t firstPlace = 0;
    for (std::size_t at = 0; at < mantissa.size(); ++at) {
        const char c = mantissa[at];
        if (c == '.' || (significant.empty() && c == '0')) {
            continue;
        }
        if (significant.empty()) {
            firstPlace =
                at < point ? static_cast<std::int64_t>(point - at) - 1 : -static_cast<std::int64_t>(at - point);
        }
        significant.push_back(c);
    }
    if (significant.empty() || firstPlace + exponent != kLargestPlace) {
        return false;
    }
    while (!significant.empty() && significant.back() == '0') {
        significant.pop_back();
    }
    std::string largest(kLargestDigits);
    const std::size_t width = std::max(significant.size(), largest.size());
    significant.resize(width, '0');
    largest.resize(width, '0');
    return significant <= largest;
}

}  // namespace

std::optional<double> realField(std::string_view text)
{
    const char* at = text.data();
    const char* const end = at + text.size();
    bool negative = false;
    if (at != end && (*at == '+' || *at == '-')) {
        negative = *at == '-';
        ++at;
    }
    // from_chars would also take "inf", "nan" and a sign of its own.
    if (at == end || !(isDigit(*at) || *at == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto read = std::from_chars(at, end, value);
    if (read.ptr != end) {
        return std::nullopt;
    }
    if (read.ec == std::errc::result_out_of_range) {
        if (!withinLargestText(std::string_view(at, static_cast<std::size_t>(end - at)))) {
            return std::nullopt;
        }
        value = std::numeric_limits<double>::max();
    } else if (read.ec != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

WholeField wholeField(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return {WholeKind::NotWhole, 0};
    }
    for (const char c : text) {
        if (!isDigit(c)) {
            return {WholeKind::NotWhole, 0};
        }
    }
    while (text.size() > 1 && text.front() == '0') {
        text.remove_prefix(1);
    }
    std::int64_t magnitude = 0;
    if (text.size() > kMostInt32Digits) {
        return {WholeKind::OutOfRange, 0};
    }
    std::from_chars(text.data(), text.data() + text.size(), magnitude);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return {WholeKind::OutOfRange, 0};
    }
    return {WholeKind::Whole, static_cast<std::int32_t>(value)};
}

WholeField integerPropertyField(std::string_view text)
{
    const WholeField whole = wholeField(text);
    if (whole.kind != WholeKind::NotWhole) {
        return whole;
    }
    const std::optional<double> real = realField(text);
    if (!real) {
        return {WholeKind::NotWhole, 0};
    }
    const std::optional<std::int32_t> rounded = toInt32HalfEven(*real);
    if (!rounded) {
        return {WholeKind::OutOfRange, 0};
    }
    return {WholeKind::Whole, *rounded};
}

std::string shownField(std::string_view bytes)
{
    const std::string_view part = bytes.substr(0, kExcerptBytes);
    std::string shown;
    const Result<std::string> decoded = decodeCp932(part);
    if (decoded.ok()) {
        shown = decoded.value();
    } else {
        for (const char c : part) {
            shown.push_back(c >= kFirstPrintable && c <= kLastPrintable ? c : '?');
        }
    }
    if (bytes.size() > part.size()) {
        shown += "…";
    }
    return shown;
}

}  // namespace probel
