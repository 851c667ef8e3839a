// SPDX-License-Identifier: MIT
#include "core/stats/normo_data.h"

#include <gtest/gtest.h>

#include <cmath>

namespace probel {
namespace {

NormoData seriesOf(std::vector<double> values)
{
    NormoData series;
    series.setIniData(std::move(values));
    return series;
}

TEST(NormoDataTest, NewSeriesHasItsDefaults)
{
    NormoData series;
    EXPECT_EQ(series.dataCount(), 0);
    EXPECT_TRUE(series.sortData().empty());
    EXPECT_EQ(series.mrk(), "△");
    EXPECT_EQ(series.mrkSize(), 3);
    EXPECT_EQ(series.color(), 0);
    EXPECT_EQ(series.drawStyle(), 0);
    EXPECT_TRUE(series.lineVisible());
    EXPECT_FALSE(series.visible());
    EXPECT_FALSE(series.label());
    EXPECT_EQ(series.cpOption(), 0);
    EXPECT_EQ(series.heikinFormat(), "");
    EXPECT_EQ(series.heikin(), 0);
    EXPECT_EQ(series.siguma(), 0);
}

TEST(NormoDataTest, SettingValuesSortsAndComputesPopulationStatistics)
{
    auto series = seriesOf({3, 1, 2});
    EXPECT_EQ(series.sortData(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(series.dataCount(), 3);
    EXPECT_DOUBLE_EQ(series.heikin(), 2);
    EXPECT_DOUBLE_EQ(series.siguma(), std::sqrt(2.0 / 3.0));
    EXPECT_TRUE(series.visible());
    EXPECT_EQ(series.iniData(), (std::vector<double>{3, 1, 2}));
}

// s² = Σ(x − x̄)²/(n − 1), for the values and for their logarithms; back to σ when set back.
TEST(NormoDataTest, DividingByNMinusOneGivesTheSampleStandardDeviation)
{
    NormoData series = seriesOf({2, 4, 4, 4, 5, 5, 7, 9});
    series.setSigmaDivisor(SigmaDivisor::CountLessOne);
    EXPECT_DOUBLE_EQ(series.heikin(), 5);
    EXPECT_DOUBLE_EQ(series.siguma(), std::sqrt(32.0 / 7));
    double logMean = 0;
    for (const double x : {2, 4, 4, 4, 5, 5, 7, 9}) {
        logMean += std::log10(x) / 8;
    }
    double logSquares = 0;
    for (const double x : {2, 4, 4, 4, 5, 5, 7, 9}) {
        logSquares += (std::log10(x) - logMean) * (std::log10(x) - logMean);
    }
    EXPECT_NEAR(series.logSiguma(), std::sqrt(logSquares / 7), 1e-15);
    // New values keep the divisor.
    series.setIniData({1, 3});
    EXPECT_DOUBLE_EQ(series.siguma(), std::sqrt(2.0));
    series.setSigmaDivisor(SigmaDivisor::Count);
    EXPECT_DOUBLE_EQ(series.siguma(), 1);
    // One value has no spread either way.
    series.setSigmaDivisor(SigmaDivisor::CountLessOne);
    series.setIniData({4});
    EXPECT_EQ(series.siguma(), 0);
}

TEST(NormoDataTest, SigmaKeepsItsDigitsFarFromZero)
{
    // A one-pass sum of squares loses every digit here.
    auto series = seriesOf({1000000001, 1000000002, 1000000003});
    EXPECT_DOUBLE_EQ(series.heikin(), 1000000002);
    EXPECT_NEAR(series.siguma(), std::sqrt(2.0 / 3.0), 1e-12);

    auto logs = seriesOf({1e12 + 1, 1e12 + 2, 1e12 + 3, 1e12 + 4});
    EXPECT_NEAR(logs.siguma(), std::sqrt(1.25), 1e-9);
    EXPECT_GT(logs.logSiguma(), 0);
}

TEST(NormoDataTest, ValuesNearTheTopOfTheRangeDoNotOverflow)
{
    auto series = seriesOf({1e308, 1.5e308});
    EXPECT_DOUBLE_EQ(series.heikin(), 1.25e308);
    EXPECT_DOUBLE_EQ(series.siguma(), 0.25e308);

    auto spread = seriesOf({-1e308, 1e308, 0});
    EXPECT_EQ(spread.heikin(), 0);
    EXPECT_DOUBLE_EQ(spread.siguma(), std::sqrt(2.0 / 3.0) * 1e308);
}

TEST(NormoDataTest, SettingValuesAgainStartsFromScratch)
{
    auto series = seriesOf({10, 20, 30});
    series.setIniData({5});
    EXPECT_EQ(series.dataCount(), 1);
    EXPECT_EQ(series.sortData(), (std::vector<double>{5}));
    EXPECT_DOUBLE_EQ(series.heikin(), 5);
    EXPECT_EQ(series.siguma(), 0);
}

TEST(NormoDataTest, LogStatisticsUseBaseTenAndKeepValuesWithoutLogarithm)
{
    auto series = seriesOf({100, 1, 10});
    EXPECT_EQ(series.logSortData(), (std::vector<double>{0, 1, 2}));
    EXPECT_DOUBLE_EQ(series.logHeikin(), 1);
    EXPECT_DOUBLE_EQ(series.logSiguma(), std::sqrt(2.0 / 3.0));

    auto withZero = seriesOf({10, 0, -5});
    EXPECT_EQ(withZero.logSortData(), (std::vector<double>{-5, 0, 1}));
}

TEST(NormoDataTest, ReadingValuesOfAnEmptySeriesMakesItVisible)
{
    NormoData series;
    EXPECT_TRUE(series.iniData().empty());
    EXPECT_TRUE(series.visible());
}

TEST(NormoDataTest, EmptyValuesGiveZeroStatisticsNotNaN)
{
    auto series = seriesOf({4, 6});
    series.setIniData({});
    EXPECT_EQ(series.dataCount(), 0);
    EXPECT_EQ(series.heikin(), 0);
    EXPECT_EQ(series.siguma(), 0);
    EXPECT_EQ(series.logHeikin(), 0);
}

TEST(NormoDataTest, FormattedReadersRoundAndRememberTheFormat)
{
    auto series = seriesOf({2.34, 2.35});  // mean 2.345
    EXPECT_DOUBLE_EQ(series.heikin("0.##"), 2.35);
    EXPECT_EQ(series.heikinFormat(), "0.##");
    EXPECT_DOUBLE_EQ(series.heikin(), 2.345);
    EXPECT_EQ(series.heikinFormat(), "0.##");

    series.logHeikin("0.0");
    EXPECT_EQ(series.heikinFormat(), "0.0");
    series.siguma("0.###");
    EXPECT_EQ(series.sigumaFormat(), "0.###");
    series.logSiguma("0.0000");
    EXPECT_EQ(series.sigumaFormat(), "0.0000");
    series.probel("0.#");
    EXPECT_EQ(series.probelFormat(), "0.#");
    series.logProbel("0");
    EXPECT_EQ(series.probelFormat(), "0");
    series.cp(0, "0.00");
    EXPECT_EQ(series.cpFormat(), "0.00");
    series.logCp(0, "0.000");
    EXPECT_EQ(series.cpFormat(), "0.000");
    EXPECT_DOUBLE_EQ(series.heikin("0.0E+0"), 2.3);

    auto large = seriesOf({1234.4, 1234.6});
    EXPECT_DOUBLE_EQ(large.heikin("#,##0"), 1235);
}

TEST(NormoDataTest, AreaTableFollowsTheNormalCurveWithItsOneException)
{
    const auto& table = NormoData::areaTable();
    EXPECT_EQ(table[0], 0);
    EXPECT_DOUBLE_EQ(table[1], 0.0040);
    EXPECT_DOUBLE_EQ(table[2], 0.0080);
    EXPECT_DOUBLE_EQ(table[3], 0.0120);
    EXPECT_DOUBLE_EQ(table[4], 0.0160);
    EXPECT_DOUBLE_EQ(table[73], 0.2673);
    EXPECT_DOUBLE_EQ(table[74], 0.2703);
    EXPECT_DOUBLE_EQ(table[75], 0.2734);
    EXPECT_DOUBLE_EQ(table[100], 0.3413);
    EXPECT_DOUBLE_EQ(table[196], 0.4750);
    EXPECT_DOUBLE_EQ(table[299], 0.4986);
}

// A series with mean 0 and sigma 1.
NormoData unitSeries()
{
    return seriesOf({-1, 1});
}

// Expected areas from published normal tables: Φ(1) − Φ(−1) = 0.682689492137086,
// Φ(3) − Φ(−3) = 0.997300203936740, Φ(1) − Φ(0.5) = 0.841344746068543 − 0.691462461274013.
TEST(NormoDataTest, ProbelIsTheAreaBetweenTheLimits)
{
    struct Case {
        double min, max, exactFraction, expectedPercent;
    };
    const Case cases[] = {
        {-1, 1, 0.682689492137086, 68.27},
        {1, -1, -0.682689492137086, -68.27},  // reversed limits give a negative area
        {0, 1, 0.341344746068543, 34.13},
        {0.5, 1, 0.149882284794530, 14.99},
        {-3, 3, 0.997300203936740, 99.73},
        {-50, 50, 1, 100},
        // Where a table of hundredths of σ jumped to the full half at 2.995σ.
        {-2.995, 2.995, 0.997255551582545, 99.73},
        {-2.994, 2.994, 0.997246540554790, 99.72},
    };
    for (const auto& c : cases) {
        auto series = unitSeries();
        series.setMin(c.min);
        series.setMax(c.max);
        EXPECT_DOUBLE_EQ(series.probel("0.##"), c.expectedPercent) << c.min << " .. " << c.max;
        EXPECT_NEAR(series.storedProbel(), c.exactFraction, 1e-14) << c.min << " .. " << c.max;
    }
}

TEST(NormoDataTest, ProbelIsExactWhereATableOfHundredthsWouldRound)
{
    // At 3σ a table of hundredths of σ reaches its last entry and shows the full 100 %.
    auto series = unitSeries();
    series.setMin(-3);
    series.setMax(3);
    EXPECT_DOUBLE_EQ(series.probel("0.0000"), 99.7300);
    // Between table steps: Φ(1.935) − 0.5 = 0.473505 (halfway between 0.47320 and 0.47381 of a
    // five-place table), where hundredths round to 1.94σ and 2 · 0.4738.
    series.setMin(-1.935);
    series.setMax(1.935);
    EXPECT_NEAR(series.probel(), 94.7010, 0.0001);
}

TEST(NormoDataTest, LogProbelUsesTheLogLimitsAndStatistics)
{
    auto series = seriesOf({1, 100});  // log mean 1, log sigma 1
    series.setMin(1);
    series.setMax(100);
    EXPECT_DOUBLE_EQ(series.logProbel("0.##"), 68.27);
    series.setLogMin(0.5);
    // Φ(1) − Φ(−0.5) = 0.841344746068543 − 0.308537538725987.
    EXPECT_NEAR(series.logProbel(), 53.2807207342556, 1e-11);
}

TEST(NormoDataTest, ZeroSigmaGivesZeroProbelButHugeCp)
{
    auto series = seriesOf({5});
    series.setMin(4);
    series.setMax(7);
    EXPECT_EQ(series.probel(), 0);
    EXPECT_EQ(series.logProbel(), 0);

    const double cp = series.cp(0);
    EXPECT_DOUBLE_EQ(cp, 3 / (6 * 1E-30));
    // The stand-in stays: sigma now reads 1E-30.
    EXPECT_EQ(series.siguma(), 1E-30);
    EXPECT_DOUBLE_EQ(series.cp(1), 2 / (3 * 1E-30));

    EXPECT_EQ(series.logSiguma(), 0);
    series.logCp(0);
    EXPECT_EQ(series.logSiguma(), 1E-30);
}

TEST(NormoDataTest, CpOptionsChooseTheLimits)
{
    auto series = seriesOf({3, 5});  // mean 4, sigma 1
    series.setMin(1);
    series.setMax(10);
    EXPECT_DOUBLE_EQ(series.cp(1), 2);
    EXPECT_EQ(series.cpOption(), 1);
    EXPECT_DOUBLE_EQ(series.cp(2), 1);
    EXPECT_EQ(series.cpOption(), 2);
    EXPECT_DOUBLE_EQ(series.cp(0), 1.5);
    EXPECT_DOUBLE_EQ(series.cp(7), 1.5);  // any other option uses both limits
    EXPECT_EQ(series.cpOption(), 7);
    EXPECT_DOUBLE_EQ(series.storedCp(), 1.5);
    EXPECT_DOUBLE_EQ(series.cp(0, "0"), 2);  // 1.5 rounds away from zero
}

TEST(NormoDataTest, LogCpUsesBothLimitsWhateverTheOptionAndReportsAPower)
{
    auto series = seriesOf({1, 100});  // log sigma 1
    series.setMin(1);
    series.setMax(1e6);  // log range 6
    EXPECT_DOUBLE_EQ(series.logCp(1), 10);
    EXPECT_DOUBLE_EQ(series.storedLogCp(), 1);
    EXPECT_EQ(series.cpOption(), 0);  // only Cp remembers its option
}

TEST(NormoDataTest, LimitsKeepTheirLogarithms)
{
    NormoData series;
    series.setMin(100);
    EXPECT_DOUBLE_EQ(series.logMin(), 100);
    series.setMin(-3);  // no logarithm: the log limit stays
    EXPECT_EQ(series.min(), -3);
    EXPECT_DOUBLE_EQ(series.logMin(), 100);
    series.setMax(0);
    EXPECT_DOUBLE_EQ(series.logMax(), 1);  // still the default log limit 0
    series.setLogMax(3);
    EXPECT_DOUBLE_EQ(series.logMax(), 1000);
    EXPECT_EQ(series.max(), 0);
    series.setMax(1000);
    EXPECT_DOUBLE_EQ(series.logMax(), 1000);
}

// Copies are what undo keeps and what a picture on the clipboard draws later: they share the
// values, and a copy keeps its own figures whatever happens to the series it came from.
TEST(NormoDataTest, CopiesShareTheValuesAndKeepTheirFigures)
{
    auto series = seriesOf({3, 1, 2});
    series.setComment("A");
    const NormoData copy = series;
    const NormoData lean = series.lean();
    EXPECT_EQ(copy.iniValues().data(), series.iniValues().data());
    EXPECT_EQ(lean.iniValues().data(), series.iniValues().data());
    EXPECT_EQ(copy, series);
    EXPECT_EQ(lean, series);

    series.setIniData({10, 30});
    EXPECT_EQ(copy.sortData(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(lean.heikin(), 2);
    EXPECT_EQ(series.heikin(), 20);
    EXPECT_NE(copy, series);
}

// Equal values set apart are the same series; a value or a setting that differs is not.
TEST(NormoDataTest, SeriesCompareByTheirValuesNotWhereTheyAreKept)
{
    const auto one = seriesOf({1, 2, 3});
    auto other = seriesOf({1, 2, 3});
    EXPECT_EQ(one, other);
    EXPECT_NE(one, seriesOf({1, 2, 4}));
    other.setComment("B");
    EXPECT_NE(one, other);
}

// The mean is summed in ascending order, so entering the same values in another order gives
// the same bits (0.1 + 0.2 + 0.3 differs from 0.3 + 0.2 + 0.1 in the last place).
TEST(NormoDataTest, FiguresDoNotDependOnTheOrderOfEntry)
{
    ASSERT_NE((0.1 + 0.2) + 0.3, (0.3 + 0.2) + 0.1);
    const auto ascending = seriesOf({0.1, 0.2, 0.3});
    const auto descending = seriesOf({0.3, 0.2, 0.1});
    EXPECT_EQ(ascending.heikin(), descending.heikin());
    EXPECT_EQ(ascending.heikin(), ((0.1 + 0.2) + 0.3) / 3);
    EXPECT_EQ(ascending.siguma(), descending.siguma());
    EXPECT_EQ(descending.valueRange(), std::make_pair(0.1, 0.3));
    EXPECT_EQ(seriesOf({}).valueRange(), std::make_pair(0.0, 0.0));
}

// Cp's stand-in for a zero σ belongs to those values: new values, or another divisor, start
// without it.
TEST(NormoDataTest, TheZeroSigmaStandInGoesWithNewValues)
{
    auto series = seriesOf({5, 5});
    series.setMin(4);
    series.setMax(7);
    series.cp(0);
    EXPECT_EQ(series.siguma(), NormoData::kZeroSigmaStandIn);
    series.setSigmaDivisor(SigmaDivisor::CountLessOne);
    EXPECT_EQ(series.siguma(), 0);
    series.cp(0);
    series.setIniData({5, 5});
    EXPECT_EQ(series.siguma(), 0);
}

}  // namespace
}  // namespace probel
