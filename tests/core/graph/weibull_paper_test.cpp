// SPDX-License-Identifier: MIT
// Weibull paper: y linear in w = ln(−ln(1 − p)) from 0.1 % at the bottom to 99.9 % at the top,
// x logarithmic. The expected places are worked out here from those definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/graph/graph_refresh.h"
#include "core/graph/normo_bp.h"
#include "core/graph/read_off.h"
#include "core/graph/weibull_scale.h"
#include "support/graph_builder.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::GraphBuilder;

constexpr double kDpi = 72;
// Frame from (100, 100), 400 × 600; axis 1 … 1000 (three decades).
constexpr int kLeft = 100;
constexpr int kTop = 100;
constexpr int kWidth = 400;
constexpr int kHeight = 600;

double w(double percent)
{
    return std::log(-std::log(1 - percent / 100));
}

double yOf(double percent)
{
    return kTop + kHeight * (w(99.9) - w(percent)) / (w(99.9) - w(0.1));
}

double xOf(double value)
{
    return kLeft + kWidth * std::log10(value) / 3;
}

// Values on the Weibull line β = 2, η = 100 at i/(n + 1): the regression finds that line.
std::vector<double> onTheLine(int n)
{
    std::vector<double> values;
    for (int i = 1; i <= n; ++i) {
        values.push_back(100 * std::sqrt(-std::log(1 - static_cast<double>(i) / (n + 1))));
    }
    return values;
}

GraphBuilder weibullGraph(WeibullFitMethod fit, std::vector<double> values = onTheLine(9))
{
    return GraphBuilder()
        .frame(kLeft, kTop, kWidth, kHeight)
        .axis(1, 1000, true)
        .labels(false, true)
        .with([fit](NormoBp& graph) {
            GraphAnalysis analysis;
            analysis.paperKind = PaperKind::Weibull;
            analysis.weibullFit = fit;
            graph.setAnalysis(analysis);
            graph.setFontName("Test Sans");
            graph.setFontSize(10);
        })
        .series(std::move(values), [](NormoData& series) {
            series.setMrk("○");
            series.setColor(0xAA0000);
            series.setComment("ロットA");
        });
}

TEST(WeibullScale, PercentagesAndHeightsBothWays)
{
    EXPECT_DOUBLE_EQ(*weibullY(0.1, kTop, kHeight), kTop + kHeight);
    EXPECT_NEAR(*weibullY(99.9, kTop, kHeight), kTop, 1e-9);
    // 63.2 % (1 − 1/e) is where w = 0.
    EXPECT_NEAR(*weibullY(100 * (1 - std::exp(-1.0)), kTop, kHeight), yOf(100 * (1 - std::exp(-1.0))), 1e-9);
    for (const double percent : {0.01, 1.0, 50.0, 99.0, 99.99}) {
        const double y = *weibullY(percent, kTop, kHeight);
        EXPECT_NEAR(y, yOf(percent), 1e-9) << percent;
        EXPECT_NEAR(weibullPercentAtY(y, kTop, kHeight), percent, 1e-9 * percent) << percent;
    }
    EXPECT_FALSE(weibullY(0, kTop, kHeight));
    EXPECT_FALSE(weibullY(100, kTop, kHeight));
    EXPECT_FALSE(weibullY(std::nan(""), kTop, kHeight));
}

TEST(WeibullScale, OnlyALogarithmicAxisIsDrawnAsWeibullPaper)
{
    auto graph = weibullGraph(WeibullFitMethod::Likelihood).build();
    EXPECT_TRUE(drawsWeibullPaper(*graph));
    graph->setLogV(false);
    EXPECT_FALSE(drawsWeibullPaper(*graph));
    EXPECT_FALSE(weibullChoiceOf(*graph));
}

TEST(WeibullScale, ValuesOfZeroOrBelowAreRefusedNamingTheSeriesAndTheValue)
{
    NormoData good;
    good.setIniData({1, 2});
    NormoData bad;
    bad.setComment("ロットB");
    bad.setIniData({3, -0.5, 0});
    EXPECT_FALSE(weibullPaperRefusal(good));
    const std::vector<NormoData> both{good, bad};
    EXPECT_EQ(weibullPaperRefusalAmong(both), "ワイブル確率紙には 0 以下の値を描けません: データ「ロットB」の値 -0.5");
}

TEST(WeibullPaperDrawing, DivisionsLabelsMarkersAndTheFittedLine)
{
    RecordingCanvas canvas(800, 900, false, kDpi);
    auto graph = weibullGraph(WeibullFitMethod::Regression).build(&canvas);
    refreshGraph(*graph);

    // The 15 divisions across the frame, each labelled as its percentage.
    std::vector<double> heights;
    for (const auto& line : canvas.polylines()) {
        if (line.points.size() == 2 && line.points[0].y == line.points[1].y && line.points[0].x == kLeft &&
            line.points[1].x == kLeft + kWidth) {
            heights.push_back(line.points[0].y);
        }
    }
    const std::vector<double> divisions{0.1, 0.5, 1, 2, 5, 10, 20, 30, 50, 63.2, 80, 90, 95, 99, 99.9};
    ASSERT_EQ(heights.size(), divisions.size()) << "0.1 and 99.9 % on the frame's edges";
    for (const double percent : divisions) {
        EXPECT_NE(std::find(heights.begin(), heights.end(), std::round(yOf(percent))), heights.end()) << percent;
    }
    std::vector<std::string> labels;
    for (const auto& text : canvas.texts()) {
        labels.push_back(text.text);
    }
    for (const char* label : {"0.5", "2", "63.2", "99.9"}) {
        EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end()) << label;
    }
    EXPECT_EQ(std::find(labels.begin(), labels.end(), "0.1"), labels.end()) << "the value labels stand there";

    // Markers at the plotting positions i/10 on the paper's scale: each the same offset (the
    // marker's half size) from its point.
    const auto stamps = canvas.stamps();
    ASSERT_EQ(stamps.size(), 1U);
    ASSERT_EQ(stamps[0].topLefts.size(), 9U);
    const auto& first = stamps[0].topLefts[0];
    const double dy = first.y - yOf(10);
    const double dx = first.x - xOf(onTheLine(9)[0]);
    for (int i = 2; i <= 9; ++i) {
        const auto& topLeft = stamps[0].topLefts[static_cast<std::size_t>(i - 1)];
        EXPECT_NEAR(topLeft.y - dy, yOf(10.0 * i), 0.01) << i;
        EXPECT_NEAR(topLeft.x - dx, xOf(onTheLine(9)[static_cast<std::size_t>(i - 1)]), 0.01) << i;
    }

    // The line of β = 2, η = 100 from the bottom edge (0.1 %) to the top edge (99.9 %).
    const auto line = canvas.polylines().back();
    ASSERT_EQ(line.points.size(), 2U);
    EXPECT_EQ(line.points[0].y, kTop + kHeight);
    EXPECT_EQ(line.points[1].y, kTop);
    EXPECT_NEAR(line.points[0].x, xOf(100 * std::sqrt(-std::log(0.999))), 0.5);
    EXPECT_NEAR(line.points[1].x, xOf(100 * std::sqrt(-std::log(0.001))), 0.5);
}

TEST(WeibullPaperDrawing, TheBandIsTheLikelihoodLinesPointwiseBandOnly)
{
    const auto curvesOf = [](WeibullFitMethod fit, ConfidenceBand band) {
        RecordingCanvas canvas(800, 900, false, kDpi);
        auto graph = weibullGraph(fit, {31, 45, 52, 60, 77, 80, 95, 120, 140, 170}).build(&canvas);
        GraphAnalysis analysis = graph->analysis();
        analysis.band = band;
        graph->setAnalysis(analysis);
        refreshGraph(*graph);
        std::vector<RecordingCanvas::Call> dotted;
        for (const auto& line : canvas.polylines()) {
            if (line.penStyle == kPenDot && line.color == 0xAA0000) {
                dotted.push_back(line);
            }
        }
        return dotted;
    };
    const auto band = curvesOf(WeibullFitMethod::Likelihood, ConfidenceBand::Pointwise);
    ASSERT_EQ(band.size(), 2U);
    // At mid-height the lower curve lies left of the upper one.
    const auto xAtMiddle = [](const RecordingCanvas::Call& curve) {
        const auto nearest = std::min_element(curve.points.begin(), curve.points.end(), [](Point a, Point b) {
            return std::abs(a.y - (kTop + kHeight / 2)) < std::abs(b.y - (kTop + kHeight / 2));
        });
        return nearest->x;
    };
    EXPECT_LT(xAtMiddle(band[0]), xAtMiddle(band[1]));
    EXPECT_TRUE(curvesOf(WeibullFitMethod::Regression, ConfidenceBand::Pointwise).empty())
        << "a regression line has no covariance to draw a band from";
    EXPECT_TRUE(curvesOf(WeibullFitMethod::Likelihood, ConfidenceBand::Simultaneous).empty());
}

TEST(WeibullPaperDrawing, PercentileLinesReadTheWeibullLine)
{
    RecordingCanvas canvas(800, 900, false, kDpi);
    auto graph = weibullGraph(WeibullFitMethod::Regression).build(&canvas);
    GraphAnalysis analysis = graph->analysis();
    analysis.percentiles = {10};
    graph->setAnalysis(analysis);
    graph->data().item(1).setHeikinFormat("0.000");
    refreshGraph(*graph);
    // B10 of β = 2, η = 100: 100 √(−ln 0.9) = 32.459.
    bool found = false;
    for (const auto& text : canvas.texts()) {
        found = found || text.text == "32.459";
    }
    EXPECT_TRUE(found);
}

TEST(WeibullPaperDrawing, TheReadOffAndMarkersUseThePapersScale)
{
    auto graph = weibullGraph(WeibullFitMethod::Likelihood).build();
    const GraphFrame frame{kLeft, kTop, kWidth, kHeight};
    const auto read = readOff(*graph, frame, PointF{xOf(50), yOf(63.2)});
    ASSERT_TRUE(read);
    EXPECT_NEAR(read->percent, 63.2, 1e-9);
    EXPECT_NEAR(read->value, 50, 1e-9);
    const auto hit = markerAt(*graph, frame, PointF{xOf(onTheLine(9)[4]), yOf(50)});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->rank, 5);
}

}  // namespace
}  // namespace probel
