// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace probel {

// A finite double written as its decimal digits, so that rounding, formatting and text
// conversion all work on the same digits a user sees rather than on the binary value.
// The value is (-1 if negative) × 0.d1d2d3… × 10^(exponent + 1): the first digit stands
// at the place 10^exponent. Zero has no digits and is never negative.
// The significant digits of a finite double rounded to at most 17 of them, to nearest, in a
// fixed buffer: what DecimalDigits holds, for writers that format millions of values and
// should not allocate for each. Zero has no digits and is never negative.
struct RoundedDigits {
    std::array<char, 17> digits{};
    int count = 0;
    // Place of the first digit; 0 for zero.
    int exponent = 0;
    bool negative = false;
};

// `value` (finite) rounded to `significantDigits` (clamped to 1 … 17) digits, trailing zeros
// dropped: the digits DecimalDigits::fromDouble holds.
RoundedDigits roundedDigits(double value, int significantDigits);

class DecimalDigits {
public:
    // The value rounded to `significantDigits` (clamped to 1 … 17) digits, to nearest;
    // the value must be finite.
    static DecimalDigits fromDouble(double value, int significantDigits);

    // Keeps the digits at places 10^lowestPlace and above, halves away from zero.
    void roundAtPlace(std::int64_t lowestPlace);
    // Keeps the first `count` significant digits (at least one), halves away from zero.
    void roundToSignificant(std::int64_t count);

    // The nearest double; a value beyond the double range saturates at the largest finite
    // double of its sign, one below it becomes 0.
    double toDouble() const;

    bool isZero() const { return digits_.empty(); }
    bool negative() const { return negative_; }
    // Significant digits, no leading or trailing zeros.
    const std::string& digits() const { return digits_; }
    // Place of the first digit; 0 for zero.
    std::int64_t exponent() const { return exponent_; }
    // The digit ('0' … '9') at the place 10^place.
    char digitAt(std::int64_t place) const;

private:
    void trimTrailingZeros();

    bool negative_ = false;
    std::string digits_;
    std::int64_t exponent_ = 0;
};

}  // namespace probel
