// SPDX-License-Identifier: MIT
#include "core/sheet/chart_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace probel {
namespace {

TEST(ChartLabelTest, FramedOnlyForTagOneWithBlanksTrimmed)
{
    const std::vector<std::pair<std::string, bool>> cases = {
        {"1", true}, {" 1 ", true}, {"1  ", true}, {"0", false}, {"", false}, {"11", false}, {"1\t", false},
    };
    for (const auto& [tag, framed] : cases) {
        ChartLabel label;
        label.tag = tag;
        EXPECT_EQ(label.framed(), framed) << '"' << tag << '"';
    }
}

TEST(ChartLabelTest, CaptionLinesSplitAtCrLfAndLoneBreaks)
{
    using Lines = std::vector<std::string_view>;
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"", {""}},
        {"abc", {"abc"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n", {"a", ""}},
        {"\r\n\r\n", {"", "", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"平均 : 10\r\nσ    : 1", {"平均 : 10", "σ    : 1"}},
    };
    for (const auto& [caption, lines] : cases) {
        EXPECT_EQ(captionLines(caption), lines) << caption;
    }
}

TEST(ChartLabelTest, ExtentIsWidestLineAndSumOfLineHeightsInTheLabelsFont)
{
    RecordingCanvas canvas;  // 96 dpi: a 10-point font is 13.33 px, 8 px per character
    ChartLabel label;
    label.font.size = 10;
    label.font.bold = true;
    label.caption = "ab\r\ncdef\r\ng";
    const LabelExtent extent = labelExtent(label, canvas);
    const double pixelSize = 10 * 96.0 / 72.0;
    EXPECT_DOUBLE_EQ(extent.width, 4 * 0.6 * pixelSize);
    EXPECT_DOUBLE_EQ(extent.height, 3 * 1.2 * pixelSize);
    EXPECT_EQ(canvas.font(), label.font);
}

}  // namespace
}  // namespace probel
