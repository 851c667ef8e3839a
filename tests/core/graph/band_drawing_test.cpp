// SPDX-License-Identifier: MIT
// Confidence bands drawn around the fitted lines. The frame runs from (50, 100) to (550, 500)
// over the axis 0 ... 100, so a value v lies at x = 50 + 5 v and mid-height (50 %, z = 0) at
// y = 300; z lies at 300 + 200 z / −3.71947. Expected crossings were worked out with Python's
// statistics.NormalDist and math.sqrt; the curve's corners are whole pixels, so a crossing is
// within a pixel of the exact one.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "core/graph/analysis_drawing.h"
#include "core/graph/normo_bp.h"
#include "support/graph_builder.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::GraphBuilder;

constexpr std::int32_t kRed = 0x0000FF;
// Mean 50, σ √200 = 14.142 (divisor n), n = 5.
const std::vector<double> kFiveValues{30, 40, 50, 60, 70};

GraphBuilder bandGraph(ConfidenceBand kind, int level)
{
    GraphAnalysis analysis;
    analysis.band = kind;
    analysis.bandLevel = level;
    return GraphBuilder().frame(50, 100, 500, 400).axis(0, 100).with([analysis](NormoBp& graph) {
        graph.setAnalysis(analysis);
    });
}

void red(NormoData& series)
{
    series.setColor(kRed);
}

std::vector<RecordingCanvas::Call> bandRuns(const NormoBp& graph, RecordingCanvas& canvas)
{
    drawGraphAnalysis(graph, canvas, graph.frame());
    return canvas.polylines();
}

// Where the runs cross the row y, interpolated between their corners; empty when none does.
std::optional<double> crossing(const std::vector<RecordingCanvas::Call>& runs, double y)
{
    for (const auto& run : runs) {
        for (std::size_t i = 1; i < run.points.size(); ++i) {
            const Point a = run.points[i - 1];
            const Point b = run.points[i];
            if ((a.y - y) * (b.y - y) <= 0 && a.y != b.y) {
                return a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
            }
        }
    }
    return std::nullopt;
}

// The runs left of mid-line and right of it at mid-height: the lower and the upper edge.
struct Edges {
    std::vector<RecordingCanvas::Call> lower;
    std::vector<RecordingCanvas::Call> upper;
};

Edges splitAt(const std::vector<RecordingCanvas::Call>& runs, double middleX)
{
    Edges edges;
    for (const auto& run : runs) {
        const auto x = crossing({run}, 300);
        const bool lower = x ? *x < middleX : run.points.front().x < middleX;
        (lower ? edges.lower : edges.upper).push_back(run);
    }
    return edges;
}

TEST(BandDrawing, PointwiseBandAtMidHeight)
{
    // ± 1.95996 · 14.142 · √(1/5) = ± 12.396 about 50.
    auto graph = bandGraph(ConfidenceBand::Pointwise, 95).series(kFiveValues, red).build();
    RecordingCanvas canvas(640, 600);
    const auto runs = bandRuns(*graph, canvas);
    ASSERT_EQ(runs.size(), 2U);
    for (const auto& run : runs) {
        EXPECT_EQ(run.color, kRed);
        EXPECT_EQ(run.penStyle, kPenDot);
        for (const Point point : run.points) {
            EXPECT_TRUE(point.x >= 50 && point.x <= 550 && point.y >= 100 && point.y <= 500);
        }
    }
    EXPECT_NEAR(*crossing({runs[0]}, 300), 238.02049676954383, 1.0);
    EXPECT_NEAR(*crossing({runs[1]}, 300), 361.9795032304562, 1.0);
}

TEST(BandDrawing, SimultaneousBandRunsOffToTheFrameEdges)
{
    // d = 0.895 / (√5 − 0.01 + 0.85/√5) = 0.34341; at 50 %: 50 + 14.142 Φ⁻¹(0.5 ∓ d).
    auto graph = bandGraph(ConfidenceBand::Simultaneous, 95).series(kFiveValues, red).build();
    RecordingCanvas canvas(640, 600);
    const Edges edges = splitAt(bandRuns(*graph, canvas), 300);
    ASSERT_FALSE(edges.lower.empty());
    ASSERT_FALSE(edges.upper.empty());
    EXPECT_NEAR(*crossing(edges.lower, 300), 228.68263104963296, 1.0);
    EXPECT_NEAR(*crossing(edges.upper, 300), 371.31736895036704, 1.0);
    // The upper edge reaches the right edge (100, u = 3.5355) at z = Φ⁻¹(Φ(u) − d) = 0.40262,
    // y 278.35, just below its asymptote at Φ⁻¹(1 − d); the lower edge mirrors it on the left.
    EXPECT_EQ(edges.upper.back().points.back(), (Point{550, 278}));
    EXPECT_EQ(edges.lower.front().points.front(), (Point{50, 322}));
}

TEST(BandDrawing, OnALogarithmicAxisTheBandIsOfTheLogarithms)
{
    // {1, 100}: logarithms mean 1, σ 1, n 2; ± 1.95996 · √(1/2) = ± 1.3859. The axis 0.1 ...
    // 1000 spans the exponents -1 ... 3, so an exponent e lies at 50 + 125 (e + 1).
    auto graph = bandGraph(ConfidenceBand::Pointwise, 95).axis(0.1, 1000, true).series({1, 100}, red).build();
    RecordingCanvas canvas(640, 600);
    const auto runs = bandRuns(*graph, canvas);
    ASSERT_EQ(runs.size(), 2U);
    EXPECT_NEAR(*crossing({runs[0]}, 300), 126.76202195629025, 1.0);
    EXPECT_NEAR(*crossing({runs[1]}, 300), 473.23797804370975, 1.0);
}

TEST(BandDrawing, OnlyAroundDrawnLinesWithASpread)
{
    auto graph = bandGraph(ConfidenceBand::Simultaneous, 95)
                     .series(kFiveValues, [](NormoData& series) { series.setLineVisible(false); })
                     .series(kFiveValues, [](NormoData& series) { series.setVisible(false); })
                     .series({42})      // a single value
                     .series({42, 42})  // no spread
                     .build();
    RecordingCanvas canvas(640, 600);
    EXPECT_TRUE(bandRuns(*graph, canvas).empty());
}

TEST(BandDrawing, KeptToThePartOfTheFrameTheCanvasShows)
{
    auto graph = bandGraph(ConfidenceBand::Pointwise, 99).series(kFiveValues, red).build();
    RecordingCanvas canvas(300, 250);
    const auto runs = bandRuns(*graph, canvas);
    ASSERT_FALSE(runs.empty());
    for (const auto& run : runs) {
        for (const Point point : run.points) {
            EXPECT_TRUE(point.x >= 50 && point.x <= 302 && point.y >= 100 && point.y <= 252)
                << point.x << ", " << point.y;
        }
    }
}

}  // namespace
}  // namespace probel
