// SPDX-License-Identifier: MIT
#include "core/numbers/rounding.h"

#include "core/numbers/decimal_digits.h"

#include <cmath>
#include <limits>

namespace probel {
namespace {

// A double carries at most 15 significant decimal digits faithfully; decimal rounding
// works on those, as a user reads the value.
constexpr int kSignificantDigits = 15;

}  // namespace

// Both whole-number roundings split the value into floor and fraction: value - floor(value)
// is exact for every double, so there is no floor(value + 0.5) error (0.49999999999999994
// + 0.5 is 1.0 in binary and would round up).
double roundHalfEven(double value)
{
    if (!std::isfinite(value)) {
        return value;
    }
    const double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        return whole + 1.0;
    }
    return whole;
}

double roundHalfUp(double value)
{
    if (!std::isfinite(value)) {
        return value;
    }
    const double whole = std::floor(value);
    return value - whole >= 0.5 ? whole + 1.0 : whole;
}

std::optional<std::int32_t> toInt32HalfEven(double value)
{
    const double rounded = roundHalfEven(value);
    // NaN fails both comparisons.
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::int64_t modSigned(std::int64_t a, std::int64_t b)
{
    // C++ % already keeps the dividend's sign; only the cases the language leaves
    // undefined need care.
    if (b == 0 || b == -1) {
        return 0;
    }
    return a % b;
}

double roundDecimal(double value, int decimals)
{
    if (!std::isfinite(value)) {
        return value;
    }
    DecimalDigits digits = DecimalDigits::fromDouble(value, kSignificantDigits);
    digits.roundAtPlace(-static_cast<std::int64_t>(decimals));
    return digits.toDouble();
}

}  // namespace probel
