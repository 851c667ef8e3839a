// SPDX-License-Identifier: MIT
#include "core/stats/series_summary_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/graph/inverse_normal.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

NormoData series(std::vector<double> values, double lower, double upper, int option)
{
    NormoData data;
    data.setIniData(std::move(values));
    data.setMin(lower);
    data.setMax(upper);
    data.setCpOption(option);
    return data;
}

TEST(SeriesSummaryTest, CapabilityFollowsTheSeriesOption)
{
    // mean 10, σ (divisor n) 1: both limits 6σ apart around a mean nearer the upper one.
    const std::vector<double> values = {9, 11, 9, 11};
    const SeriesSummary both = summarise(series(values, 6, 12, 0));
    EXPECT_DOUBLE_EQ(both.mean, 10);
    EXPECT_DOUBLE_EQ(both.sigma, 1);
    EXPECT_DOUBLE_EQ(*both.s, std::sqrt(4.0 / 3.0));
    EXPECT_DOUBLE_EQ(*both.cp, 1);
    EXPECT_DOUBLE_EQ(*both.cpk, 2.0 / 3.0) << "the upper side is the nearer";

    const SeriesSummary upperOnly = summarise(series(values, 6, 12, 1));
    EXPECT_DOUBLE_EQ(*upperOnly.cp, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(*upperOnly.cpk, 2.0 / 3.0);
    const SeriesSummary lowerOnly = summarise(series(values, 6, 12, 2));
    EXPECT_DOUBLE_EQ(*lowerOnly.cp, 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(*lowerOnly.cpk, 4.0 / 3.0);
}

TEST(SeriesSummaryTest, NoSpreadLeavesCapabilityUndefinedAndTheSeriesUntouched)
{
    NormoData data = series({5, 5, 5}, 4, 6, 0);
    const SeriesSummary summary = summarise(data);
    EXPECT_FALSE(summary.cp.has_value());
    EXPECT_FALSE(summary.cpk.has_value());
    EXPECT_FALSE(summary.normality.has_value());
    EXPECT_EQ(data.siguma(), 0) << "the reader of Cp would put its stand-in here; the summary must not";
    EXPECT_EQ(data.cpOption(), 0);
}

// The tooltip's Cp reads the σ the series' line and label use: here s = √(4/3).
TEST(SeriesSummaryTest, CapabilityFollowsTheSeriesDivisor)
{
    NormoData data = series({9, 11, 9, 11}, 6, 12, 0);
    data.setSigmaDivisor(SigmaDivisor::CountLessOne);
    const SeriesSummary summary = summarise(data);
    EXPECT_DOUBLE_EQ(summary.sigma, 1) << "σ itself is still shown beside s";
    EXPECT_DOUBLE_EQ(*summary.cp, 6 / (6 * std::sqrt(4.0 / 3.0)));
    EXPECT_DOUBLE_EQ(*summary.cpk, 2 / (3 * std::sqrt(4.0 / 3.0)));
}

TEST(SeriesSummaryTest, ASeriesWithoutLimitsHasNoCapabilityButItsNormalityTest)
{
    NormoData data = series({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0, 0.1, 0);
    data.setLimitsSet(false);
    const SeriesSummary summary = summarise(data);
    EXPECT_FALSE(summary.cp || summary.cpk || summary.ppmExpected || summary.ppmObserved || summary.cpLowerBound ||
                 summary.cpkLowerBound);
    EXPECT_TRUE(summary.normality.has_value());
}

TEST(SeriesSummaryTest, TextNamesTheSeriesAndShowsADashWhereTheTestIsUndefined)
{
    NormoData small = series({1, 2, 3}, 0, 4, 0);
    small.setComment("ロットA 外径");
    const std::string text = summaryText(small, summarise(small));
    EXPECT_EQ(text.rfind("ロットA 外径\nn = 3    平均 = 2\n", 0), 0U) << text;
    EXPECT_NE(text.find("\nA² = —    A* = —    p = —"), std::string::npos) << text;

    NormoData eight = series({9.8, 10.1, 10.0, 9.9, 10.3, 10.2, 9.7, 10.0}, 9, 11, 0);
    eight.setId(4);
    eight.setHeikinFormat("0.00");
    const std::string shown = summaryText(eight, summarise(eight));
    EXPECT_EQ(shown.rfind("データ - 4\nn = 8    平均 = 10.00\n", 0), 0U) << shown;
    EXPECT_NE(shown.find("\n最小 = 9.7    最大 = 10.3\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("    p = 0.959878\n正規性: 棄却されない"), std::string::npos) << shown;

    NormoData skewed = series({0.1, 0.1, 0.2, 0.2, 0.3, 0.5, 0.9, 1.5, 2.8, 6.0}, 0, 10, 0);
    EXPECT_NE(summaryText(skewed, summarise(skewed)).find("\n正規性: 棄却 (p < 0.05)"), std::string::npos);
}

TEST(SeriesSummaryTest, OnALogarithmicAxisTheLogarithmsAreSummarisedAndTested)
{
    // Lognormal values: skewed as they stand, normal as logarithms, as the paper shows them.
    std::vector<double> values;
    for (int i = 1; i <= 30; ++i) {
        values.push_back(std::pow(10.0, 1 + 0.4 * inverseNormal((i - 0.5) / 30)));
    }
    NormoData data = series(values, 1, 1000, 0);
    const SeriesSummary raw = summarise(data);
    const SeriesSummary logs = summarise(data, true);
    ASSERT_TRUE(raw.normality && logs.normality);
    EXPECT_TRUE(rejectsNormality(*raw.normality));
    EXPECT_FALSE(rejectsNormality(*logs.normality));
    EXPECT_NEAR(logs.mean, 1, 1e-12);
    EXPECT_NEAR(*logs.cp, (3 - 0) / (6 * logs.sigma), 1e-12) << "the limits as logarithms";
    EXPECT_DOUBLE_EQ(logs.minimum, data.sortData().front()) << "extremes in ordinary units";
    const std::string text = summaryText(data, logs);
    EXPECT_NE(text.find("幾何平均 = 10\nσ(log) = "), std::string::npos) << text;

    NormoData withZero = series({0, 1, 2, 3, 4, 5, 6, 7}, 1, 10, 0);
    const SeriesSummary none = summarise(withZero, true);
    EXPECT_FALSE(none.normality.has_value());
    EXPECT_FALSE(none.cp.has_value());
    EXPECT_NE(summaryText(withZero, none).find("幾何平均 = —"), std::string::npos);
}

// 1 … 10 between −5 and 15: σ = √8.25 for the expected ppm, s = √(82.5/9) for the bounds;
// Φ by a normal table, χ²₀.₀₅,₉ = 3.325 from the chi-square table.
TEST(SeriesSummaryTest, PpmAndLowerBoundsUseSigmaAndSRespectively)
{
    const SeriesSummary summary = summarise(series({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, -5, 15, 0));
    EXPECT_NEAR(*summary.ppmExpected, 598.979984494641, 1e-9);
    EXPECT_EQ(*summary.ppmObserved, 0);
    const double s = std::sqrt(82.5 / 9);
    EXPECT_NEAR(*summary.cpLowerBound, 20 / (6 * s) * std::sqrt(3.325 / 9), 0.00002);
    EXPECT_NEAR(*summary.cpkLowerBound, 0.6049060495561689, 1e-12);

    const SeriesSummary one = summarise(series({5}, 4, 6, 0));
    EXPECT_FALSE(one.ppmExpected || one.cpLowerBound || one.cpkLowerBound);
    EXPECT_EQ(*one.ppmObserved, 0);
}

TEST(SeriesSummaryTest, TheTooltipEndsWithTheDetailLabelsCapabilityLines)
{
    NormoData data = series({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, -5, 15, 0);
    data.setCpFormat("0.0000");
    const std::string without = summaryText(data, summarise(data));
    data.setCapabilityLines({.ppmObserved = true, .cpkLowerBound = true});
    EXPECT_EQ(summaryText(data, summarise(data)), without + "\nppm(実測): 0\nCpk下限95%: 0.6049");
}

TEST(SeriesSummaryTest, AnEmptySeriesShowsItsCountOnly)
{
    NormoData empty;
    empty.setComment("空");
    EXPECT_EQ(summaryText(empty, summarise(empty)), "空\nn = 0");
}

}  // namespace
}  // namespace probel
