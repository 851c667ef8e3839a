// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace probel {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Used for every
// conversion of a real to pixels, counts and indices. NaN and infinities come back unchanged.
double roundHalfEven(double value);

// Nearest whole number, halves upward (2.5 -> 3, -2.5 -> -2). Used for quantile and
// area table look-ups, where 299.5 must reach 300.
double roundHalfUp(double value);

// roundHalfEven converted to a 32-bit integer; empty when the result does not fit
// (or the value is NaN), so callers can report an overflow instead of wrapping.
std::optional<std::int32_t> toInt32HalfEven(double value);

// Remainder that keeps the sign of the dividend: modSigned(-7, 3) == -1. b must not be 0;
// rather than trap, b == 0 gives 0 (as does the overflowing INT64_MIN mod -1).
std::int64_t modSigned(std::int64_t a, std::int64_t b);

// Decimal rounding to `decimals` places (may be negative), halves away from zero, done on
// the value's 15-significant-digit decimal form rather than on the binary double, so that
// roundDecimal(1.005, 2) == 1.01 and roundDecimal(2.345, 2) == 2.35. The result is the
// number formatNumber shows with that many decimals, so with more decimals than the value
// has digits it is the value's 15-digit form. NaN and infinities come back unchanged; a
// result beyond the double range saturates at the largest finite double.
double roundDecimal(double value, int decimals);

}  // namespace probel
