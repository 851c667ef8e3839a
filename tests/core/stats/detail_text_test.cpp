// SPDX-License-Identifier: MIT
#include "core/stats/detail_text.h"

#include <gtest/gtest.h>

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
              "Probel : 79.1%\r\nCp   : 7.18\r\n");
    EXPECT_EQ(series.cpOption(), 1);
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
    // log sigma is sqrt(2/3): the limits lie 1.2247 sigma out on each side.
    EXPECT_EQ(lines[4], "Probel : 77.76%");
}

TEST(DetailTextTest, NoChoicesGiveNoLines)
{
    NormoData series;
    series.setIniData({2});
    EXPECT_TRUE(detailStatLines(series, DetailChoice{}).empty());
    EXPECT_EQ(detailCaption(series, DetailChoice{}), "△:\r\n\r\n");
}

}  // namespace
}  // namespace probel
