// SPDX-License-Identifier: MIT
#include "core/sheet/sheet_placement.h"

#include <gtest/gtest.h>

#include <utility>

namespace probel {
namespace {

TEST(SheetPlacement, MovesSnapToTenPixelStepsAsymmetricallyBySign)
{
    // Displacements are press − pointer: a pointer moved left gives a positive one.
    struct Case {
        std::int32_t displacement;
        std::int32_t moved;
    };
    const Case cases[] = {
        {7, -10}, {4, 0},    {5, -10},  {15, -20}, {10, -10}, {0, 0},
        {-7, 0},  {-13, 10}, {-20, 20}, {-5, 0},   {-17, 10}, {-25, 20},
    };
    for (const Case& one : cases) {
        EXPECT_EQ(snappedMove(one.displacement), one.moved) << one.displacement;
    }
}

TEST(SheetPlacement, GripsAreTheFivePixelEdgesWithTheVerticalOnesWinningInCorners)
{
    struct Case {
        double x;
        double y;
        FrameGrip grip;
    };
    const Case cases[] = {
        {0, 50, FrameGrip::LeftEdge},    {5, 50, FrameGrip::LeftEdge},      {5.5, 50, FrameGrip::Move},
        {195, 50, FrameGrip::RightEdge}, {200, 50, FrameGrip::RightEdge},   {194, 50, FrameGrip::Move},
        {100, 0, FrameGrip::TopEdge},    {100, 100, FrameGrip::BottomEdge}, {100, 94, FrameGrip::Move},
        {198, 2, FrameGrip::TopEdge},    {2, 98, FrameGrip::BottomEdge},    {2, 2, FrameGrip::TopEdge},
    };
    for (const Case& one : cases) {
        EXPECT_EQ(frameGripAt(one.x, one.y, 200, 100), one.grip) << one.x << "," << one.y;
    }
}

TEST(SheetPlacement, EdgesResizeWithoutSnappingAndStopBelowFivePixels)
{
    const GraphFrame frame{100, 50, 200, 120};
    // The right edge dragged 30 to the right: 30 wider, the left edge stays.
    EXPECT_EQ(stepFrame(frame, FrameGrip::RightEdge, -30, 0).frame, (GraphFrame{100, 50, 230, 120}));
    // The left edge dragged 30 to the left: 30 wider and 30 further left.
    EXPECT_EQ(stepFrame(frame, FrameGrip::LeftEdge, 30, 0).frame, (GraphFrame{70, 50, 230, 120}));
    EXPECT_EQ(stepFrame(frame, FrameGrip::TopEdge, 0, 7).frame, (GraphFrame{100, 43, 200, 127}));
    EXPECT_EQ(stepFrame(frame, FrameGrip::BottomEdge, 0, 13).frame, (GraphFrame{100, 50, 200, 107}));
    // 196 to the left would leave 4: refused; 195 leaves 5.
    const FrameStep refused = stepFrame(frame, FrameGrip::RightEdge, 196, 0);
    EXPECT_FALSE(refused.resized);
    EXPECT_EQ(refused.frame, frame);
    EXPECT_EQ(stepFrame(frame, FrameGrip::RightEdge, 195, 0).frame.width, 5);
    EXPECT_FALSE(stepFrame(frame, FrameGrip::LeftEdge, -196, 0).resized);
    // A move snaps both ways at once and keeps the size.
    EXPECT_EQ(stepFrame(frame, FrameGrip::Move, 7, -13).frame, (GraphFrame{90, 60, 200, 120}));
}

TEST(SheetPlacement, ReleasedObjectsArePushedBackOntoThePaper)
{
    EXPECT_EQ(pushOntoPaper(634, 200, 794), 594);  // 40 beyond the right side
    EXPECT_EQ(pushOntoPaper(-30, 200, 794), 0);
    EXPECT_EQ(pushOntoPaper(10, 200, 794), 10);
    // Larger than the paper: it ends at the far edge, its start off the paper.
    EXPECT_EQ(pushOntoPaper(0, 900, 794), -106);
}

// A text label goes where the paper was clicked, on the grid and on the paper; a detail label
// beside its graph, below the graph's other detail labels.
TEST(SheetPlacement, NewLabelsGoToTheClickOrBesideTheirGraphAndStayOnThePaper)
{
    EXPECT_EQ(textLabelSpot(137, 64.5, 50, 20, 794, 1123), (LabelSpot{130, 60}));
    EXPECT_EQ(textLabelSpot(780, 1120, 50, 20, 794, 1123), (LabelSpot{744, 1103})) << "pushed back from the edges";
    EXPECT_EQ(textLabelSpot(300, 10, 900, 20, 794, 1123), (LabelSpot{0, 10})) << "wider than the paper";

    const GraphFrame frame{100, 80, 400, 600};
    EXPECT_EQ(detailLabelSpot(frame, std::nullopt, 90, 70, 794, 1123), (LabelSpot{510, 80}));
    EXPECT_EQ(detailLabelSpot(frame, 151.6, 90, 70, 794, 1123), (LabelSpot{510, 170})) << "10 below, on the grid";
    EXPECT_EQ(detailLabelSpot(frame, 150, 90, 70, 794, 1123), (LabelSpot{510, 160}));
    EXPECT_EQ(detailLabelSpot(frame, 1100, 90, 70, 794, 1123), (LabelSpot{510, 1053})) << "kept on the paper";
    const GraphFrame wide{100, 80, 650, 600};
    EXPECT_EQ(detailLabelSpot(wide, std::nullopt, 90, 70, 794, 1123), (LabelSpot{704, 80})) << "over the frame's edge";
}

TEST(SheetPlacement, NewObjectsStartOnTheTenPixelGrid)
{
    EXPECT_EQ(gridStart(137), 130);
    EXPECT_EQ(gridStart(140), 140);
    EXPECT_EQ(gridStart(64.5), 60);  // 64.5 rounds to 64
    EXPECT_EQ(gridStart(65.5), 60);  // 65.5 rounds to 66
}

TEST(SheetPlacement, TypedPositionsGoToTheNearestGridPointHalvesDown)
{
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {130, 130}, {134, 130}, {135, 130},
        {136, 140}, {0, 0},     {-5, -10},
        {-4, 0},    {-16, -20}, {2147483647, 2147483640},
    };
    for (const auto& [typed, placed] : cases) {
        EXPECT_EQ(nearestGridPosition(typed), placed) << typed;
    }
}

TEST(SheetPlacement, TheSettingsDialogFindsTheFrameClampedOntoTheCanvas)
{
    EXPECT_EQ(clampFrameOnCanvas({700, 10, 200, 100}, 794, 1123), (GraphFrame{594, 10, 200, 100}));
    EXPECT_EQ(clampFrameOnCanvas({-5, -7, 200, 100}, 794, 1123), (GraphFrame{0, 0, 200, 100}));
    EXPECT_EQ(clampFrameOnCanvas({10, 1100, 200, 100}, 794, 1123), (GraphFrame{10, 1023, 200, 100}));
    // Wider than the canvas: it ends at the canvas's edge.
    EXPECT_EQ(clampFrameOnCanvas({0, 0, 900, 100}, 794, 1123).left, -106);
}

}  // namespace
}  // namespace probel
