// SPDX-License-Identifier: MIT
#include "core/numbers/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace probel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

struct TextCase {
    double value;
    const char* expected;
};

TEST(GeneralNumberText, FifteenDigitsWithZeroBeforeThePoint)
{
    const TextCase cases[] = {
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {6000, "6000"},
        {1234.5, "1234.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {2.5e-7, "2.5E-07"},
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {1e16, "1E+16"},
        {123456789012345678.0, "1.23456789012346E+17"},
        {999999999999999.9, "1E+15"},  // rounding to 15 digits moves the exponent
        {-1e-300, "-1E-300"},
        {kMax, "1.79769313486232E+308"},
        {kDenormMin, "4.94065645841247E-324"},
        {kInf, "Inf"},
        {-kInf, "-Inf"},
        {kNaN, "NaN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(generalNumberText(c.value), c.expected) << "value " << c.value;
    }
}

TEST(RealText, DocumentFormWithoutLeadingZero)
{
    struct Case {
        double value;
        int digits;
        const char* expected;
    };
    const Case cases[] = {
        {0.5, 15, ".5"},
        {-0.25, 15, "-.25"},
        {6000, 15, "6000"},
        {1234.5, 15, "1234.5"},
        {1e16, 15, "1E+16"},
        {2.5e-7, 15, "2.5E-07"},
        {0, 15, "0"},
        {-0.0, 15, "0"},
        {0.0001, 15, ".0001"},
        {1e-5, 15, "1E-05"},
        {1e15, 15, "1E+15"},
        {123456789012345, 15, "123456789012345"},
        {-1.5e-10, 15, "-1.5E-10"},
        {1e100, 15, "1E+100"},
        {0.1 + 0.2, 15, ".3"},
        // Single-precision fields: 7 digits hide the float's binary tail.
        {0.1f, 7, ".1"},
        {3.14159274f, 7, "3.141593"},
        {1234567.0f, 7, "1234567"},
        {12345678.0f, 7, "1.234568E+07"},
        {-0.3f, 7, "-.3"},
        // Out-of-range digit counts are clamped.
        {1.0 / 3, 0, ".3"},
        {1.0 / 3, 100, ".33333333333333331"},
        {kInf, 15, "Inf"},
        {kNaN, 7, "NaN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(realText(c.value, c.digits), c.expected) << "value " << c.value << " digits " << c.digits;
    }
    EXPECT_EQ(realText(0.5), ".5");
}

TEST(NumberText, ReadsBackToTheSameValue)
{
    const double exact[] = {0.1,         0.5,    -0.25,     1234.5, 6000, 1e16,
                            2.5e-7,      1e-300, 1e300,     0.0001, 1e-5, 123456789012345.0,
                            -987.654321, kMax,   kDenormMin};
    for (const double value : exact) {
        EXPECT_EQ(wholeNumber(generalNumberText(value)), value) << generalNumberText(value);
        EXPECT_EQ(leadingNumber(realText(value)), value) << realText(value);
    }

    // Any double shown once has 15 digits; from then on text and value must stay fixed.
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 300);
    for (int i = 0; i < 2000; ++i) {
        const double value = std::ldexp(mantissa(random), exponent(random));
        const std::string text = generalNumberText(value);
        const std::optional<double> shown = wholeNumber(text);
        ASSERT_TRUE(shown.has_value()) << text;
        EXPECT_EQ(generalNumberText(*shown), text);
        EXPECT_EQ(leadingNumber(realText(*shown)), *shown) << realText(*shown);
        EXPECT_EQ(realText(*shown), realText(value));
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    const std::string manyZeros(500, '0');
    struct Case {
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {"1 000", 1000},
        {"12abc", 12},
        {"1,5", 1},
        {"", 0},
        {".5", 0.5},
        {"1e3", 1000},
        {"-.5", -0.5},
        {"+3", 3},
        {"1e", 1},
        {"1e+", 1},
        {"abc", 0},
        {"\t 4\r\n2", 42},
        {"- 5", -5},
        {"1 e 3", 1000},
        {"1e+3", 1000},
        {"1E-3", 0.001},
        {"5.", 5},
        {"-", 0},
        {".", 0},
        {"-.", 0},
        {".e3", 0},
        {"--5", 0},
        {"1.2.3", 1.2},
        {"1e3e4", 1000},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"000000000000000000000000000001", 1},
        {"2.995", 2.995},
        {"1e400", kMax},
        {"-1e400", -kMax},
        {"1" + manyZeros, kMax},
        {"1e99999999999999999999", kMax},
        {"1.79769313486232E+308", kMax},
        {"1e-400", 0},
        {"0." + manyZeros + "1", 0},
        {"0e99999999999999999999", 0},
        {"4.94065645841247E-324", kDenormMin},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_FALSE(std::signbit(leadingNumber("  -0  ")));
    EXPECT_FALSE(std::signbit(leadingNumber("-1e-400")));
}

TEST(WholeNumber, AcceptsOnlyAWholeNumber)
{
    struct Accepted {
        const char* text;
        double expected;
    };
    const Accepted accepted[] = {
        {"1e3", 1000}, {" 42 ", 42},    {"\t-1.5\r\n", -1.5}, {"+3", 3},       {".5", 0.5},
        {"5.", 5},     {"1E+16", 1e16}, {"2.5E-07", 2.5e-7},  {"-.25", -0.25}, {"0", 0},
    };
    for (const auto& c : accepted) {
        EXPECT_EQ(wholeNumber(c.text), c.expected) << '"' << c.text << '"';
    }

    const char* const refused[] = {"",         "   ", "12abc", "1 000", "1e",  "1e+",  "inf", "nan",   "-inf",
                                   "Infinity", "1,5", ".",     "-",     "abc", "0x10", "--1", "1.2.3", "- 1"};
    for (const char* text : refused) {
        EXPECT_EQ(wholeNumber(text), std::nullopt) << '"' << text << '"';
    }
}

// A number beyond the double range would read as the largest double, changing the user's
// value unseen: it is refused and told apart from a text that is no number. The largest
// double's own 15-digit text, which documents and copied values hold, lies just above it and
// reads back as it; underflow is only rounding, to 0.
TEST(WholeNumber, RefusesMagnitudesBeyondTheDoubleRange)
{
    const std::string manyDigits(1000000, '9');
    const std::string beyond[] = {"1e309",
                                  " -1e309 ",
                                  "1E+400",
                                  "1e99999999999999999999",
                                  manyDigits,
                                  "-" + manyDigits + ".5",
                                  "1.797693134862321E+308",
                                  "179769313486232000000" + std::string(287, '0') + "1",
                                  "0.00018e312"};
    for (const std::string& text : beyond) {
        const std::string shown = text.substr(0, 40);
        EXPECT_EQ(wholeNumber(text), std::nullopt) << shown;
        EXPECT_EQ(scannedWholeNumber(text), std::nullopt) << shown;
        EXPECT_TRUE(beyondNumberRange(text)) << shown;
    }

    struct Within {
        std::string text;
        double expected;
    };
    const Within within[] = {
        {"1.79769313486232E+308", kMax},
        {"-1.79769313486232e308", -kMax},
        {"179769313486232" + std::string(294, '0'), kMax},
        {"1.7976931348623157e308", kMax},
        {"1e308", 1e308},
        {"1e-400", 0},
        {"-1e-400", 0},
        {"0e99999999999999999999", 0},
    };
    for (const auto& c : within) {
        EXPECT_EQ(wholeNumber(c.text), c.expected) << c.text;
        EXPECT_FALSE(beyondNumberRange(c.text)) << c.text;
    }
    // Texts that are no number at all are not "too large".
    for (const char* text : {"", "abc", "1e309x", "inf", "1e", "1 e309"}) {
        EXPECT_FALSE(beyondNumberRange(text)) << text;
    }
    // The reading that stops at the first character that cannot continue a number keeps its
    // saturation; callers that must not change a value use wholeNumber.
    EXPECT_EQ(leadingNumber("1e309"), kMax);
}

// Short decimals are read without from_chars; they must come out as the very double
// from_chars gives, whatever their digits, decimals and sign.
TEST(PlainDecimalNumber, ReadsShortDecimalsExactlyAsFromChars)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> digitCount(1, 17);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 200000; ++i) {
        const int digits = digitCount(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        std::string text = random() % 2 == 0 ? "-" : "";
        for (int k = 0; k < digits; ++k) {
            if (k == point) {
                text += '.';
            }
            text += static_cast<char>('0' + digit(random));
        }
        if (point == digits && random() % 2 == 0) {
            text += '.';
        }
        double expected = 0;
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(parsed.ptr, text.data() + text.size()) << text;
        double value = 1;
        ASSERT_EQ(plainDecimalNumber(text.data(), text.data() + text.size(), value), text.data() + text.size()) << text;
        EXPECT_EQ(value, expected == 0.0 ? 0.0 : expected) << text;
        EXPECT_FALSE(value == 0.0 && std::signbit(value)) << text;  // "-0" is plain zero
    }
    // Where the number ends: before what cannot continue it, after an exponent.
    const std::string text = "12.5;3e2,7.x";
    double value = 0;
    EXPECT_EQ(plainDecimalNumber(text.data(), text.data() + text.size(), value), text.data() + 4);
    EXPECT_EQ(value, 12.5);
    EXPECT_EQ(plainDecimalNumber(text.data() + 5, text.data() + text.size(), value), text.data() + 8);
    EXPECT_EQ(value, 300);
    EXPECT_EQ(plainDecimalNumber(text.data() + 9, text.data() + text.size(), value), text.data() + 11);
    EXPECT_EQ(value, 7);
}

}  // namespace
}  // namespace probel
