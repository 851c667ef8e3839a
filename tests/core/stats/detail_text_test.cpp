// SPDX-License-Identifier: MIT
#include "core/stats/detail_text.h"

#include <gtest/gtest.h>

#include "core/stats/capability_lines.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

TEST(DetailTextTest, CaptionHasMarkerCommentAndChosenLines)
{
    NormoData series;
    series.setMrk("○");
    series.setComment("ロットA");
    series.setIniData({1, 10, 100});
    series.setMin(1);
    series.setMax(1000);

    DetailChoice choice;
    choice.meanLines = true;
    choice.sigmaLine = true;
    choice.probelLine = true;
    choice.cpOption = 1;
    EXPECT_EQ(detailCaption(series, choice),
              "○:\r\nロットA\r\n平均 : 37\r\n最小値:1\r\n最大値:100\r\nσ    : 44.7\r\n"
              "Probel : 78.97%\r\nCp   : 7.18\r\n");
    EXPECT_EQ(series.cpOption(), 1);
}

// With n − 1 the label says s, and Probel and Cp read it: s = √(5994/2), Φ((1000 − 37)/s) −
// Φ((1 − 37)/s) = 74.46 % and (1000 − 37)/(3s) = 5.86.
TEST(DetailTextTest, ASeriesDividingByNMinusOneShowsSAndItsFiguresFollow)
{
    NormoData series;
    series.setMrk("○");
    series.setComment("ロットA");
    series.setIniData({1, 10, 100});
    series.setSigmaDivisor(SigmaDivisor::CountLessOne);
    series.setMin(1);
    series.setMax(1000);

    DetailChoice choice;
    choice.sigmaLine = true;
    choice.probelLine = true;
    choice.cpOption = 1;
    EXPECT_EQ(detailCaption(series, choice), "○:\r\nロットA\r\ns    : 54.74\r\nProbel : 74.46%\r\nCp   : 5.86\r\n");
}

TEST(DetailTextTest, LogAxisShowsGeometricMeanAndLogPercentage)
{
    NormoData series;
    series.setIniData({1, 10, 100});
    series.setMin(1);
    series.setMax(100);
    DetailChoice choice;
    choice.meanLines = true;
    choice.sigmaLine = true;
    choice.probelLine = true;
    choice.logAxis = true;
    const auto lines = detailStatLines(series, choice);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "平均 : 10");
    EXPECT_EQ(lines[3], "σ    : 44.7");  // sigma of the values, not of the logs
    // log sigma is sqrt(2/3): the limits lie 1.2247 sigma out on each side, and
    // 2Φ(1.2247) − 1 = 0.7793 by a normal table.
    EXPECT_EQ(lines[4], "Probel : 77.93%");
}

TEST(DetailTextTest, NoChoicesGiveNoLines)
{
    NormoData series;
    series.setIniData({2});
    EXPECT_TRUE(detailStatLines(series, DetailChoice{}).empty());
    EXPECT_EQ(detailCaption(series, DetailChoice{}), "△:\r\n\r\n");
}

constexpr CapabilityLines kEveryLine{true, true, true, true, true, true};

// 1 … 10 between −5 and 15: mean 5.5, σ = √8.25, s = √(82.5/9). Expected figures by hand:
// Cpk = 9.5/(3σ); ppm = 10⁶(Φ(−10.5/σ) + Φ(−9.5/σ)); A² term by term with s and p by
// D'Agostino and Stephens; Cp with s times √(3.325/9) (χ²₀.₀₅,₉ from the table); Cpk with s
// less 1.6448536·√(1/90 + Cpk²/18).
TEST(DetailTextTest, CapabilityLinesFollowTheEarlierLinesInTheirOrder)
{
    NormoData series;
    series.setIniData({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    series.setMin(-5);
    series.setMax(15);
    series.setCapabilityLines(kEveryLine);
    DetailChoice choice;
    choice.sigmaLine = true;
    choice.probelLine = true;
    choice.cpOption = 0;
    choice.sigmaFormat = choice.probelFormat = choice.cpFormat = "0.0000";
    EXPECT_EQ(detailCaption(series, choice),
              "△:\r\n\r\nσ    : 2.8723\r\nProbel : 99.9401%\r\nCp   : 1.1605\r\n"
              "Cpk  : 1.1025\r\nppm(予測): 599\r\nppm(実測): 0\r\nA²   : 0.1411 (p=0.9567)\r\n"
              "Cp下限95%: 0.6692\r\nCpk下限95%: 0.6049\r\n");
}

TEST(DetailTextTest, UndefinedCapabilityFiguresShowADash)
{
    NormoData series;
    series.setIniData({5});
    series.setMin(4);
    series.setMax(6);
    series.setCapabilityLines(kEveryLine);
    EXPECT_EQ(detailStatLines(series, DetailChoice{}),
              (std::vector<std::string>{"Cpk  : -", "ppm(予測): -", "ppm(実測): 0", "A²   : - (p=-)", "Cp下限95%: -",
                                        "Cpk下限95%: -"}));
}

TEST(DetailTextTest, OnALogAxisTheCapabilityLinesAreOfTheLogarithms)
{
    NormoData series;
    series.setIniData({1, 10, 100});
    series.setMin(1);
    series.setMax(1000);
    series.setCapabilityLines({.cpk = true});
    DetailChoice choice;
    choice.cpOption = 1;  // the upper limit only
    choice.logAxis = true;
    // Logarithms 0, 1, 2 below log 1000 = 3: (3 − 1)/(3√(2/3)) = 0.816.
    EXPECT_EQ(detailStatLines(series, choice).back(), "Cpk  : 0.82");
}

}  // namespace
}  // namespace probel
