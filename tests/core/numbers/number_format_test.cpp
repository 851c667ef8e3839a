// SPDX-License-Identifier: MIT
#include "core/numbers/number_format.h"

#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace probel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

void expectFormats(const FormatCase* begin, const FormatCase* end)
{
    for (const FormatCase* c = begin; c != end; ++c) {
        EXPECT_EQ(formatNumber(c->value, c->pattern), c->expected)
            << "value " << c->value << " pattern \"" << c->pattern << '"';
    }
}

TEST(FormatNumber, PlainPatterns)
{
    const FormatCase cases[] = {
        // Rounding works on the decimal digits, halves away from zero.
        {2.345, "0.##", "2.35"},
        {1.005, "0.##", "1.01"},
        {-2.345, "0.##", "-2.35"},
        {68.26, "0.##", "68.26"},
        {1.5, "0", "2"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.5, "0", "1"},
        {0.25, "0.#", "0.3"},
        {-0.25, "0.#", "-0.3"},
        {1.0 / 3, "0.########", "0.33333333"},
        {2.0 / 3, "0.########", "0.66666667"},
        // A point without digits after it is dropped; no digits at all show "0".
        {2, "0.##", "2"},
        {100, "0.##", "100"},
        {0, "#.#", "0"},
        {0, "#", "0"},
        {0, ".##", "0"},
        {1e-20, "0.##", "0"},
        {0.5, "#.#", ".5"},
        {12.5, ".##", "12.5"},
        {2, "0.0", "2.0"},
        {0.5, "0.0", "0.5"},
        {1.25, "0.0#", "1.25"},
        {1.5, "0.0#", "1.5"},
        {42, "00000", "00042"},
        {5, "0#", "05"},
        {5, "#0", "5"},
        {1234.5, "00", "1235"},
        {1e20, "0", "100000000000000000000"},
        {1.23456789012345678e20, "0", "123456789012346000000"},
        // No minus sign on a value that rounds to zero.
        {-0.4, "0", "0"},
        {-0.04, "0.0", "0.0"},
        {-0.0, "0.##", "0"},
        {-1.5, "0.0", "-1.5"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, ExponentPatterns)
{
    const FormatCase cases[] = {
        {10, "0.0E+0", "1.0E+1"},
        {0.01, "0.0E+0", "1.0E-2"},
        {1, "0.0E+0", "1.0E+0"},
        {1000, "0.0E+0", "1.0E+3"},
        {0, "0.0E+0", "0.0E+0"},
        {-10, "0.0E+0", "-1.0E+1"},
        {-0.0001, "0.0E+0", "-1.0E-4"},
        {9.96, "0.0E+0", "1.0E+1"},  // rounding carries into the exponent
        {12345, "00.0E+0", "12.3E+3"},
        {12345, "0.0E-0", "1.2E4"},
        {0.01, "0.0E-0", "1.0E-2"},
        {12345, "0.0e+00", "1.2e+04"},
        {12345, "#E+0", "1E+4"},
        {12345, "0.##E+0", "1.23E+4"},
        {10000, "0.##E+0", "1E+4"},
        {12345, ".##E+0", ".12E+5"},
        {1e300, "0.0E+000", "1.0E+300"},
        {-1e-300, "0.0E+0", "-1.0E-300"},
        {kDenormMin, "0.0E+0", "4.9E-324"},
        {kMax, "0.00E+0", "1.80E+308"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, GroupingAndLiteralText)
{
    const FormatCase cases[] = {
        {1234567.891, "#,##0.00", "1,234,567.89"},
        {-1234567, "#,##0", "-1,234,567"},
        {123, "#,##0", "123"},
        {0, "#,##0", "0"},
        {5, "0,000", "0,005"},
        {1234, "#,#", "1,234"},
        {1234, "0,", "1234,"},  // not between placeholders: text
        {5, "\"x=\"0", "x=5"},
        {5, "\\#0", "#5"},
        {5, "0 kg", "5 kg"},
        {5, "\"unclosed", "unclosed"},
        {5, "0\\", "5"},
        {-5, "x0", "-x5"},
        {1234, "00-00", "12-34"},
        {7, "EUR-0", "EUR-7"},  // "E" without a following placeholder is text
        {5, "0E+", "5E+"},
        {7, "abc", "abc"},  // no placeholder: the text only
        {2.5, "0%", "3%"},
        {1.5, "平均0.0", "平均1.5"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, EmptyPatternAndNonFiniteValues)
{
    const FormatCase cases[] = {
        {0.5, "", "0.5"},          {1e16, "", "1E+16"}, {kInf, "0.##", "Inf"},
        {-kInf, "0.0E+0", "-Inf"}, {kNaN, "0", "NaN"},  {kNaN, "", "NaN"},
    };
    expectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatNumber, HugePatternsAndMagnitudesStaySound)
{
    const std::string manyHashes(400, '#');
    EXPECT_EQ(formatNumber(1.0 / 3, "0." + manyHashes), "0.333333333333333");
    EXPECT_EQ(formatNumber(5, manyHashes), "5");
    EXPECT_EQ(formatNumber(1e-300, "0." + manyHashes), "0." + std::string(299, '0') + "1");

    const std::string denorm = formatNumber(kDenormMin, "0." + std::string(400, '0'));
    EXPECT_EQ(denorm, "0." + std::string(323, '0') + "494065645841247" + std::string(62, '0'));

    const std::string largest = formatNumber(kMax, "0");
    EXPECT_EQ(largest, "179769313486232" + std::string(294, '0'));
    EXPECT_EQ(formatNumber(-kMax, "#,##0").size(), 1 + 309 + 102);

    EXPECT_EQ(formatNumber(42, std::string(100000, '0')), std::string(99998, '0') + "42");
    EXPECT_EQ(formatNumber(10, "0.0E+" + std::string(1000, '0')), "1.0E+" + std::string(999, '0') + "1");
    EXPECT_EQ(formatNumber(12345, std::string(500, '0') + ".0E+0"), "12345" + std::string(495, '0') + ".0E-495");
    EXPECT_EQ(formatNumber(1, std::string(1000, ',')), std::string(1000, ','));
    std::string commas(1000, ',');
    EXPECT_EQ(formatNumber(1234, commas.insert(0, 1, '0').append(1, '0')), "1,234");
}

// What the statistics readers return (a value formatted and read back) must be exactly
// what roundDecimal gives, or the two would disagree on a shown figure.
TEST(FormatNumber, AgreesWithRoundDecimal)
{
    const double values[] = {1.005,    2.345,     -2.345, 0.125,      68.2689492137086, 1.0 / 3,
                             999.9995, 0.1 + 0.2, 1e-7,   123456.789, -0.0049};
    for (const double value : values) {
        std::string pattern = "0.";
        for (int decimals = 0; decimals <= 9; ++decimals) {
            EXPECT_EQ(wholeNumber(formatNumber(value, pattern)), roundDecimal(value, decimals))
                << "value " << value << " pattern " << pattern;
            pattern.push_back('#');
        }
    }
}

}  // namespace
}  // namespace probel
