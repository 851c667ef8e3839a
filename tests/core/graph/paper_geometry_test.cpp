// SPDX-License-Identifier: MIT
#include "core/graph/paper_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/graph/normo_bp.h"
#include "support/graph_builder.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::GraphBuilder;

// Frame (50, 100) ... (550, 500), axis 0 ... 100.
std::unique_ptr<NormoBp> standardGraph()
{
    return GraphBuilder().frame(50, 100, 500, 400).axis(0, 100).build();
}

TEST(PaperGeometry, ClippingKeepsThePartsInsideTheFrame)
{
    auto graph = standardGraph();
    RecordingCanvas canvas(640, 600);
    const PaperGeometry paper(*graph, graph->frame(), canvas);
    // In from the left edge, along, out at the top; then a point with no place breaks the line.
    const std::vector<PointF> points{{0, 300}, {100, 300}, {200, 200}, {300, 0},    {400, 50},
                                     {NAN, 0}, {300, 300}, {320, 310}, {320.5, 310}};
    const auto runs = paper.clipped(points);
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_EQ(runs[0], (std::vector<Point>{{50, 300}, {100, 300}, {200, 200}, {250, 100}}));
    // 320.5 rounds to 320 (halves to even), the same pixel as the point before.
    EXPECT_EQ(runs[1], (std::vector<Point>{{300, 300}, {320, 310}}));
}

TEST(PaperGeometry, ClippingStopsAtTheCanvas)
{
    auto graph = standardGraph();
    RecordingCanvas canvas(200, 250);
    const PaperGeometry paper(*graph, graph->frame(), canvas);
    // The frame is cut to the canvas widened by 2 pixels: x up to 202, y up to 252.
    const std::vector<PointF> points{{100, 150}, {500, 150}};
    EXPECT_EQ(paper.clipped(points), (std::vector<std::vector<Point>>{{{100, 150}, {202, 150}}}));
    EXPECT_EQ(paper.verticalAcross(150), (std::vector<Point>{{150, 252}, {150, 100}}));
    EXPECT_FALSE(paper.verticalAcross(300));
    EXPECT_FALSE(paper.horizontalAcross(400));
}

}  // namespace
}  // namespace probel
