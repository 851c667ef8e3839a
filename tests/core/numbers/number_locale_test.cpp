// SPDX-License-Identifier: MIT
#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

namespace probel {
namespace {

// Puts the previous numeric locale back whatever the test does.
class NumericLocale {
public:
    NumericLocale() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {}
    ~NumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    NumericLocale(const NumericLocale&) = delete;
    NumericLocale& operator=(const NumericLocale&) = delete;

    // Switches to a locale whose decimal point is a comma, compiling a German one into a
    // folder of the test's own when none is installed; false when that cannot be done either.
    bool useCommaLocale()
    {
        if (trySwitching()) {
            return true;
        }
        const std::string folder = ::testing::TempDir() + "probel-locales";
        const std::string compile =
            "mkdir -p '" + folder + "' && localedef -i de_DE -f UTF-8 '" + folder + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(compile.c_str()) != 0) {
            return false;
        }
        setenv("LOCPATH", folder.c_str(), 1);
        return trySwitching();
    }

private:
    static bool trySwitching()
    {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr &&
                std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
                return true;
            }
        }
        return false;
    }

    std::string previous_;
};

TEST(NumberLocale, PointStaysADotUnderACommaLocale)
{
    NumericLocale locale;
    if (!locale.useCommaLocale()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed or can be compiled";
    }
    EXPECT_EQ(generalNumberText(1.5), "1.5");
    EXPECT_EQ(generalNumberText(2.5e-7), "2.5E-07");
    EXPECT_EQ(realText(-0.25), "-.25");
    EXPECT_EQ(formatNumber(2.345, "0.##"), "2.35");
    EXPECT_EQ(formatNumber(1234567.891, "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(formatNumber(10, "0.0E+0"), "1.0E+1");
    EXPECT_EQ(leadingNumber("1.5"), 1.5);
    EXPECT_EQ(leadingNumber("1,5"), 1);
    EXPECT_EQ(wholeNumber("1.5"), 1.5);
    EXPECT_EQ(wholeNumber("1,5"), std::nullopt);
    EXPECT_EQ(roundDecimal(1.005, 2), 1.01);
}

}  // namespace
}  // namespace probel
