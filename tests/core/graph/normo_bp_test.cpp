// SPDX-License-Identifier: MIT
#include "core/graph/normo_bp.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/recording_canvas.h"

namespace probel {
namespace {

TEST(NormoBp, Defaults)
{
    const NormoBp graph;
    EXPECT_EQ(graph.frameLeft(), 0);
    EXPECT_EQ(graph.frameTop(), 0);
    EXPECT_EQ(graph.frameWidth(), 0);
    EXPECT_EQ(graph.frameHeight(), 0);
    EXPECT_EQ(graph.frameDrawStyle(), kPenSolid);
    EXPECT_EQ(graph.lineDrawStyle(), kPenDot);
    EXPECT_EQ(graph.min(), 0.0);
    EXPECT_EQ(graph.max(), 100.0);
    EXPECT_FALSE(graph.logV());
    EXPECT_EQ(graph.bunnkatu(), 10);
    EXPECT_EQ(graph.xJikuStep(), 1);
    EXPECT_FALSE(graph.xJikuCheck());
    EXPECT_FALSE(graph.memoriCheck());
    EXPECT_EQ(graph.fontName(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(graph.fontSize(), 9);
    EXPECT_EQ(graph.showObj(), nullptr);
    EXPECT_EQ(graph.windowWidth(), 0);
    EXPECT_EQ(graph.dataIfAny(), nullptr);
}

TEST(NormoBp, FrameExtentsBelowTwoAreStoredAsTwo)
{
    NormoBp graph;
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0, 2}, {-5, 2}, {1, 2}, {2, 2}, {3, 3}, {std::numeric_limits<std::int32_t>::min(), 2}};
    for (const auto& [given, stored] : cases) {
        graph.setFrameWidth(given);
        graph.setFrameHeight(given);
        EXPECT_EQ(graph.frameWidth(), stored) << given;
        EXPECT_EQ(graph.frameHeight(), stored) << given;
    }
}

TEST(NormoBp, LinearAxisEndsAreKeptAsGiven)
{
    NormoBp graph;
    graph.setMax(37.5);
    graph.setMin(-0.25);
    EXPECT_EQ(graph.max(), 37.5);
    EXPECT_EQ(graph.min(), -0.25);
    EXPECT_EQ(graph.storedMax(), 37.5);
}

struct DecadeCase {
    double assigned;
    double stored;
    double read;
};

TEST(NormoBp, LogarithmicAxisStoresWholeDecades)
{
    const DecadeCase cases[] = {
        {5, 1, 10},    {0.02, -2, 0.01}, {3000, 3, 1000}, {500, 3, 1000}, {0.5, 0, 1},      {1, 0, 1},
        {100, 2, 100}, {0.1, -1, 0.1},   {31.6, 1, 10},   {31.7, 2, 100}, {1E-7, -7, 1E-7},
    };
    for (const auto& c : cases) {
        NormoBp graph;
        graph.setLogV(true);
        graph.setMax(c.assigned);
        graph.setMin(c.assigned);
        EXPECT_EQ(graph.storedMax(), c.stored) << c.assigned;
        EXPECT_EQ(graph.storedMin(), c.stored) << c.assigned;
        EXPECT_DOUBLE_EQ(graph.max(), c.read) << c.assigned;
        EXPECT_DOUBLE_EQ(graph.min(), c.read) << c.assigned;
    }
}

TEST(NormoBp, LogarithmicAxisRefusesValuesWithoutALogarithm)
{
    NormoBp graph;
    graph.setLogV(true);
    graph.setMin(0.1);
    graph.setMax(1000);
    for (const double bad :
         {0.0, -5.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        graph.setMin(bad);
        graph.setMax(bad);
        EXPECT_EQ(graph.storedMin(), -1) << bad;
        EXPECT_EQ(graph.storedMax(), 3) << bad;
    }
}

TEST(NormoBp, SwitchingTheAxisKindReinterpretsTheStoredEnds)
{
    NormoBp graph;
    graph.setMax(2);
    graph.setLogV(true);
    EXPECT_EQ(graph.max(), 100.0);
    graph.setStoredMin(-1);
    graph.setLogV(false);
    EXPECT_EQ(graph.min(), -1.0);
}

TEST(NormoBp, BindingAScreenSurfaceResetsTheFrameToTenPercentMargins)
{
    RecordingCanvas surface(500, 300);
    NormoBp graph;
    graph.setFrameLeft(7);
    graph.setShowObj(&surface);
    EXPECT_EQ(graph.showObj(), &surface);
    EXPECT_EQ(graph.windowWidth(), 500);
    EXPECT_EQ(graph.windowHeight(), 300);
    EXPECT_EQ(graph.frameLeft(), 50);
    EXPECT_EQ(graph.frameTop(), 30);
    EXPECT_EQ(graph.frameWidth(), 400);
    EXPECT_EQ(graph.frameHeight(), 240);
}

TEST(NormoBp, FrameMarginsRoundHalvesToEven)
{
    // 0.1 x 25 = 2.5 -> 2, 0.8 x 25 = 20; 0.1 x 35 = 3.5 -> 4, 0.8 x 35 = 28.
    // 0.1 x 15 = 1.5 -> 2, 0.8 x 15 = 12; 0.8 x 5 = 4, 0.1 x 5 = 0.5 -> 0.
    struct Case {
        std::int32_t size, margin, extent;
    };
    for (const Case c : {Case{25, 2, 20}, Case{35, 4, 28}, Case{15, 2, 12}, Case{5, 0, 4}, Case{0, 0, 2}}) {
        RecordingCanvas surface(c.size, c.size);
        NormoBp graph;
        graph.setShowObj(&surface);
        EXPECT_EQ(graph.frameLeft(), c.margin) << c.size;
        EXPECT_EQ(graph.frameTop(), c.margin) << c.size;
        EXPECT_EQ(graph.frameWidth(), c.extent) << c.size;
        EXPECT_EQ(graph.frameHeight(), c.extent) << c.size;
    }
}

TEST(NormoBp, BindingAPrinterPageTakesItsSizeAndKeepsTheFrame)
{
    RecordingCanvas page(4960, 7016, true, 600);
    NormoBp graph;
    graph.setFrameLeft(300);
    graph.setFrameTop(400);
    graph.setFrameWidth(2000);
    graph.setFrameHeight(1500);
    graph.setShowObj(&page);
    EXPECT_EQ(graph.windowWidth(), 4960);
    EXPECT_EQ(graph.windowHeight(), 7016);
    EXPECT_EQ(graph.frameLeft(), 300);
    EXPECT_EQ(graph.frameTop(), 400);
    EXPECT_EQ(graph.frameWidth(), 2000);
    EXPECT_EQ(graph.frameHeight(), 1500);
}

TEST(NormoBp, WindowSizeIsMeasuredWhileBoundAndKeptAfterUnbinding)
{
    RecordingCanvas surface(500, 300);
    NormoBp graph;
    graph.setShowObj(&surface);
    surface.setSize(640, 480);
    EXPECT_EQ(graph.windowWidth(), 640);
    EXPECT_EQ(graph.windowHeight(), 480);
    // Measuring does not move the frame; only binding does.
    EXPECT_EQ(graph.frameWidth(), 400);
    graph.setShowObj(nullptr);
    surface.setSize(10, 10);
    EXPECT_EQ(graph.showObj(), nullptr);
    EXPECT_EQ(graph.windowWidth(), 640);
    EXPECT_EQ(graph.windowHeight(), 480);
    EXPECT_EQ(graph.frameWidth(), 400);
}

TEST(NormoBp, DataIsCreatedOnFirstReadAndCanBeReplaced)
{
    NormoBp graph;
    Data& first = graph.data();
    EXPECT_EQ(&graph.data(), &first);
    EXPECT_EQ(graph.dataIfAny(), &first);
    EXPECT_EQ(first.count(), 0);
    first.add();

    auto replacement = std::make_unique<Data>();
    replacement->add();
    replacement->add();
    const Data* expected = replacement.get();
    graph.setData(std::move(replacement));
    EXPECT_EQ(&graph.data(), expected);
    EXPECT_EQ(graph.data().count(), 2);

    graph.setData(nullptr);
    EXPECT_EQ(graph.dataIfAny(), nullptr);
    EXPECT_EQ(graph.data().count(), 0);
}

TEST(NormoBp, LabelFontCarriesNameSizeAndAttributes)
{
    NormoBp graph;
    graph.setFontName("Arial");
    graph.setFontSize(12);
    graph.setFontBold(true);
    graph.setFontUnderline(true);
    const CanvasFont font = graph.labelFont();
    EXPECT_EQ(font, (CanvasFont{"Arial", 12, true, false, false, true}));
}

}  // namespace
}  // namespace probel
