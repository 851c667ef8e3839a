// SPDX-License-Identifier: MIT
#include "core/numbers/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace probel {
namespace {

constexpr int kMaxSignificantDigits = 17;  // enough to tell every double from its neighbours
// Places far outside the range a double's digits can reach (10^-342 … 10^308); clamping
// to them keeps place arithmetic away from overflow whatever count a caller passes.
constexpr std::int64_t kPlaceLimit = 100000;

}  // namespace

namespace {

// Copies the mantissa digits of to_chars' scientific form ("d.ddde+XX") and reads its exponent.
RoundedDigits digitsOfScientific(const char* text, const char* end)
{
    RoundedDigits number;
    const char* cursor = text;
    for (; cursor != end && *cursor != 'e'; ++cursor) {
        if (*cursor >= '0' && *cursor <= '9' && number.count < kMaxSignificantDigits) {
            number.digits[static_cast<std::size_t>(number.count++)] = *cursor;
        }
    }
    if (cursor != end) {
        ++cursor;  // 'e'
        if (cursor != end && *cursor == '+') {
            ++cursor;
        }
        std::from_chars(cursor, end, number.exponent);
    }
    return number;
}

// Up to this many digits, a normal double's shortest round-trip digits are also its digits
// rounded to that many places: the decimals of that length lie further apart than the double's
// spacing, so the one within half a spacing of the value is the nearest of them. Past 15 they
// may lie closer, and subnormal doubles are spaced wider; those take the rounding conversion.
constexpr int kShortestAgreesUpTo = 15;
// The shortest digits lie within half a spacing of the double, which is below 1.12 units of the
// 16th significant digit. So where the two digits after the `precision` kept ones are 00 … 37 or
// 62 … 99 (with 15 kept: the exact tail is below 3.8 or at least 6.2 units), the exact value
// lies on the same side of the halfway point, and rounding the shortest digits rounds it.
constexpr int kSurelyDown = 37;
constexpr int kSurelyUp = 62;

// The shortest digits of a normal double rounded to `precision` (below their count) when the
// digits after those kept tell which way the exact value rounds; false when they leave it open.
bool roundShortest(RoundedDigits& number, int precision)
{
    const auto digitAt = [&number](int index) { return index < number.count ? number.digits[index] - '0' : 0; };
    const int tail = 10 * digitAt(precision) + digitAt(precision + 1);
    if (tail > kSurelyDown && tail < kSurelyUp) {
        return false;
    }
    number.count = precision;
    if (tail >= kSurelyUp) {
        int at = precision - 1;
        while (at >= 0 && number.digits[static_cast<std::size_t>(at)] == '9') {
            number.digits[static_cast<std::size_t>(at--)] = '0';
        }
        if (at >= 0) {
            ++number.digits[static_cast<std::size_t>(at)];
        } else {
            // 99…9 rounds up to 10…0: one digit, a place higher.
            number.digits[0] = '1';
            number.count = 1;
            ++number.exponent;
        }
    }
    return true;
}

}  // namespace

RoundedDigits roundedDigits(double value, int significantDigits)
{
    const int precision = std::clamp(significantDigits, 1, kMaxSignificantDigits);
    const double magnitude = std::fabs(value);
    // "d.ddde-XXX" with at most 17 digits fits easily.
    std::array<char, 64> text{};
    RoundedDigits number;
    bool rounded = false;
    if (precision <= kShortestAgreesUpTo && magnitude >= std::numeric_limits<double>::min()) {
        // The shortest form is several times quicker to find than a rounded one.
        const auto shortest =
            std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::scientific);
        number = digitsOfScientific(text.data(), shortest.ptr);
        rounded = number.count <= precision || roundShortest(number, precision);
    }
    if (!rounded) {
        const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                           std::chars_format::scientific, precision - 1);
        number = digitsOfScientific(text.data(), written.ptr);
    }
    while (number.count > 0 && number.digits[static_cast<std::size_t>(number.count - 1)] == '0') {
        --number.count;
    }
    if (number.count == 0) {
        return {};
    }
    number.negative = std::signbit(value);
    return number;
}

DecimalDigits DecimalDigits::fromDouble(double value, int significantDigits)
{
    const RoundedDigits rounded = roundedDigits(value, significantDigits);
    DecimalDigits number;
    number.digits_.assign(rounded.digits.data(), static_cast<std::size_t>(rounded.count));
    number.exponent_ = rounded.exponent;
    number.negative_ = rounded.negative;
    number.trimTrailingZeros();
    return number;
}

void DecimalDigits::roundAtPlace(std::int64_t lowestPlace)
{
    if (isZero()) {
        return;
    }
    lowestPlace = std::clamp(lowestPlace, -kPlaceLimit, kPlaceLimit);
    const std::int64_t keep = exponent_ - lowestPlace + 1;
    if (keep >= static_cast<std::int64_t>(digits_.size())) {
        return;
    }
    if (keep < 0) {
        digits_.clear();
        trimTrailingZeros();
        return;
    }
    const bool up = digits_[static_cast<std::size_t>(keep)] >= '5';
    digits_.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t position = digits_.size();
        while (position > 0 && digits_[position - 1] == '9') {
            digits_[--position] = '0';
        }
        if (position == 0) {
            digits_.insert(digits_.begin(), '1');
            ++exponent_;
        } else {
            ++digits_[position - 1];
        }
    }
    trimTrailingZeros();
}

void DecimalDigits::roundToSignificant(std::int64_t count)
{
    count = std::max<std::int64_t>(count, 1);
    if (count >= static_cast<std::int64_t>(digits_.size())) {
        return;
    }
    roundAtPlace(exponent_ - count + 1);
}

double DecimalDigits::toDouble() const
{
    if (isZero()) {
        return 0.0;
    }
    std::string text;
    text.reserve(digits_.size() + 24);
    text.push_back(digits_.front());
    text.push_back('.');
    text.append(digits_, 1);
    text.push_back('e');
    std::array<char, 24> exponentText{};
    const auto end = std::to_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent_);
    text.append(exponentText.data(), end.ptr);

    double magnitude = 0.0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (read.ec == std::errc::result_out_of_range) {
        magnitude = exponent_ > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    if (magnitude == 0.0) {
        return 0.0;  // never a negative zero, which would show as "-0"
    }
    return negative_ ? -magnitude : magnitude;
}

char DecimalDigits::digitAt(std::int64_t place) const
{
    const std::int64_t index = exponent_ - place;
    if (index < 0 || index >= static_cast<std::int64_t>(digits_.size())) {
        return '0';
    }
    return digits_[static_cast<std::size_t>(index)];
}

void DecimalDigits::trimTrailingZeros()
{
    while (!digits_.empty() && digits_.back() == '0') {
        digits_.pop_back();
    }
    if (digits_.empty()) {
        negative_ = false;
        exponent_ = 0;
    }
}

}  // namespace probel
