// SPDX-License-Identifier: MIT
// What a graph's analysis adds to its drawing, on a recording canvas at 72 dpi, where a
// 10-point text is 12 pixels high and 6 pixels wide per character, so texts keep a gap of
// 3 pixels (a quarter line). The frame runs from (50, 100) to (550, 500), the axis 0 ... 100:
// a value v lies at x = 50 + 5 v.
#include "core/graph/analysis_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/graph/graph_renderer.h"
#include "core/graph/normo_bp.h"
#include "support/graph_builder.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::GraphBuilder;

constexpr double kDpi = 72;
constexpr std::int32_t kTextColor = 0x123456;
constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;

GraphBuilder graphWith(GraphAnalysis analysis)
{
    return GraphBuilder().frame(50, 100, 500, 400).axis(0, 100).with([analysis](NormoBp& graph) {
        graph.setForeColor(kTextColor);
        graph.setFontName("Test Sans");
        graph.setFontSize(10);
        graph.setAnalysis(analysis);
    });
}

std::function<void(NormoData&)> limits(double lower, double upper, std::int32_t cpOption = 0, std::int32_t color = kRed)
{
    return [=](NormoData& series) {
        series.setMin(lower);
        series.setMax(upper);
        series.setCpOption(cpOption);
        series.setColor(color);
        series.setHeikinFormat("0.0");
    };
}

RecordingCanvas drawAnalysisOf(const NormoBp& graph)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    drawGraphAnalysis(graph, canvas, graph.frame());
    return canvas;
}

GraphAnalysis limitLines()
{
    GraphAnalysis analysis;
    analysis.specLines = true;
    return analysis;
}

TEST(AnalysisDrawing, LimitLinesAreDashedAcrossTheFrameAndLabelledAboveIt)
{
    auto graph = graphWith(limitLines()).series({40, 50, 60}, limits(20, 80)).build();
    const auto canvas = drawAnalysisOf(*graph);
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{150, 500}, {150, 100}}));
    EXPECT_EQ(lines[1].points, (std::vector<Point>{{450, 500}, {450, 100}}));
    for (const auto& line : lines) {
        EXPECT_EQ(line.penStyle, kPenDash);
        EXPECT_EQ(line.color, kRed);
    }
    // "L 20.0" is 36 pixels wide: centred on its line, its bottom a gap above the frame.
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0].text, "L 20.0");
    EXPECT_EQ(texts[0].topLeft, (PointF{132, 85}));
    EXPECT_EQ(texts[1].text, "U 80.0");
    EXPECT_EQ(texts[1].topLeft, (PointF{432, 85}));
    EXPECT_EQ(texts[0].color, kRed);
    EXPECT_EQ(texts[0].font, (CanvasFont{"Test Sans", 10}));
}

TEST(AnalysisDrawing, LimitLinesFollowTheCpOption)
{
    // 1 reads Cp from the upper limit only, 2 from the lower one only.
    auto upperOnly = graphWith(limitLines()).series({50}, limits(20, 80, 1)).build();
    auto lowerOnly = graphWith(limitLines()).series({50}, limits(20, 80, 2)).build();
    const auto upperTexts = drawAnalysisOf(*upperOnly).texts();
    const auto lowerTexts = drawAnalysisOf(*lowerOnly).texts();
    ASSERT_EQ(upperTexts.size(), 1U);
    EXPECT_EQ(upperTexts[0].text, "U 80.0");
    ASSERT_EQ(lowerTexts.size(), 1U);
    EXPECT_EQ(lowerTexts[0].text, "L 20.0");
}

TEST(AnalysisDrawing, LimitLinesLeaveOutSeriesWithoutLimitsAndLimitsBeyondTheAxis)
{
    auto graph = graphWith(limitLines())
                     .series({50}, limits(0, 0))  // never set: both 0
                     .series({50},
                             [](NormoData& series) {
                                 // made from a table: drawing spread its equal limits apart
                                 limits(0, 0.1)(series);
                                 series.setLimitsSet(false);
                             })
                     .series({50}, limits(-10, 150))  // both beyond the axis
                     .series({50}, limits(30, 70, 0, kBlue))
                     .series({50},
                             [](NormoData& series) {
                                 limits(10, 90)(series);
                                 series.setVisible(false);
                             })
                     .build();
    const auto canvas = drawAnalysisOf(*graph);
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].points[0].x, 200);
    EXPECT_EQ(lines[1].points[0].x, 400);
    EXPECT_EQ(lines[0].color, kBlue);
    EXPECT_EQ(canvas.texts().size(), 2U);
}

TEST(AnalysisDrawing, LimitLinesOnALogarithmicAxisStandAtTheLogarithm)
{
    // Axis 0.1 ... 100 spans the exponents -1 ... 2: 10 lies at 50 + 500 · 2/3 = 383.3.
    // A limit of 0 has no logarithm and no place.
    auto graph = graphWith(limitLines()).axis(0.1, 100, true).series({1, 10}, limits(0, 10)).build();
    const auto canvas = drawAnalysisOf(*graph);
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{383, 500}, {383, 100}}));
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 1U);
    EXPECT_EQ(texts[0].text, "U 10.0");
    EXPECT_NEAR(texts[0].topLeft.x, 50 + 1000.0 / 3 - 18, 1e-9);
}

GraphAnalysis percentileLines(std::vector<double> percents)
{
    GraphAnalysis analysis;
    analysis.percentiles = std::move(percents);
    return analysis;
}

TEST(AnalysisDrawing, PercentileLineWritesEachSeriesFittedValueAboveItAtTheFramesRightEdge)
{
    // Mean 5, σ √5 (divisor n): the 90 % point is 5 + 1.2815516 · 2.2360680 = 7.8656.
    // {10, 10}: mean 10, σ 0.
    auto graph = graphWith(percentileLines({90}))
                     .series({2, 4, 6, 8},
                             [](NormoData& series) {
                                 series.setColor(kRed);
                                 series.setHeikinFormat("0.00");
                             })
                     .series({10, 10}, [](NormoData& series) { series.setColor(kBlue); })
                     .build();
    const auto canvas = drawAnalysisOf(*graph);
    // 90 % lies where the grid has it: 300 − 200 · 1.28155 / 3.71947 = 231.09.
    const double y = 231.0896453857422;
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{50, 231}, {550, 231}}));
    EXPECT_EQ(lines[0].penStyle, kPenDashDot);
    EXPECT_EQ(lines[0].color, kTextColor);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_EQ(texts[0].text, "90%");
    EXPECT_EQ(texts[0].color, kTextColor);
    EXPECT_EQ(texts[1].text, "7.87");
    EXPECT_EQ(texts[1].color, kRed);
    EXPECT_EQ(texts[2].text, "10");  // no format: the general form
    EXPECT_EQ(texts[2].color, kBlue);
    // One after another, 3 px apart, the last ending 3 px inside the frame's right edge (550),
    // their bottoms a pixel above the line: 18 + 3 + 24 + 3 + 12 = 60 wide.
    const double lefts[] = {550 - 3 - 60, 550 - 3 - 60 + 18 + 3, 550 - 3 - 60 + 18 + 3 + 24 + 3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(texts[i].topLeft.x, lefts[i]) << texts[i].text;
        EXPECT_NEAR(texts[i].topLeft.y, y - 12 - 1, 1e-9) << texts[i].text;
    }
}

TEST(AnalysisDrawing, PercentileOnALogarithmicAxisIsLogNormal)
{
    // {1, 100}: logarithms 0 and 2, mean 1, σ 1; 90 % is 10^(1 + 1.2815516) = 191.228.
    auto graph = graphWith(percentileLines({50, 90}))
                     .axis(0.1, 1000, true)
                     .series({1, 100}, [](NormoData& series) { series.setHeikinFormat("0.0"); })
                     .build();
    const auto texts = drawAnalysisOf(*graph).texts();
    ASSERT_EQ(texts.size(), 4U);
    EXPECT_EQ(texts[0].text, "50%");
    EXPECT_EQ(texts[1].text, "10.0");
    EXPECT_EQ(texts[2].text, "90%");
    EXPECT_EQ(texts[3].text, "191.2");
}

TEST(AnalysisDrawing, PercentagesWithoutAFiniteValueAreLeftOut)
{
    auto graph = graphWith(percentileLines({0, 100, -5, 150, NAN, 99.9})).series({1, 2, 3}).build();
    const auto canvas = drawAnalysisOf(*graph);
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 1U);
    // 99.9 %: 300 − 200 · 3.09023 / 3.71947 = 133.84.
    EXPECT_EQ(lines[0].points[0].y, 134);
    EXPECT_EQ(canvas.texts().front().text, "99.9%");
}

GraphAnalysis beyondMarks()
{
    GraphAnalysis analysis;
    analysis.beyondAxisMarks = true;
    return analysis;
}

TEST(AnalysisDrawing, BeyondAxisMarksCountTheVisibleValuesOnEachSide)
{
    auto graph = graphWith(beyondMarks())
                     .series({-5, -1, 0, 50, 100, 120})
                     .series({150})
                     .series({-7, 300}, [](NormoData& series) { series.setVisible(false); })
                     .build();
    const auto canvas = drawAnalysisOf(*graph);
    // Arrows a line (12 pixels) long at mid-height (300), a gap inside the edges, heads 6 back
    // and 4 aside; the count a gap behind the arrow.
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{59, 296}, {53, 300}, {59, 304}}));
    EXPECT_EQ(lines[1].points, (std::vector<Point>{{53, 300}, {65, 300}}));
    EXPECT_EQ(lines[2].points, (std::vector<Point>{{541, 296}, {547, 300}, {541, 304}}));
    EXPECT_EQ(lines[3].points, (std::vector<Point>{{547, 300}, {535, 300}}));
    EXPECT_EQ(lines[0].color, kTextColor);
    EXPECT_EQ(lines[0].penStyle, kPenSolid);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0].text, "2");  // -5, -1: the ends themselves are on the axis
    EXPECT_EQ(texts[0].topLeft, (PointF{68, 294}));
    EXPECT_EQ(texts[1].text, "2");  // 120, 150
    EXPECT_EQ(texts[1].topLeft, (PointF{526, 294}));
}

TEST(AnalysisDrawing, BeyondAxisMarksOnALogarithmicAxis)
{
    // Axis 0.1 ... 100: zero and below have no logarithm and lie beyond its small end.
    auto graph = graphWith(beyondMarks()).axis(0.1, 100, true).series({-3, 0, 0.05, 0.1, 1, 1000}).build();
    const auto texts = drawAnalysisOf(*graph).texts();
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0].text, "3");
    EXPECT_EQ(texts[1].text, "1");
}

TEST(AnalysisDrawing, NoBeyondAxisMarkWhenEverythingIsOnTheAxis)
{
    auto graph = graphWith(beyondMarks()).series({0, 50, 100}).build();
    EXPECT_TRUE(drawAnalysisOf(*graph).calls().empty());
}

GraphAnalysis legendAt(LegendCorner corner)
{
    GraphAnalysis analysis;
    analysis.legend = corner;
    return analysis;
}

GraphBuilder twoNamedSeries(LegendCorner corner)
{
    return graphWith(legendAt(corner))
        .series({1},
                [](NormoData& series) {
                    series.setMrk("○");
                    series.setColor(kRed);
                    series.setComment("A\r\nB");
                })
        .series({2}, [](NormoData& series) {
            series.setMrk("××");
            series.setColor(kBlue);
            series.setComment("Second");
        });
}

TEST(AnalysisDrawing, LegendListsMarkerAndCommentOfEachVisibleSeries)
{
    auto graph = twoNamedSeries(LegendCorner::TopRight).build();
    const auto canvas = drawAnalysisOf(*graph);
    // Columns of 12 (widest marker) and 36 ("Second") pixels, gaps of 3: a box 57 × 30, a gap
    // inside the frame's top right corner.
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{490, 103}, {547, 103}, {547, 133}, {490, 133}, {490, 103}}));
    EXPECT_EQ(lines[0].color, kTextColor);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 4U);
    EXPECT_EQ(texts[0].text, "○");
    EXPECT_EQ(texts[0].topLeft, (PointF{496, 106}));  // centred in the marker column
    EXPECT_EQ(texts[0].color, kRed);
    EXPECT_EQ(texts[1].text, "A B");  // one row per series
    EXPECT_EQ(texts[1].topLeft, (PointF{508, 106}));
    EXPECT_EQ(texts[1].color, kTextColor);
    EXPECT_EQ(texts[2].text, "××");
    EXPECT_EQ(texts[2].topLeft, (PointF{493, 118}));
    EXPECT_EQ(texts[2].color, kBlue);
    EXPECT_EQ(texts[3].text, "Second");
    EXPECT_EQ(texts[3].topLeft, (PointF{508, 118}));
}

TEST(AnalysisDrawing, LegendStandsInTheChosenCorner)
{
    struct Case {
        LegendCorner corner;
        Point topLeft;
    };
    const Case cases[] = {
        {LegendCorner::TopLeft, {53, 103}},
        {LegendCorner::TopRight, {490, 103}},
        {LegendCorner::BottomLeft, {53, 467}},
        {LegendCorner::BottomRight, {490, 467}},
    };
    for (const auto& c : cases) {
        auto graph = twoNamedSeries(c.corner).build();
        const auto lines = drawAnalysisOf(*graph).polylines();
        ASSERT_EQ(lines.size(), 1U);
        EXPECT_EQ(lines[0].points.front(), c.topLeft) << static_cast<int>(c.corner);
    }
}

TEST(AnalysisDrawing, NoLegendWithoutVisibleSeries)
{
    auto graph = graphWith(legendAt(LegendCorner::TopLeft))
                     .series({1}, [](NormoData& series) { series.setVisible(false); })
                     .build();
    EXPECT_TRUE(drawAnalysisOf(*graph).calls().empty());
}

GraphAnalysis titled(std::string title, bool withLimitLines = false)
{
    GraphAnalysis analysis;
    analysis.title = std::move(title);
    analysis.specLines = withLimitLines;
    return analysis;
}

TEST(AnalysisDrawing, TitleLinesAreCentredAboveTheFrame)
{
    // Two lines of 30 pixels, 24 high in all, ending a gap above the frame, centred on x 300.
    auto graph = graphWith(titled("Lot 7\nDay 2")).build();
    const auto texts = drawAnalysisOf(*graph).texts();
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0].text, "Lot 7");
    EXPECT_EQ(texts[0].topLeft, (PointF{285, 73}));
    EXPECT_EQ(texts[1].text, "Day 2");
    EXPECT_EQ(texts[1].topLeft, (PointF{285, 85}));
    EXPECT_EQ(texts[0].color, kTextColor);
    EXPECT_EQ(texts[0].font, (CanvasFont{"Test Sans", 10}));
}

TEST(AnalysisDrawing, TitleGoesAboveTheLimitLabels)
{
    // The limit labels' line (12 and a gap of 3) lies between the frame and the title.
    auto graph = graphWith(titled("T\r\n", true)).build();
    const auto texts = drawAnalysisOf(*graph).texts();
    ASSERT_EQ(texts.size(), 1U);  // a line break at the end starts no further line
    EXPECT_EQ(texts[0].topLeft, (PointF{297, 70}));
}

TEST(AnalysisDrawing, EmptyTitleLinesKeepTheirHeight)
{
    auto graph = graphWith(titled("A\n\nB")).build();
    const auto texts = drawAnalysisOf(*graph).texts();
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_DOUBLE_EQ(texts[0].topLeft.y, 97 - 36);
    EXPECT_DOUBLE_EQ(texts[1].topLeft.y, 97 - 12);
}

TEST(AnalysisDrawing, NothingMeetsACanvasFarFromTheFrame)
{
    GraphAnalysis everything = limitLines();
    everything.percentiles = {50};
    everything.legend = LegendCorner::TopLeft;
    everything.title = "Title";
    everything.beyondAxisMarks = true;
    everything.band = ConfidenceBand::Pointwise;
    auto graph = graphWith(everything).series({-5, 40, 60}, limits(20, 80)).build();
    RecordingCanvas canvas(640, 600, false, kDpi);
    drawGraphAnalysis(*graph, canvas, GraphFrame{100000, 100000, 500, 400});
    EXPECT_TRUE(canvas.calls().empty());
}

TEST(AnalysisDrawing, DrawnAfterTheSeriesWithTheCanvasColourLeftAsBefore)
{
    auto graph = graphWith(limitLines())
                     .series({40, 50, 60}, limits(20, 80, 0, kRed))
                     .series({45}, limits(20, 80, 0, kBlue))
                     .build();
    RecordingCanvas plain(640, 600, false, kDpi);
    GraphAnalysis none;
    auto bare =
        graphWith(none).series({40, 50, 60}, limits(20, 80, 0, kRed)).series({45}, limits(20, 80, 0, kBlue)).build();
    drawGraph(*bare, plain, bare->frame());
    RecordingCanvas canvas(640, 600, false, kDpi);
    drawGraph(*graph, canvas, graph->frame());
    // The graph's own drawing first, then four limit lines; the colour found before the last
    // series (the first series' red) is left, as without the analysis.
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), plain.polylines().size() + 4);
    EXPECT_EQ(lines.back().points, (std::vector<Point>{{450, 500}, {450, 100}}));
    EXPECT_EQ(lines.back().color, kBlue);
    EXPECT_EQ(canvas.color(), kRed);
    EXPECT_EQ(plain.color(), kRed);
}

}  // namespace
}  // namespace probel
