// SPDX-License-Identifier: MIT
#include "core/document/field_values.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "core/document/cp932.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/util/text_excerpt.h"

namespace probel {
namespace {

constexpr std::size_t kMostInt32Digits = 10;
// Up to this many digits a decimal's digits as a whole number and the power of ten below its
// point are both exact doubles, so one division rounds it correctly, as from_chars does.
constexpr int kExactDigits = 15;
constexpr char kFirstPrintable = 0x20;
constexpr char kLastPrintable = 0x7E;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The unsigned decimal "ddd.ddd" (".5" and "5." too) that is the whole of [at, end), of at most
// kExactDigits digits and without an exponent: what measurements look like. Empty for any
// other text, which from_chars then reads.
std::optional<double> shortPlainDecimal(const char* at, const char* end)
{
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    for (; at != end && isDigit(*at); ++at, ++digits) {
        whole = whole * 10 + static_cast<std::uint64_t>(*at - '0');
    }
    if (at != end && *at == '.') {
        for (++at; at != end && isDigit(*at); ++at, ++digits, ++decimals) {
            whole = whole * 10 + static_cast<std::uint64_t>(*at - '0');
        }
    }
    if (at != end || digits == 0 || digits > kExactDigits) {
        return std::nullopt;
    }
    return static_cast<double>(whole) / detail::kExactPowersOfTen[decimals];
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
    if (const std::optional<double> plain = shortPlainDecimal(at, end)) {
        return negative ? -*plain : *plain;
    }
    double value = 0;
    const auto read = std::from_chars(at, end, value);
    if (read.ptr != end) {
        return std::nullopt;
    }
    if (read.ec == std::errc::result_out_of_range) {
        if (!readsAsLargestDouble(std::string_view(at, static_cast<std::size_t>(end - at)))) {
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
    // A byte more than an excerpt holds, so that a longer field is cut with its "…"; a lead
    // byte parted from its second byte by the cut is dropped rather than failing the decoding.
    std::string_view part = bytes.substr(0, kExcerptBytes + 1);
    Result<std::string> decoded = decodeCp932(part);
    if (!decoded.ok() && part.size() > 1) {
        part.remove_suffix(1);
        decoded = decodeCp932(part);
    }
    std::string shown;
    if (decoded.ok()) {
        shown = decoded.value();
    } else {
        for (const char c : part) {
            shown.push_back(c >= kFirstPrintable && c <= kLastPrintable ? c : '?');
        }
    }
    shown = textExcerpt(shown);
    if (bytes.size() > part.size() && !shown.ends_with("…")) {
        shown += "…";
    }
    return shown;
}

}  // namespace probel
