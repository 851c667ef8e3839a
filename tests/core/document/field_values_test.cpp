// SPDX-License-Identifier: MIT
#include "core/document/field_values.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace probel {
namespace {

// Short decimals are read without from_chars; a document must read as the very doubles
// from_chars gives, for any digits, point and sign, and for the longer texts it still reads.
TEST(RealField, ReadsEveryDecimalAsFromChars)
{
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> digitCount(1, 19);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 200000; ++i) {
        const int digits = digitCount(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        std::string unsignedText;
        for (int k = 0; k < digits; ++k) {
            if (k == point) {
                unsignedText += '.';
            }
            unsignedText += static_cast<char>('0' + digit(random));
        }
        if (point == digits && random() % 2 == 0) {
            unsignedText += '.';
        }
        if (random() % 4 == 0) {
            unsignedText += "E" + std::to_string(static_cast<int>(random() % 41) - 20);
        }
        double expected = 0;
        const auto parsed = std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), expected);
        ASSERT_EQ(parsed.ptr, unsignedText.data() + unsignedText.size()) << unsignedText;
        const char sign = "+- "[random() % 3];
        const std::string text = sign == ' ' ? unsignedText : sign + unsignedText;
        const std::optional<double> value = realField(text);
        ASSERT_TRUE(value) << text;
        const double signedExpected = sign == '-' ? -expected : expected;
        EXPECT_EQ(*value, signedExpected) << text;
        EXPECT_EQ(std::signbit(*value), std::signbit(signedExpected)) << text;
    }
}

TEST(RealField, KeepsTheSignOfZeroAndRefusesWhatIsNoReal)
{
    EXPECT_TRUE(std::signbit(realField("-0").value()));
    EXPECT_TRUE(std::signbit(realField("-0.000").value()));
    EXPECT_FALSE(std::signbit(realField("+0").value()));
    EXPECT_EQ(realField("5.").value(), 5);
    EXPECT_EQ(realField("-.25").value(), -0.25);
    EXPECT_EQ(realField("1.79769313486232E+308").value(), std::numeric_limits<double>::max());
    for (const char* text : {"", ".", "-", "+.", "1.2.3", "1,5", "1e", "--1", "+-1", "inf", "nan", "0x10", "1e999",
                             " 1", "1 ", "12345678901234567890x"}) {
        EXPECT_FALSE(realField(text)) << text;
    }
}

}  // namespace
}  // namespace probel
