// SPDX-License-Identifier: MIT
#include "core/stats/weibull_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace probel {
namespace {

// On the line β = 2, η = 100 at i/(n + 1), which the regression finds: B10 = 100 √(−ln 0.9).
std::vector<double> onTheLine(int n)
{
    std::vector<double> values;
    for (int i = 1; i <= n; ++i) {
        values.push_back(100 * std::sqrt(-std::log(1 - static_cast<double>(i) / (n + 1))));
    }
    return values;
}

TEST(WeibullTextTest, ShapeScaleB10AndTheTestInTheirFormats)
{
    const WeibullChoice regression{WeibullFitMethod::Regression, PlottingPositions::Weibull};
    const auto lines = weibullLines(onTheLine(9), regression, "0.00", "0.###");
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0], "β    : 2");
    EXPECT_EQ(lines[1], "η    : 100.00");
    EXPECT_EQ(lines[2], "B10  : 32.46");
    // A regression line has A* but no bracket: the table holds for the likelihood fit.
    EXPECT_EQ(lines[3].rfind("A*   : 0.", 0), 0U) << lines[3];
    EXPECT_EQ(lines[3].find('('), std::string::npos) << lines[3];

    const auto likelihood = weibullLines(onTheLine(9), WeibullChoice{}, "0.00", "0.###");
    EXPECT_EQ(likelihood[3].back(), ')') << likelihood[3];
}

TEST(WeibullTextTest, WhatCannotBeHadShowsADash)
{
    const std::vector<std::string> none{"β    : -", "η    : -", "B10  : -", "A*   : -"};
    EXPECT_EQ(weibullLines(std::vector<double>{5}, WeibullChoice{}, "0.##", "0.###"), none);
    EXPECT_EQ(weibullLines(std::vector<double>{-1, 2, 3}, WeibullChoice{}, "0.##", "0.###"), none);
    EXPECT_EQ(weibullLines(std::vector<double>{4, 4, 4}, WeibullChoice{}, "0.##", "0.###"), none);
    // Four values are fitted but too few for the test.
    const auto four = weibullLines(std::vector<double>{1, 2, 3, 4}, WeibullChoice{}, "0.##", "0.###");
    EXPECT_NE(four[0], "β    : -");
    EXPECT_EQ(four[3], "A*   : -");
}

}  // namespace
}  // namespace probel
