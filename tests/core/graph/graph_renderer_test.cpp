// SPDX-License-Identifier: MIT
// Drawing a graph, checked call by call on a recording canvas at 72 dpi, where a 10-point
// text is 12 pixels high and 6 pixels wide per character.
#include "core/graph/graph_refresh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/graph/normo_bp.h"
#include "support/graph_builder.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::GraphBuilder;
using Kind = RecordingCanvas::Call::Kind;

constexpr double kDpi = 72;
constexpr std::int32_t kFrameColor = 0x0000FF;
constexpr std::int32_t kGridColor = 0x00FF00;
constexpr std::int32_t kTextColor = 0x123456;
constexpr std::int32_t kSeriesColor = 0xAA0000;

// Heights of the 13 probability lines (0.1 ... 99.9 %) in a frame from y 100 to 500.
const std::vector<std::int32_t> kGridHeights{466, 425, 369, 345, 328, 314, 300, 286, 272, 255, 231, 175, 134};

GraphBuilder standardGraph()
{
    return GraphBuilder().frame(50, 100, 500, 400).axis(0, 100).with([](NormoBp& graph) {
        graph.setFrameColor(kFrameColor);
        graph.setFrameDrawStyle(kPenSolid);
        graph.setLineColor(kGridColor);
        graph.setLineDrawStyle(kPenDot);
        graph.setForeColor(kTextColor);
        graph.setFontName("Test Sans");
        graph.setFontSize(10);
        graph.setTanni("  mm  ");
    });
}

void circleMarkers(NormoData& series)
{
    series.setMrk("○");
    series.setMrkSize(10);
    series.setColor(kSeriesColor);
    series.setDrawStyle(kPenDashDot);
}

// Values 0 ... 99 over and over, `count` of them.
std::vector<double> repeatingValues(int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(i % 100);
    }
    return values;
}

std::vector<std::int32_t> verticalLineColumns(const RecordingCanvas& canvas)
{
    std::vector<std::int32_t> columns;
    for (const auto& line : canvas.polylines()) {
        if (line.points.size() == 2 && line.points[0].x == line.points[1].x) {
            columns.push_back(line.points[0].x);
        }
    }
    return columns;
}

std::vector<std::string> textsOf(const RecordingCanvas& canvas)
{
    std::vector<std::string> texts;
    for (const auto& text : canvas.texts()) {
        texts.push_back(text.text);
    }
    return texts;
}

TEST(Refresh, GraphWithoutSeriesDrawsFrameAndGrids)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().build(&canvas);
    refreshGraph(*graph);

    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 1U + 13U + 9U);
    EXPECT_EQ(lines[0].points, (std::vector<Point>{{50, 100}, {550, 100}, {550, 500}, {50, 500}, {50, 100}}));
    EXPECT_EQ(lines[0].color, kFrameColor);
    EXPECT_EQ(lines[0].penStyle, kPenSolid);
    for (std::size_t i = 0; i < 13; ++i) {
        const std::int32_t y = kGridHeights[i];
        EXPECT_EQ(lines[1 + i].points, (std::vector<Point>{{50, y}, {550, y}})) << "line " << i;
        EXPECT_EQ(lines[1 + i].color, kGridColor);
        EXPECT_EQ(lines[1 + i].penStyle, kPenDot);
    }
    for (std::int32_t k = 1; k <= 9; ++k) {
        const std::int32_t x = 50 + 50 * k;
        EXPECT_EQ(lines[13 + k].points, (std::vector<Point>{{x, 500}, {x, 100}})) << "division " << k;
        EXPECT_EQ(lines[13 + k].color, kGridColor);
    }
    EXPECT_TRUE(canvas.texts().empty());
    EXPECT_EQ(canvas.clearCount(), 0);  // the sheet clears, not the graph
    ASSERT_EQ(canvas.repaintCount(), 1);
    EXPECT_EQ(canvas.calls().back().kind, Kind::Repaint);
    EXPECT_EQ(canvas.color(), 0);
}

TEST(Refresh, DrawingOnAPrinterPageRequestsNoRepaint)
{
    RecordingCanvas page(4000, 6000, true, 600);
    auto graph = standardGraph().series({1, 2, 3}).build(&page);
    refreshGraph(*graph);
    EXPECT_FALSE(page.polylines().empty());
    EXPECT_EQ(page.repaintCount(), 0);
}

TEST(Refresh, WithoutASurfaceDrawsNothing)
{
    auto graph = standardGraph().series({1, 2, 3}).build();
    refreshGraph(*graph);
    RecordingCanvas canvas;
    graph->setShowObj(&canvas);
    graph->setShowObj(nullptr);
    refreshGraph(*graph);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST(Refresh, LogarithmicAxisDrawsTenLinesPerDecadeIncludingTheCoincidingOnes)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().axis(0.1, 100, true).build(&canvas);
    ASSERT_EQ(graph->storedMin(), -1);
    ASSERT_EQ(graph->storedMax(), 2);
    refreshGraph(*graph);
    // Per decade: the decade line, then j = 1 (the previous decade line again) ... 9.
    const std::vector<std::int32_t> expected{217, 50,  100, 130, 150, 166, 180, 191, 201, 209, 383, 217, 267, 296, 317,
                                             333, 346, 358, 367, 376, 550, 383, 434, 463, 484, 500, 513, 524, 534, 542};
    EXPECT_EQ(verticalLineColumns(canvas), expected);
    EXPECT_EQ(canvas.polylines().size(), 1U + 13U + 30U);
}

TEST(Refresh, LogarithmicValueLabelsSpanTheDecades)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().axis(0.1, 100, true).labels(true, false).build(&canvas);
    refreshGraph(*graph);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 5U);
    EXPECT_EQ(texts[0].text, "mm");
    // Every label is placed by the width of the pattern "0.0E+0" (36 pixels), at the bottom edge.
    const char* labels[] = {"1.0E-1", "1.0E+0", "1.0E+1", "1.0E+2"};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(texts[1 + k].text, labels[k]);
        EXPECT_DOUBLE_EQ(texts[1 + k].topLeft.x, 50 + 500.0 * k / 3 - 18 - 3) << labels[k];
        EXPECT_DOUBLE_EQ(texts[1 + k].topLeft.y, 500.0) << labels[k];
        EXPECT_EQ(texts[1 + k].color, kTextColor);
        EXPECT_EQ(texts[1 + k].font, (CanvasFont{"Test Sans", 10}));
    }
}

TEST(Refresh, LinearValueLabelsAtEveryStepAndTheUnitUnderTheRightEnd)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().divisions(10, 2).labels(true, false).build(&canvas);
    refreshGraph(*graph);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 7U);
    // Unit: trimmed, centred under the right end one text line below the value labels.
    EXPECT_EQ(texts[0].text, "mm");
    EXPECT_DOUBLE_EQ(texts[0].topLeft.x, 550 - 6 - 1);
    EXPECT_DOUBLE_EQ(texts[0].topLeft.y, 100 + 1.01 * 400 + 1.01 * 12);
    const char* printed[] = {" 0 ", " 20 ", " 40 ", " 60 ", " 80 ", " 100 "};
    const double widths[] = {6, 12, 12, 12, 12, 18};
    for (int i = 0; i < 6; ++i) {
        const double x = 50 + 100.0 * i;
        EXPECT_EQ(texts[1 + i].text, printed[i]);
        // Centred by the width of the number without its blanks.
        EXPECT_DOUBLE_EQ(texts[1 + i].topLeft.x, x - widths[i] / 2 - 3) << printed[i];
        EXPECT_DOUBLE_EQ(texts[1 + i].topLeft.y, 100 + 1.01 * 400) << printed[i];
        EXPECT_EQ(texts[1 + i].color, kTextColor);
    }
}

struct LinearLabelCase {
    double min;
    double max;
    std::int32_t bunnkatu;
    std::int32_t step;
    std::vector<std::string> printed;
};

TEST(Refresh, LinearValueLabelTexts)
{
    const LinearLabelCase cases[] = {
        {-50, 50, 4, 1, {"-50 ", "-25 ", " 0 ", " 25 ", " 50 "}},
        {0, 100, 10, 3, {" 0 ", " 30 ", " 60 ", " 90 "}},  // the right end falls between steps
        {0, 1, 4, 2, {" 0 ", " 0.5 ", " 1 "}},
        {0, 1, 3, 1, {" 0 ", " 0.333333333333333 ", " 0.666666666666667 ", " 1 "}},
        {0, 10, 2, 0, {" 0 ", " 5 ", " 10 "}},  // a step below 1 counts as 1
        {0, 10, 2, -4, {" 0 ", " 5 ", " 10 "}},
        {0, 10, 2, 50, {" 0 "}},
        {0, 10, 0, 1, {}},  // no divisions: nothing to place
        {0, 10, -3, 1, {}},
        {50, 50, 2, 1, {" 50 ", " 50 ", " 50 "}},  // a zero-length axis still has labels
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(640, 600, false, kDpi);
        auto graph =
            standardGraph().axis(c.min, c.max).divisions(c.bunnkatu, c.step).labels(true, false).build(&canvas);
        graph->setTanni("");
        refreshGraph(*graph);
        EXPECT_EQ(textsOf(canvas), c.printed) << c.min << ".." << c.max << " / " << c.bunnkatu << " step " << c.step;
    }
}

TEST(Refresh, UnitTextIsTrimmedOfBlanksAndLeftOutWhenEmpty)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"\u3000 kg \u3000", {"kg", " 0 ", " 100 "}},
        {"m / s", {"m / s", " 0 ", " 100 "}},
        {"   ", {" 0 ", " 100 "}},
        {"", {" 0 ", " 100 "}},
    };
    for (const auto& [unit, texts] : cases) {
        RecordingCanvas canvas(640, 600, false, kDpi);
        auto graph = standardGraph().divisions(1).labels(true, false).build(&canvas);
        graph->setTanni(unit);
        refreshGraph(*graph);
        EXPECT_EQ(textsOf(canvas), texts) << unit;
    }
}

TEST(Refresh, ProbabilityLabelsEndAtTheFrameAndCentreOnTheirHeights)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().labels(false, true).build(&canvas);
    refreshGraph(*graph);
    const auto texts = canvas.texts();
    const std::pair<double, const char*> labels[] = {{0.1, "0.1"}, {1, "1.0"}, {10, "10"},     {50, "50"},
                                                     {90, "90"},   {99, "99"}, {99.9, "99.9"}, {99.99, "99.99"}};
    ASSERT_EQ(texts.size(), 8U);
    for (std::size_t i = 0; i < 8; ++i) {
        const auto& [percent, text] = labels[i];
        EXPECT_EQ(texts[i].text, text);
        EXPECT_DOUBLE_EQ(texts[i].topLeft.x + 6.0 * texts[i].text.size(), 50.0) << text;
        EXPECT_DOUBLE_EQ(texts[i].topLeft.y, *graph->getPictY(percent) - 6) << text;
    }
    EXPECT_DOUBLE_EQ(texts[3].topLeft.y, 294.0);
    EXPECT_DOUBLE_EQ(texts[7].topLeft.y, 94.0);
}

TEST(Refresh, MarkersOfThreeValuesAt25And50And75Percent)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().series({80, 20, 50}, circleMarkers).build(&canvas);
    refreshGraph(*graph);
    const auto stamps = canvas.stamps();
    ASSERT_EQ(stamps.size(), 1U);
    const auto& stamp = stamps[0];
    EXPECT_EQ(stamp.text, "○");
    EXPECT_EQ(stamp.color, kSeriesColor);
    // The graph's font at the marker size.
    EXPECT_EQ(stamp.font, (CanvasFont{"Test Sans", 10}));
    // Centred (6 x 12 pixels) on L + (v - Min) W / D and the plotting position's height.
    ASSERT_EQ(stamp.topLefts.size(), 3U);
    EXPECT_DOUBLE_EQ(stamp.topLefts[0].x, 150 - 3);
    EXPECT_DOUBLE_EQ(stamp.topLefts[1].x, 300 - 3);
    EXPECT_DOUBLE_EQ(stamp.topLefts[2].x, 450 - 3);
    EXPECT_DOUBLE_EQ(stamp.topLefts[0].y, *graph->getPictY(25) - 6);
    EXPECT_DOUBLE_EQ(stamp.topLefts[1].y, 300 - 6);  // mid-height
    EXPECT_DOUBLE_EQ(stamp.topLefts[2].y, *graph->getPictY(75) - 6);
    EXPECT_NEAR(stamp.topLefts[0].y, 336.268 - 6, 1E-3);
}

// Hazen's (i − 0.5)/n puts three values at 100/6, 50 and 500/6 %.
TEST(Refresh, MarkersStandAtTheGraphsPlottingPositions)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().series({80, 20, 50}, circleMarkers).build(&canvas);
    GraphAnalysis analysis;
    analysis.positions = PlottingPositions::Hazen;
    graph->setAnalysis(analysis);
    refreshGraph(*graph);
    const auto stamps = canvas.stamps();
    ASSERT_EQ(stamps.size(), 1U);
    ASSERT_EQ(stamps[0].topLefts.size(), 3U);
    EXPECT_DOUBLE_EQ(stamps[0].topLefts[0].y, *graph->getPictY(100.0 / 6) - 6);
    EXPECT_DOUBLE_EQ(stamps[0].topLefts[1].y, 300 - 6);
    EXPECT_DOUBLE_EQ(stamps[0].topLefts[2].y, *graph->getPictY(500.0 / 6) - 6);
}

TEST(Refresh, StampsDrawnOneByOneLandInTheSamePlaces)
{
    RecordingCanvas kept(640, 600, false, kDpi);
    RecordingCanvas expanded(640, 600, false, kDpi);
    expanded.setExpandStamps(true);
    auto graph = standardGraph().series({3, 1, 4, 1, 5, 9, 2, 6}, circleMarkers).build(&kept);
    refreshGraph(*graph);
    graph->setShowObj(&expanded);
    graph->setFrameLeft(50);
    graph->setFrameTop(100);
    graph->setFrameWidth(500);
    graph->setFrameHeight(400);
    refreshGraph(*graph);
    EXPECT_TRUE(expanded.stamps().empty());
    const auto a = kept.texts();
    const auto b = expanded.texts();
    ASSERT_EQ(a.size(), 8U);
    ASSERT_EQ(b.size(), a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].topLeft, b[i].topLeft);
        EXPECT_EQ(a[i].font, b[i].font);
    }
}

TEST(Refresh, FittedLineInTheSeriesStyleAndColourEndsOnTheFrame)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().series({20, 50, 80}, circleMarkers).build(&canvas);
    refreshGraph(*graph);
    const auto lines = canvas.polylines();
    ASSERT_EQ(lines.size(), 1U + 13U + 9U + 1U);
    // The stepped ends (551, 190) and (49, 410) lie one step outside; the line stops at the edges.
    EXPECT_EQ(lines.back().points, (std::vector<Point>{{550, 190}, {50, 410}}));
    EXPECT_EQ(lines.back().penStyle, kPenDashDot);
    EXPECT_EQ(lines.back().color, kSeriesColor);
}

TEST(Refresh, EqualValuesStackTheirMarkersAndGetASteepLineFromTheFramesTopToItsBottom)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().series({40, 40, 40, 40}, circleMarkers).build(&canvas);
    refreshGraph(*graph);
    const auto stamp = canvas.stamps().at(0);
    for (const auto& topLeft : stamp.topLefts) {
        EXPECT_DOUBLE_EQ(topLeft.x, 250 - 3);
    }
    // The one-pixel guard runs y1 - y99 = 250 above and below mid-height, from (251, 50) to
    // (249, 550); only its part within the frame (top 100, bottom 500) is drawn.
    EXPECT_EQ(canvas.polylines().back().points, (std::vector<Point>{{251, 100}, {249, 500}}));
}

TEST(Refresh, HiddenSeriesDrawNothingAndHiddenLinesLeaveTheMarkers)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph()
                     .series({1, 2, 3},
                             [](NormoData& series) {
                                 circleMarkers(series);
                                 series.setVisible(false);
                             })
                     .series({20, 50, 80},
                             [](NormoData& series) {
                                 circleMarkers(series);
                                 series.setLineVisible(false);
                             })
                     .build(&canvas);
    refreshGraph(*graph);
    EXPECT_EQ(canvas.polylines().size(), 1U + 13U + 9U);
    const auto stamps = canvas.stamps();
    ASSERT_EQ(stamps.size(), 1U);
    EXPECT_DOUBLE_EQ(stamps[0].topLefts[0].x, 150 - 3);
}

TEST(Refresh, EqualLimitsOfASeriesAreSpreadByTheFittedLine)
{
    struct Case {
        bool logarithmic;
        bool lineVisible;
        double raisedMax;
    };
    // The raise is a thousandth of the graph's stored Max: 100 linear, the exponent 2 on a log axis.
    for (const Case c : {Case{false, true, 0.1}, Case{true, true, 0.002}, Case{false, false, 0.0}}) {
        RecordingCanvas canvas(640, 600, false, kDpi);
        auto graph = standardGraph()
                         .axis(c.logarithmic ? 0.1 : 0, 100, c.logarithmic)
                         .series({1, 2, 3}, [&](NormoData& series) { series.setLineVisible(c.lineVisible); })
                         .build(&canvas);
        refreshGraph(*graph);
        const NormoData& series = graph->data().item(1);
        EXPECT_DOUBLE_EQ(series.max(), c.raisedMax) << c.logarithmic << c.lineVisible;
        EXPECT_EQ(series.min(), 0.0);
    }
}

TEST(Refresh, LeavesTheColourFoundBeforeTheLastVisibleSeries)
{
    const auto coloured = [](std::int32_t color, bool visible) {
        return [=](NormoData& series) {
            series.setColor(color);
            series.setVisible(visible);
        };
    };
    struct Case {
        std::vector<std::pair<std::int32_t, bool>> series;
        std::int32_t left;
    };
    const Case cases[] = {
        {{}, 0},
        {{{0xAA, true}}, kTextColor},
        {{{0xAA, true}, {0xBB, true}}, 0xAA},
        {{{0xAA, true}, {0xBB, false}}, kTextColor},
        {{{0xAA, false}}, 0},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(640, 600, false, kDpi);
        GraphBuilder builder = standardGraph();
        for (const auto& [color, visible] : c.series) {
            builder.series({1, 2, 3}, coloured(color, visible));
        }
        auto graph = builder.build(&canvas);
        refreshGraph(*graph);
        EXPECT_EQ(canvas.color(), c.left) << c.series.size();
    }
}

TEST(Refresh, LogarithmicSeriesUseTheLogarithmsOfTheirValues)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().axis(0.1, 100, true).series({100, 1, 10}, circleMarkers).build(&canvas);
    refreshGraph(*graph);
    const auto stamp = canvas.stamps().at(0);
    ASSERT_EQ(stamp.topLefts.size(), 3U);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(stamp.topLefts[static_cast<std::size_t>(i)].x, 50 + (i + 1) * 500.0 / 3 - 3, 1E-9) << i;
    }
    // The fitted line of the logarithms runs to both sides of the frame and passes through
    // (x of 10, mid-height) = (383, 300).
    const auto line = canvas.polylines().back().points;
    ASSERT_EQ(line.size(), 2U);
    EXPECT_EQ(line[0].x, 550);
    EXPECT_EQ(line[1].x, 50);
    const double yAtMean = line[0].y + (383.0 - line[0].x) * (line[1].y - line[0].y) / (line[1].x - line[0].x);
    EXPECT_NEAR(yAtMean, 300, 1);
    EXPECT_LT(line[0].y, 300);
}

TEST(Refresh, ZeroLengthAxisKeepsFrameAndGridButNoSeries)
{
    for (const bool logarithmic : {false, true}) {
        RecordingCanvas canvas(640, 600, false, kDpi);
        auto graph = standardGraph()
                         .axis(logarithmic ? 10 : 50, logarithmic ? 10 : 50, logarithmic)
                         .labels(true, true)
                         .series({40, 50, 60}, circleMarkers)
                         .build(&canvas);
        refreshGraph(*graph);
        // Linear division lines do not depend on the axis ends; decade lines do.
        EXPECT_EQ(canvas.polylines().size(), 1U + 13U + (logarithmic ? 0U : 9U)) << logarithmic;
        EXPECT_TRUE(canvas.stamps().empty());
        // Unit and probability labels; linear value labels all read the one end value.
        EXPECT_EQ(canvas.texts().size(), 1U + 8U + (logarithmic ? 0U : 11U)) << logarithmic;
        EXPECT_EQ(canvas.repaintCount(), 1);
    }
}

TEST(Refresh, NotANumberValuesAreLeftOut)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().labels(true, true).series({10, nan, 30}, circleMarkers).build(&canvas);
    refreshGraph(*graph);
    // Two markers; a series without a mean has no fitted line.
    ASSERT_EQ(canvas.stamps().size(), 1U);
    EXPECT_EQ(canvas.stamps()[0].topLefts.size(), 2U);
    EXPECT_EQ(canvas.polylines().size(), 1U + 13U + 9U);

    // An axis end that is not a number leaves out everything placed by value.
    canvas.forget();
    graph->setStoredMin(nan);
    refreshGraph(*graph);
    EXPECT_TRUE(canvas.stamps().empty());
    EXPECT_EQ(canvas.polylines().size(), 1U + 13U + 9U);
    EXPECT_EQ(canvas.texts().size(), 1U + 8U);
}

TEST(Refresh, FramesAtTheEndsOfTheIntegerRangeAreSkippedNotWrapped)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::int32_t left, top, width, height;
        std::size_t lines;
        // Range every drawn x must lie in.
        std::pair<std::int32_t, std::int32_t> columns;
    };
    const Case cases[] = {
        {kMax, kMax, kMax, kMax, 0, {0, 0}},
        {0, kMax - 10, 500, 400, 0, {0, 0}},  // every height is beyond the range
        // Frame, probability grid and both fitted lines; the value grid lies left of the page.
        {-kMax, 0, kMax, 400, 1 + 13 + 2, {kMin, 1}},
        // The bottom edge (2^31 - 1 in single precision: 2^31) and the tall line of the
        // equal values do not fit: no vertical lines, one fitted line.
        {0, 0, kMax, kMax, 1 + 13 + 1, {-1, kMax}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(640, 600, false, kDpi);
        auto graph = standardGraph()
                         .frame(c.left, c.top, c.width, c.height)
                         .labels(true, true)
                         .series({1, 2, 3}, circleMarkers)
                         .series({5, 5, 5}, circleMarkers)
                         .build(&canvas);
        refreshGraph(*graph);
        const auto lines = canvas.polylines();
        EXPECT_EQ(lines.size(), c.lines) << c.left << "," << c.top;
        for (const auto& line : lines) {
            for (const auto& point : line.points) {
                EXPECT_GE(point.x, c.columns.first) << c.left << "," << c.top;
                EXPECT_LE(point.x, c.columns.second) << c.left << "," << c.top;
            }
        }
        EXPECT_EQ(canvas.repaintCount(), 1);
    }
}

TEST(Refresh, LargeSeriesDrawOneStampWithAllPositions)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().series(repeatingValues(5000), circleMarkers).build(&canvas);
    refreshGraph(*graph);
    const auto stamp = canvas.stamps().at(0);
    ASSERT_EQ(stamp.topLefts.size(), 5000U);
    // Ascending values, rising plotting positions: markers go right and up.
    for (std::size_t i = 1; i < stamp.topLefts.size(); ++i) {
        EXPECT_GE(stamp.topLefts[i].x, stamp.topLefts[i - 1].x);
        EXPECT_LE(stamp.topLefts[i].y, stamp.topLefts[i - 1].y);
    }
}

}  // namespace
}  // namespace probel

namespace probel {
namespace {

// A damaged or hand-edited document may ask for billions of divisions or decades; the drawing
// then has at most one grid line and one value label per pixel column of the frame.
TEST(Refresh, GridsDenserThanThePixelsDrawEachColumnOnce)
{
    for (const bool logarithmic : {false, true}) {
        RecordingCanvas canvas(640, 600, false, kDpi);
        auto builder = standardGraph().labels(true, false);
        if (logarithmic) {
            builder.axis(1, 10, true);
        }
        auto graph = builder.build(&canvas);
        if (logarithmic) {
            graph->setStoredMax(2000000000);
        } else {
            graph->setBunnkatu(2000000000);
        }
        refreshGraph(*graph);
        std::vector<std::int32_t> everyColumn;
        for (std::int32_t column = 51; column < 550; ++column) {
            everyColumn.push_back(column);
        }
        EXPECT_EQ(verticalLineColumns(canvas), everyColumn) << logarithmic;
        EXPECT_LE(canvas.texts().size(), 1U + 501U) << logarithmic;
        EXPECT_GE(canvas.texts().size(), 1U + 400U) << logarithmic;
    }
}

}  // namespace
}  // namespace probel

namespace probel {
namespace {

// A document may give a frame far larger than the page, with as many divisions or decades as
// pixels. What is drawn is bounded by the page (A4: 794 x 1123) and the data, not the frame.
TEST(Refresh, HugeFramesDrawOnlyWhatMeetsThePage)
{
    constexpr std::int32_t kPageWidth = 794;
    constexpr std::int32_t kWidest = std::numeric_limits<std::int32_t>::max();
    std::vector<double> values;
    for (int i = 0; i < 30000; ++i) {
        values.push_back(i);
    }
    for (const std::int32_t width : {std::int32_t{1} << 20, kWidest}) {
        for (const bool logarithmic : {false, true}) {
            RecordingCanvas canvas(kPageWidth, 1123, false, kDpi);
            auto builder = standardGraph().frame(40, 60, width, 900).labels(true, true);
            builder.axis(logarithmic ? 1 : 0, logarithmic ? 10 : 30000, logarithmic);
            auto graph = builder.series(values, circleMarkers).build(&canvas);
            if (logarithmic) {
                graph->setStoredMax(width / 2);
            } else {
                graph->setBunnkatu(width);
            }
            refreshGraph(*graph);
            // Ten lines a decade (or one a column) across the page, the frame and probability grid.
            const auto lines = canvas.polylines();
            EXPECT_LE(lines.size(), 10U * (kPageWidth + 4) + 20U) << width << " " << logarithmic;
            EXPECT_GE(lines.size(), 1U + 13U + 300U) << width << " " << logarithmic;
            for (const auto& line : lines) {
                if (line.points.size() == 2 && line.points[0].x == line.points[1].x) {
                    EXPECT_GE(line.points[0].x, -20);
                    EXPECT_LE(line.points[0].x, kPageWidth + 20);
                }
            }
            // At most a value label a column, over the page and a label's width beside it.
            const auto calls = canvas.calls();
            const auto labels =
                std::count_if(calls.begin(), calls.end(), [](const auto& call) { return call.kind == Kind::Text; });
            EXPECT_LE(labels, 3 * kPageWidth) << width << " " << logarithmic;
            if (!logarithmic) {
                // Values 0 ... 23 of the 30 000 lie on the page, 34 pixels apart or more.
                EXPECT_LE(canvas.stamps().at(0).topLefts.size(), 30U) << width;
            }
        }
    }
}

// With more than 10 000 values the outermost plotting positions lie within half a table step
// of 0 % and 100 %; they are drawn just beyond the frame's bottom and top edges.
TEST(Refresh, EveryPointOfALargeSeriesIsDrawn)
{
    RecordingCanvas canvas(640, 600, false, kDpi);
    auto graph = standardGraph().series(repeatingValues(30000), circleMarkers).build(&canvas);
    refreshGraph(*graph);
    const auto topLefts = canvas.stamps().at(0).topLefts;
    ASSERT_EQ(topLefts.size(), 30000U);
    // Marker centres, 6 pixels below the top-left corners (a 10-point marker at 72 dpi): the
    // quantile of 1 / 30 001 is -3.98789, 300 + 200 x 3.98789 / 3.71947 = 514.43.
    EXPECT_NEAR(topLefts.front().y + 6, 514.43, 0.01);
    EXPECT_NEAR(topLefts.back().y + 6, 600 - 514.43, 0.01);
}

}  // namespace
}  // namespace probel
