// SPDX-License-Identifier: MIT
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace probel {

// The text a number shows in a text box or on the clipboard: at most 15 significant digits,
// no trailing zeros, "." as the point, a 0 before the point below 1 ("0.5", "-0.25"), and
// exponent form ("1E+16", "2.5E-07") when the exponent is below -4 or at least 15.
// Reading the text back with wholeNumber gives the value (for values that have 15 digits).
// Infinity and NaN give "Inf", "-Inf", "NaN", which no reader here takes back as a number.
std::string generalNumberText(double value);

// The form of a real in a document file: the shortest text that shows the value to
// `significantDigits` significant digits (15 for doubles, 7 for single-precision fields),
// no trailing zeros, no point for whole numbers, no zero before the point (".5", "-.25"),
// exponent form with a sign and at least two digits ("1E+16", "2.5E-07") when the
// exponent is below -4 or at least `significantDigits`. Users' existing files use this form,
// so a document written back stays byte for byte the same. `significantDigits` is clamped
// to 1 … 17. Infinity and NaN give "Inf", "-Inf", "NaN", which the document cannot hold:
// a writer checks std::isfinite first.
std::string realText(double value, int significantDigits = 15);
// realText appended to `out`, without a string of its own: what writers of many values use.
void appendRealText(std::string& out, double value, int significantDigits = 15);

// Reads the number at the start of a text: blanks, tabs, CR and LF anywhere are ignored
// ("1 000" -> 1000); an optional sign, digits with "." as the point, an optional exponent
// ("1e3" -> 1000); reading stops at the first character that cannot continue the number
// ("12abc" -> 12, "1,5" -> 1). A text that does not start with a number gives 0.
// "." is the point whatever the locale. A magnitude beyond the double range reads as the
// largest finite double of its sign, one too small for it as 0; "-0" reads as 0.
double leadingNumber(std::string_view text);

// The whole text as a number the scanner's way (see wholeNumber).
std::optional<double> scannedWholeNumber(std::string_view text);

// Whether the whole text is a number (blanks around it allowed) that wholeNumber refuses for
// its magnitude beyond the double range, so a message can say it is too large rather than
// not a number.
bool beyondNumberRange(std::string_view text);

// Of an unsigned number text that from_chars finds out of range: whether it is still no larger
// than the 15-digit text of the largest double, 1.79769313486232E+308. Documents and copied
// values hold that text for the largest double, so it reads back as that double.
bool readsAsLargestDouble(std::string_view number);

namespace detail {

// Powers of ten up to the 15 decimals of an exactly read number; a double holds each exactly.
inline constexpr double kExactPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

inline bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace detail

// A plain decimal number ("-12.5", ".5", "3e4") starting exactly at `first`: the end of the
// number, with its value in `value`, or nullptr when the text does not start with one (blanks,
// a plus sign, "inf") or its magnitude is out of range, which the scanner's way decides
// instead. Measurements ("50.1234") have at most 15 digits and no exponent: their digits as a
// whole number and the power of ten they are divided by are both exact doubles, so the one
// division gives the correctly rounded value, the same as from_chars, which reads the rest.
inline const char* plainDecimalNumber(const char* first, const char* last, double& value)
{
    constexpr int kExactDigits = 15;
    const bool negative = first != last && *first == '-';
    const char* at = negative ? first + 1 : first;
    if (at == last || !(detail::isDecimalDigit(*at) || *at == '.')) {
        return nullptr;
    }
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    for (; at != last && detail::isDecimalDigit(*at); ++at, ++digits) {
        whole = whole * 10 + static_cast<std::uint64_t>(*at - '0');
    }
    if (at != last && *at == '.') {
        for (++at; at != last && detail::isDecimalDigit(*at); ++at, ++digits, ++decimals) {
            whole = whole * 10 + static_cast<std::uint64_t>(*at - '0');
        }
    }
    const bool exponent = at != last && (*at == 'e' || *at == 'E');
    if (digits > 0 && digits <= kExactDigits && !exponent) {
        value = static_cast<double>(whole) / detail::kExactPowersOfTen[decimals];
        value = negative && value != 0.0 ? -value : value;  // "-0" reads as plain zero
        return at;
    }
    const auto read = std::from_chars(first, last, value);
    if (read.ec != std::errc{}) {
        return nullptr;
    }
    if (value == 0.0) {
        value = 0.0;  // "-0" reads as plain zero
    }
    return read.ptr;
}

// The whole text as a number: blanks (spaces, tabs, CR, LF) around it are allowed, anything
// else makes it fail ("1 000", "1e", "" fail). "." is the point whatever the locale.
// Infinities and NaN are refused, and so is a magnitude beyond the double range (but the
// largest double's own text), which would otherwise change the user's number unseen; one too
// small for a double reads as 0.
// Inline, since tables of a million values are read through it: a plain decimal number takes
// plainDecimalNumber; blanks, a plus sign, a magnitude out of range or anything else take the
// scanner's way.
inline std::optional<double> wholeNumber(std::string_view text)
{
    double value = 0.0;
    const char* last = text.data() + text.size();
    const char* numberEnd = plainDecimalNumber(text.data(), last, value);
    if (numberEnd != nullptr && numberEnd == last) {
        return value;
    }
    return scannedWholeNumber(text);
}

}  // namespace probel
