// SPDX-License-Identifier: MIT
#include "core/numbers/decimal_digits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace probel {
namespace {

// The digits of the value rounded to `precision` places by the rounding conversion alone,
// trailing zeros dropped, followed by the exponent: what roundedDigits must give.
std::string roundedByConversion(double value, int precision)
{
    std::array<char, 64> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                   std::chars_format::scientific, precision - 1);
    std::string digits;
    const char* at = text.data();
    for (; at != end.ptr && *at != 'e'; ++at) {
        if (*at != '.') {
            digits.push_back(*at);
        }
    }
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    if (digits.empty()) {
        return "0";
    }
    int exponent = 0;
    std::from_chars(at + 1 + (at[1] == '+' ? 1 : 0), end.ptr, exponent);
    return (std::signbit(value) ? "-" : "") + digits + "e" + std::to_string(exponent);
}

std::string shown(const RoundedDigits& number)
{
    if (number.count == 0) {
        return number.negative ? "-0?" : "0";
    }
    return (number.negative ? "-" : "") + std::string(number.digits.data(), static_cast<std::size_t>(number.count)) +
           "e" + std::to_string(number.exponent);
}

void expectAsConversion(double value)
{
    for (const int precision : {1, 2, 6, 7, 8, 14, 15, 16, 17}) {
        ASSERT_EQ(shown(roundedDigits(value, precision)), roundedByConversion(value, precision))
            << std::bit_cast<std::uint64_t>(value) << " to " << precision;
    }
}

// The digits come from the shortest form where that agrees with rounding, or where its digits
// after the kept ones tell which way to round; they must be the rounded ones for every kind of
// double: any bit pattern, typed measurements, values next to a power of ten, and the
// subnormals, whose spacing is wider than their digits'.
TEST(RoundedDigits, AreTheDigitsOfTheRoundingConversion)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 25000; ++i) {
        const double any = std::bit_cast<double>(random());
        if (std::isfinite(any)) {
            expectAsConversion(any);
        }
        const double typed = static_cast<double>(random() % 100000000) / std::pow(10.0, static_cast<int>(random() % 9));
        expectAsConversion(random() % 2 == 0 ? typed : -typed);
        expectAsConversion(static_cast<double>(random() % 1000000) * 1e-4 + 0.1 * static_cast<double>(random() % 7));
    }
    for (int exponent = -320; exponent <= 308; ++exponent) {
        const double power = std::pow(10.0, exponent);
        for (double value : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e308)}) {
            expectAsConversion(value);
        }
        // Just below the next power: 99…9 followed by digits that round up into it, or not.
        for (int k = 1; k < 40 && exponent < 308; ++k) {
            expectAsConversion(power * (10 - k * 1e-15));
            expectAsConversion(power * (1 + k * 1e-16));
        }
    }
    for (const double value : {0.0, -0.0, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
                               std::nextafter(std::numeric_limits<double>::min(), 0.0),
                               std::numeric_limits<double>::max(), 0.1 + 0.2, 1.0 / 3.0, 9.9999999999999995}) {
        expectAsConversion(value);
        expectAsConversion(-value);
    }
}

TEST(RoundedDigits, AreWhatDecimalDigitsHolds)
{
    const DecimalDigits number = DecimalDigits::fromDouble(-0.000123456789012345678, 15);
    EXPECT_TRUE(number.negative());
    EXPECT_EQ(number.digits(), "123456789012346");
    EXPECT_EQ(number.exponent(), -4);
    EXPECT_TRUE(DecimalDigits::fromDouble(-0.0, 15).isZero());
    EXPECT_FALSE(DecimalDigits::fromDouble(-0.0, 15).negative());
    EXPECT_EQ(DecimalDigits::fromDouble(1234.5, 3).digits(), "123");
}

}  // namespace
}  // namespace probel
