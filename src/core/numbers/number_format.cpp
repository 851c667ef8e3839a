// SPDX-License-Identifier: MIT
#include "core/numbers/number_format.h"

#include "core/numbers/decimal_digits.h"
#include "core/numbers/number_pattern.h"
#include "core/numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace probel {
namespace {

// Users read a double to 15 significant digits; the pattern rounds those, so 2.345 with
// "0.##" gives 2.35 although the binary value lies just below 2.345.
constexpr int kSignificantDigits = 15;
// More placeholders than this cannot change the digits of any double; the cap only keeps
// place arithmetic small.
constexpr std::size_t kPlaceholderCap = 100000;

std::int64_t capped(std::size_t count)
{
    return static_cast<std::int64_t>(std::min(count, kPlaceholderCap));
}

struct NumberParts {
    bool negative = false;
    std::string integer;   // digits before the point, already padded as the pattern asks
    std::string fraction;  // digits after the point
    bool exponentNegative = false;
    std::string exponent;  // digits of the exponent's magnitude
};

// The digits at places highest … lowest, highest first; empty when highest < lowest.
std::string digitRun(const DecimalDigits& number, std::int64_t highest, std::int64_t lowest)
{
    std::string run;
    if (highest < lowest) {
        return run;
    }
    run.reserve(static_cast<std::size_t>(highest - lowest + 1));
    for (std::int64_t place = highest; place >= lowest; --place) {
        run.push_back(number.digitAt(place));
    }
    return run;
}

void padLeft(std::string& text, std::size_t width, char fill)
{
    if (text.size() < width) {
        text.insert(0, width - text.size(), fill);
    }
}

std::int64_t lastPlace(const DecimalDigits& number)
{
    return number.exponent() - static_cast<std::int64_t>(number.digits().size()) + 1;
}

void finishMantissa(NumberParts& parts, const NumberPattern& pattern)
{
    padLeft(parts.integer, pattern.integerMinimum, '0');
    if (parts.fraction.size() < pattern.fractionMinimum) {
        parts.fraction.append(pattern.fractionMinimum - parts.fraction.size(), '0');
    }
    if (parts.integer.empty() && parts.fraction.empty()) {
        parts.integer.assign(1, '0');  // "#.#" of 0 still shows a digit
    }
}

NumberParts fixedParts(double value, const NumberPattern& pattern)
{
    DecimalDigits number = DecimalDigits::fromDouble(value, kSignificantDigits);
    number.roundAtPlace(-capped(pattern.fractionDigits));

    NumberParts parts;
    parts.negative = number.negative();
    if (!number.isZero()) {
        parts.integer = digitRun(number, number.exponent(), 0);
        parts.fraction = digitRun(number, -1, lastPlace(number));
    }
    finishMantissa(parts, pattern);
    return parts;
}

NumberParts scientificParts(double value, const NumberPattern& pattern)
{
    // The mantissa fills every integer placeholder: "00.0E+0" of 12345 is 12.3E+3.
    std::int64_t integerDigits = capped(pattern.integerDigits);
    if (integerDigits == 0 && pattern.fractionDigits == 0) {
        integerDigits = 1;
    }
    DecimalDigits number = DecimalDigits::fromDouble(value, kSignificantDigits);
    number.roundToSignificant(integerDigits + capped(pattern.fractionDigits));

    NumberParts parts;
    std::int64_t exponent = 0;
    if (!number.isZero()) {
        parts.negative = number.negative();
        exponent = number.exponent() - integerDigits + 1;
        parts.integer = digitRun(number, number.exponent(), exponent);
        parts.fraction = digitRun(number, exponent - 1, lastPlace(number));
    }
    finishMantissa(parts, pattern);

    parts.exponentNegative = exponent < 0;
    std::array<char, 24> text{};
    const std::int64_t magnitude = exponent < 0 ? -exponent : exponent;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), magnitude);
    parts.exponent.assign(text.data(), end.ptr);
    padLeft(parts.exponent, pattern.exponentMinimum, '0');
    return parts;
}

// Hands the digits of one part out over its placeholders, right-aligned: surplus digits
// all go to the leftmost placeholder, missing ones leave the leftmost placeholders empty.
class DigitSpreader {
public:
    DigitSpreader(const std::string& digits, std::size_t placeholders, bool grouping)
        : digits_(digits), placeholders_(placeholders), grouping_(grouping)
    {
    }

    void emitNext(std::string& out)
    {
        const std::size_t count = digits_.size();
        const std::size_t slot = next_++;
        if (count >= placeholders_) {
            const std::size_t surplus = count - placeholders_;
            emitRange(out, slot == 0 ? 0 : surplus + slot, surplus + slot + 1);
        } else if (slot >= placeholders_ - count) {
            const std::size_t index = slot - (placeholders_ - count);
            emitRange(out, index, index + 1);
        }
    }

    void emitAll(std::string& out) { emitRange(out, 0, digits_.size()); }

private:
    void emitRange(std::string& out, std::size_t from, std::size_t to)
    {
        const std::size_t count = digits_.size();
        for (std::size_t i = from; i < to && i < count; ++i) {
            out.push_back(digits_[i]);
            if (grouping_ && i + 1 < count && (count - 1 - i) % 3 == 0) {
                out.push_back(',');
            }
        }
    }

    const std::string& digits_;
    std::size_t placeholders_;
    bool grouping_;
    std::size_t next_ = 0;
};

std::string layout(const NumberPattern& pattern, const NumberParts& parts)
{
    using Kind = NumberPattern::Kind;
    std::string out;
    if (parts.negative) {
        out.push_back('-');
    }
    DigitSpreader integer(parts.integer, pattern.integerDigits, pattern.grouping);
    DigitSpreader exponent(parts.exponent, pattern.exponentDigits, false);
    // With no integer placeholder (".##") the integer digits stand just before the point
    // or the exponent mark.
    bool integerPlaced = pattern.integerDigits > 0;
    std::size_t fractionIndex = 0;
    for (const NumberPattern::Token& token : pattern.tokens) {
        switch (token.kind) {
        case Kind::Literal:
            out.append(token.text);
            break;
        case Kind::IntegerDigit:
            integer.emitNext(out);
            break;
        case Kind::Point:
            if (!integerPlaced) {
                integer.emitAll(out);
                integerPlaced = true;
            }
            if (!parts.fraction.empty()) {
                out.push_back('.');
            }
            break;
        case Kind::FractionDigit:
            if (fractionIndex < parts.fraction.size()) {
                out.push_back(parts.fraction[fractionIndex]);
            }
            ++fractionIndex;
            break;
        case Kind::ExponentMark:
            if (!integerPlaced) {
                integer.emitAll(out);
                integerPlaced = true;
            }
            out.push_back(token.symbol);
            if (parts.exponentNegative) {
                out.push_back('-');
            } else if (token.alwaysSign) {
                out.push_back('+');
            }
            break;
        case Kind::ExponentDigit:
            exponent.emitNext(out);
            break;
        }
    }
    return out;
}

}  // namespace

std::string formatNumber(double value, std::string_view pattern)
{
    if (pattern.empty()) {
        return generalNumberText(value);
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Inf" : "Inf";
    }
    const NumberPattern parsed = NumberPattern::parse(pattern);
    NumberParts parts;
    if (parsed.hasNumber()) {
        parts = parsed.hasExponent ? scientificParts(value, parsed) : fixedParts(value, parsed);
    }
    return layout(parsed, parts);
}

}  // namespace probel
