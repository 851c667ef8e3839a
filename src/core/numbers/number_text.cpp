// SPDX-License-Identifier: MIT
#include "core/numbers/number_text.h"

#include "core/numbers/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <system_error>

namespace probel {
namespace {

constexpr int kGeneralSignificantDigits = 15;
// Plain form down to 0.0001; smaller magnitudes switch to the exponent form, as %G does.
constexpr std::int64_t kSmallestPlainExponent = -4;
constexpr std::size_t kMinimumExponentDigits = 2;
// An exponent beyond this cannot change whether a text overflows or underflows.
constexpr std::int64_t kExponentCap = 1000000;
// The 15-digit text of the largest double, 1.79769313486232E+308: its digits and the place
// of the first.
constexpr std::string_view kLargestDigits = "179769313486232";
constexpr std::int64_t kLargestPlace = 308;

std::string nonFiniteText(double value)
{
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

// Room for any text decimalTextTo writes: a sign, 17 digits, a point, up to four zeros after
// it, or an exponent of "E-" and three digits.
constexpr std::size_t kDecimalTextBytes = 32;

char* appendChars(char* out, std::string_view text)
{
    return std::copy(text.begin(), text.end(), out);
}

// %.{N}G without trailing zeros, written by hand so that the point is "." in every locale,
// into `out` (kDecimalTextBytes at least); returns the end.
char* decimalTextTo(char* out, double value, int significantDigits, bool zeroBeforePoint)
{
    if (!std::isfinite(value)) {
        return appendChars(out, nonFiniteText(value));
    }
    const RoundedDigits number = roundedDigits(value, significantDigits);
    if (number.count == 0) {
        *out++ = '0';
        return out;
    }
    const char* const digits = number.digits.data();
    const auto count = static_cast<std::size_t>(number.count);
    const std::int64_t exponent = number.exponent;
    const std::int64_t precision = std::clamp(significantDigits, 1, 17);

    if (number.negative) {
        *out++ = '-';
    }
    if (exponent < kSmallestPlainExponent || exponent >= precision) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + count, out);
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        std::array<char, 24> exponentText{};
        const auto end = std::to_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                                       exponent < 0 ? -exponent : exponent);
        const auto length = static_cast<std::size_t>(end.ptr - exponentText.data());
        out = std::fill_n(out, kMinimumExponentDigits > length ? kMinimumExponentDigits - length : 0, '0');
        out = std::copy(exponentText.data(), end.ptr, out);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        out = std::copy(digits, digits + std::min(count, integerDigits), out);
        if (count < integerDigits) {
            out = std::fill_n(out, integerDigits - count, '0');
        } else if (count > integerDigits) {
            *out++ = '.';
            out = std::copy(digits + integerDigits, digits + count, out);
        }
    } else {
        if (zeroBeforePoint) {
            *out++ = '0';
        }
        *out++ = '.';
        out = std::fill_n(out, static_cast<std::size_t>(-exponent - 1), '0');
        out = std::copy(digits, digits + count, out);
    }
    return out;
}

std::string decimalText(double value, int significantDigits, bool zeroBeforePoint)
{
    std::array<char, kDecimalTextBytes> text{};
    char* const end = decimalTextTo(text.data(), value, significantDigits, zeroBeforePoint);
    return std::string(text.data(), end);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at])) {
        ++at;
    }
    return at;
}

// Length of the number at the start of the text: an optional sign, digits with an optional
// point (at least one digit), then an exponent only when digits follow its letter; 0 when
// the text does not start with a number.
std::size_t scanNumber(std::string_view text)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t integerEnd = skipDigits(text, at);
    bool anyDigit = integerEnd > at;
    at = integerEnd;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionEnd = skipDigits(text, at + 1);
        if (anyDigit || fractionEnd > at + 1) {
            anyDigit = true;
            at = fractionEnd;
        }
    }
    if (!anyDigit) {
        return 0;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t digitsStart = at + 1;
        if (digitsStart < text.size() && (text[digitsStart] == '+' || text[digitsStart] == '-')) {
            ++digitsStart;
        }
        const std::size_t exponentEnd = skipDigits(text, digitsStart);
        if (exponentEnd > digitsStart) {
            at = exponentEnd;
        }
    }
    return at;
}

// Place of the first non-zero digit of an unsigned scanned number, exponent included; only
// its sign matters, to tell an overflow from an underflow.
std::int64_t leadingPlace(std::string_view number)
{
    std::int64_t exponent = 0;
    const std::size_t letter = number.find_first_of("eE");
    if (letter != std::string_view::npos) {
        const bool negative = number[letter + 1] == '-';
        for (std::size_t i = letter + 1; i < number.size(); ++i) {
            if (isDigit(number[i]) && exponent < kExponentCap) {
                exponent = exponent * 10 + (number[i] - '0');
            }
        }
        if (negative) {
            exponent = -exponent;
        }
        number = number.substr(0, letter);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t first = number.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const auto offset = static_cast<std::int64_t>(first) - static_cast<std::int64_t>(point);
    return exponent + (offset < 0 ? -offset - 1 : -offset);
}

// Converts a text that scanNumber accepted in full; empty when its magnitude lies beyond the
// double range (see readsAsLargestDouble). One too small for a double reads as 0.
std::optional<double> convertScanned(std::string_view number)
{
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') {
        number.remove_prefix(1);
    }
    double magnitude = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (read.ec == std::errc::result_out_of_range) {
        if (leadingPlace(number) <= 0) {
            magnitude = 0.0;
        } else if (readsAsLargestDouble(number)) {
            magnitude = std::numeric_limits<double>::max();
        } else {
            return std::nullopt;
        }
    }
    if (magnitude == 0.0) {
        return 0.0;  // "-0" reads as plain zero
    }
    return negative ? -magnitude : magnitude;
}

// The whole text without the blanks around it, when it is a number scanNumber takes in full.
std::optional<std::string_view> scannedWhole(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const std::size_t length = scanNumber(text);
    if (length == 0 || length != text.size()) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::string generalNumberText(double value)
{
    return decimalText(value, kGeneralSignificantDigits, true);
}

std::string realText(double value, int significantDigits)
{
    return decimalText(value, significantDigits, false);
}

void appendRealText(std::string& out, double value, int significantDigits)
{
    std::array<char, kDecimalTextBytes> text{};
    out.append(text.data(), decimalTextTo(text.data(), value, significantDigits, false));
}

bool readsAsLargestDouble(std::string_view number)
{
    const std::size_t letter = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, letter);
    std::int64_t exponent = 0;
    if (letter != std::string_view::npos) {
        std::string_view digits = number.substr(letter + 1);
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

double leadingNumber(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact), [](char c) { return !isBlank(c); });
    const std::size_t length = scanNumber(compact);
    if (length == 0) {
        return 0.0;
    }
    const std::string_view number = std::string_view(compact).substr(0, length);
    if (const std::optional<double> value = convertScanned(number)) {
        return *value;
    }
    constexpr double kLargest = std::numeric_limits<double>::max();
    return number.front() == '-' ? -kLargest : kLargest;
}

std::optional<double> scannedWholeNumber(std::string_view text)
{
    const std::optional<std::string_view> number = scannedWhole(text);
    return number ? convertScanned(*number) : std::nullopt;
}

bool beyondNumberRange(std::string_view text)
{
    const std::optional<std::string_view> number = scannedWhole(text);
    return number && !convertScanned(*number);
}

}  // namespace probel
