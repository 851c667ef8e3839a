// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "cli/label_layout.h"
#include "core/sheet/chart_label.h"

namespace probel::cli {
namespace {

// The A4 upright area inside the margins, and a 9-point axis font.
constexpr PageBox kArea{79, 112, 635, 898};
constexpr AxisTextRoom kAxis{15, 12};

struct Box {
    double left, top, right, bottom;
};

bool overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::vector<Box> labelBoxes(const GraphWithLabels& layout, const std::vector<LabelExtent>& sizes)
{
    std::vector<Box> boxes;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const Point at = layout.labels[i];
        boxes.push_back(Box{double(at.x), double(at.y), at.x + sizes[i].width, at.y + sizes[i].height});
    }
    return boxes;
}

// What every layout must keep: labels inside the area and apart from each other, clear of the
// frame with the axis text that hangs right of it and below it.
void expectSound(const GraphWithLabels& layout, const std::vector<LabelExtent>& sizes)
{
    ASSERT_EQ(layout.labels.size(), sizes.size());
    const PageBox& frame = layout.frame;
    EXPECT_GE(frame.left, kArea.left);
    EXPECT_GE(frame.top, kArea.top);
    EXPECT_LE(frame.left + frame.width, kArea.left + kArea.width);
    EXPECT_LE(frame.top + frame.height, kArea.top + kArea.height);
    const Box graph{double(frame.left), double(frame.top), frame.left + frame.width + kAxis.rightOverhang,
                    frame.top + 1.01 * frame.height + 2.01 * kAxis.lineHeight};
    const auto boxes = labelBoxes(layout, sizes);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_GE(boxes[i].left, kArea.left) << i;
        EXPECT_GE(boxes[i].top, kArea.top) << i;
        EXPECT_LE(boxes[i].right, kArea.left + kArea.width) << i;
        EXPECT_LE(boxes[i].bottom, kArea.top + kArea.height) << i;
        EXPECT_FALSE(overlap(boxes[i], graph)) << i;
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(overlap(boxes[i], boxes[j])) << i << " " << j;
        }
    }
}

TEST(LabelLayoutTest, WithoutLabelsTheFrameIsTheWholeArea)
{
    const auto layout = layOutGraphWithLabels(kArea, kAxis, {});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->frame, kArea);
    EXPECT_TRUE(layout->labels.empty());
}

TEST(LabelLayoutTest, AFewLabelsStackInAColumnRightOfTheFrame)
{
    const std::vector<LabelExtent> sizes = {{70.5, 90}, {92, 90}, {60, 75}};
    const auto layout = layOutGraphWithLabels(kArea, kAxis, sizes);
    ASSERT_TRUE(layout);
    expectSound(*layout, sizes);
    // The frame gives up the widest label, the overhang and the spacing; the column starts
    // at the frame's top and ends at the area's right edge.
    EXPECT_EQ(layout->frame, (PageBox{79, 112, 635 - 92 - 12 - 12, 898}));
    const std::int32_t column = 79 + 635 - 92;
    EXPECT_EQ(layout->labels[0], (Point{column, 112}));
    EXPECT_EQ(layout->labels[1], (Point{column, 112 + 90 + 10}));
    EXPECT_EQ(layout->labels[2], (Point{column, 112 + 200}));
}

TEST(LabelLayoutTest, LabelsThatOverflowAColumnStartTheNext)
{
    const std::vector<LabelExtent> sizes(12, LabelExtent{80, 100});  // eight fit in 898 pixels
    const auto layout = layOutGraphWithLabels(kArea, kAxis, sizes);
    ASSERT_TRUE(layout);
    expectSound(*layout, sizes);
    EXPECT_EQ(layout->labels[7].x, layout->labels[0].x);
    EXPECT_EQ(layout->labels[7].y, 112 + 7 * 110);
    EXPECT_EQ(layout->labels[8].x, layout->labels[0].x + 90);
    EXPECT_EQ(layout->labels[8].y, 112);
    EXPECT_EQ(layout->frame.height, 898);
}

TEST(LabelLayoutTest, LabelsGoBelowWhenTheFrameWouldGetTooNarrow)
{
    // Two columns of these would leave the frame less than half the width.
    const std::vector<LabelExtent> sizes(6, LabelExtent{200, 160});
    const auto layout = layOutGraphWithLabels(kArea, kAxis, sizes);
    ASSERT_TRUE(layout);
    expectSound(*layout, sizes);
    EXPECT_EQ(layout->frame.width, kArea.width);
    EXPECT_LT(layout->frame.height, kArea.height);
    EXPECT_GE(layout->frame.height, kArea.height / 2);
    // Rows of three, left to right.
    EXPECT_EQ(layout->labels[0].x, 79);
    EXPECT_EQ(layout->labels[1].x, 79 + 210);
    EXPECT_EQ(layout->labels[3].x, 79);
    EXPECT_EQ(layout->labels[3].y, layout->labels[0].y + 170);
    EXPECT_EQ(layout->frame.height, 520);  // (898 - 330 - 2.01 × 15 - 12) / 1.01
}

TEST(LabelLayoutTest, NothingIsPlacedWhenTheLabelsCannotFit)
{
    const std::vector<std::vector<LabelExtent>> cases = {
        std::vector<LabelExtent>(60, LabelExtent{110, 100}),  // too many
        {{700, 20}},                                          // wider than the area
        {{50, 950}},                                          // taller than the area
    };
    for (const auto& sizes : cases) {
        EXPECT_FALSE(layOutGraphWithLabels(kArea, kAxis, sizes)) << sizes.size();
    }
}

}  // namespace
}  // namespace probel::cli
