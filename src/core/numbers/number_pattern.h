// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace probel {

// A number pattern ("0.##", "#,##0", "0.0E+0") split into literal text and the placeholders
// of the integer part, the fraction and the exponent, in pattern order; formatNumber lays
// the digits of a value out over it. Parsing never fails: what is not a placeholder is text.
struct NumberPattern {
    enum class Kind { Literal, IntegerDigit, Point, FractionDigit, ExponentMark, ExponentDigit };

    struct Token {
        Kind kind = Kind::Literal;
        // Digits: '0' or '#'. ExponentMark: the letter as written, 'E' or 'e'.
        char symbol = 0;
        // ExponentMark: true for "E+" (sign always shown), false for "E-" (only a minus).
        bool alwaysSign = false;
        std::string text;  // Literal only
    };

    static NumberPattern parse(std::string_view pattern);

    // True when the pattern places a number at all (a placeholder, a point or an exponent).
    bool hasNumber() const;

    std::vector<Token> tokens;
    std::size_t integerDigits = 0;    // placeholders before the point
    std::size_t integerMinimum = 0;   // from the leftmost integer '0' up to the point
    std::size_t fractionDigits = 0;   // placeholders after the point
    std::size_t fractionMinimum = 0;  // up to and including the last fraction '0'
    std::size_t exponentDigits = 0;   // placeholders after the exponent mark
    std::size_t exponentMinimum = 0;  // the '0's among them
    bool grouping = false;            // a ',' stood between two integer placeholders
    bool hasPoint = false;
    bool hasExponent = false;
};

}  // namespace probel
