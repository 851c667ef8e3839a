// SPDX-License-Identifier: MIT
#include "core/graph/read_off.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/graph/normo_bp.h"
#include "core/graph/probability_scale.h"
#include "support/graph_builder.h"

namespace probel {
namespace {

std::vector<double> randomValues(std::mt19937& random, int count, double low, double high)
{
    std::uniform_real_distribution<double> spread(low, high);
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(spread(random));
    }
    return values;
}

// Where the graph draws the i-th smallest value of `series` in `frame`.
PointF drawnPoint(const NormoBp& graph, const GraphFrame& frame, const NormoData& series, int rank)
{
    const std::vector<double>& drawn = graph.logV() ? series.logSortData() : series.sortData();
    const int count = static_cast<int>(drawn.size());
    const auto y = probabilityToY(graph.quantileTable(), frame.top, frame.height, plottingPosition(rank, count));
    const auto x = valueToX(drawn[static_cast<std::size_t>(rank - 1)], graph.storedMin(), graph.storedMax(), frame.left,
                            frame.width);
    return {x.value_or(NAN), static_cast<double>(y.value_or(NAN))};
}

// The place a read-off value and percentage would be drawn at.
PointF placeOf(const NormoBp& graph, const GraphFrame& frame, const ReadOff& read)
{
    const double axis = graph.logV() ? std::log10(read.value) : read.value;
    const auto x = valueToX(axis, graph.storedMin(), graph.storedMax(), frame.left, frame.width);
    const auto y = probabilityToY(graph.quantileTable(), frame.top, frame.height, read.percent);
    return {x.value_or(NAN), static_cast<double>(y.value_or(NAN))};
}

TEST(ReadOffTest, EveryDrawnPointReadsBackWithinHalfAPixelOnBothAxisKinds)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> place(0, 600);
    std::uniform_int_distribution<int> extent(80, 900);
    for (int trial = 0; trial < 40; ++trial) {
        const bool logarithmic = trial % 2 == 1;
        const GraphFrame frame{place(random), place(random), extent(random), extent(random)};
        const std::vector<double> values =
            logarithmic ? randomValues(random, 50, 0.5, 800) : randomValues(random, 50, -3, 12);
        const auto graph = test::GraphBuilder()
                               .frame(frame.left, frame.top, frame.width, frame.height)
                               .axis(logarithmic ? 0.1 : -5, logarithmic ? 1000 : 15, logarithmic)
                               .series(values)
                               .build();
        const NormoData& series = *graph->data().find(1);
        for (int rank = 1; rank <= 50; ++rank) {
            const PointF drawn = drawnPoint(*graph, frame, series, rank);
            SCOPED_TRACE("trial " + std::to_string(trial) + " rank " + std::to_string(rank));
            // Exactly on the point: its own value and plotting position.
            const auto exact = readOff(*graph, frame, drawn);
            ASSERT_TRUE(exact.has_value());
            EXPECT_NEAR(exact->value, series.sortData()[static_cast<std::size_t>(rank - 1)],
                        1e-9 * std::max(1.0, std::fabs(exact->value)));
            EXPECT_NEAR(exact->percent, std::round(plottingPosition(rank, 50) * 100) / 100, 1e-9);
            // At the pixel the point lies in: what is read is drawn within half a pixel of it.
            const PointF pixel{std::round(drawn.x), std::round(drawn.y)};
            const auto atPixel = readOff(*graph, frame, pixel);
            ASSERT_TRUE(atPixel.has_value());
            const PointF back = placeOf(*graph, frame, *atPixel);
            EXPECT_NEAR(back.x, pixel.x, 1e-6);
            EXPECT_LE(std::fabs(back.y - pixel.y), 0.5);
        }
    }
}

TEST(ReadOffTest, PercentIsFiftyAtMidHeightAndTheScaleEndsAtTheEdges)
{
    const QuantileTable& table = QuantileTable::shared();
    EXPECT_DOUBLE_EQ(*yToPercent(table, 100, 400, 300), 50);
    EXPECT_DOUBLE_EQ(*yToPercent(table, 100, 400, 500), 0.01);
    EXPECT_DOUBLE_EQ(*yToPercent(table, 100, 400, 100), 99.99);
    EXPECT_LT(*yToPercent(table, 100, 400, 520), 0.01) << "below the frame: the distribution itself";
    EXPECT_FALSE(yToPercent(table, 100, 0, 100).has_value());
    EXPECT_FALSE(xToAxisValue(5, 0, 10, 0, 0).has_value());
}

TEST(ReadOffTest, StatusTextNamesTheMarkerOrGivesValueUnitAndPercent)
{
    const auto graph = test::GraphBuilder()
                           .frame(100, 100, 500, 400)
                           .axis(9, 11)
                           .with([](NormoBp& g) { g.setTanni("mm"); })
                           .series({9.8, 10.0, 10.2}, [](NormoData& s) { s.setComment("ロットA 外径"); })
                           .build();
    const GraphFrame frame{100, 100, 500, 400};
    const NormoData& series = *graph->data().find(1);
    const PointF second = drawnPoint(*graph, frame, series, 2);
    EXPECT_EQ(readOffText(*graph, frame, {second.x + 1, second.y}), "ロットA 外径  No,2: 10  (50.00 %)");

    // Away from the markers: the value to the resolution of a pixel (2 / 500 per pixel).
    EXPECT_EQ(readOffText(*graph, frame, {350, 300 - 200 * 0.99 / 3.71947}), "X = 10.000 mm    P = 83.89 %");
    EXPECT_EQ(readOffText(*graph, frame, {99, 300}), "") << "outside the frame";
}

}  // namespace
}  // namespace probel
