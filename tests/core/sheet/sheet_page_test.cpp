// SPDX-License-Identifier: MIT
#include "core/sheet/sheet_page.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/recording_canvas.h"

namespace probel {
namespace {

using Kind = RecordingCanvas::Call::Kind;

// Adds a graph with the given frame and returns its number.
std::int32_t addGraph(ChartSheet& sheet, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    const std::int32_t number = sheet.addGraph();
    NormoBp& graph = *sheet.graph(number);
    graph.setFrameLeft(left);
    graph.setFrameTop(top);
    graph.setFrameWidth(width);
    graph.setFrameHeight(height);
    return number;
}

// The first polyline of each graph is its frame; these are the frames in drawing order.
std::vector<std::vector<Point>> graphFrames(const RecordingCanvas& canvas)
{
    std::vector<std::vector<Point>> frames;
    for (const auto& line : canvas.polylines()) {
        if (line.points.size() == 5) {
            frames.push_back(line.points);
        }
    }
    return frames;
}

std::vector<Point> box(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
}

// Graph 1 is deleted and added again, so it comes after graph 2 in the collection.
struct TwoGraphs {
    ChartSheet sheet;

    TwoGraphs()
    {
        addGraph(sheet, 10, 20, 100, 50);
        addGraph(sheet, 200, 300, 40, 30);
        sheet.removeGraph(1);
        EXPECT_EQ(addGraph(sheet, 10, 20, 100, 50), 1);
        const std::int32_t index = sheet.addComLabel();
        ChartLabel& label = *sheet.comLabel(index);
        label.caption = "ab";
        label.left = 8;
        label.top = 16.5F;
        label.foreColor = 0x0000FF;
        label.tag = "1";
        label.visible = true;
    }
};

TEST(SheetPage, PrintedPageScalesFramesAndLabelsAndDrawsTextsInBlackFirstThenGraphsByNumber)
{
    TwoGraphs page;
    RecordingCanvas printer(4960, 7016, true, 600);
    drawSheetPage(page.sheet, printer, PageStyle{PageKind::Printed, 600, 300});

    const auto& calls = printer.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, Kind::Text) << "labels are printed under the graphs";
    EXPECT_EQ(printer.clearCount(), 0);
    EXPECT_EQ(printer.repaintCount(), 0);
    const auto texts = printer.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "ab");
    EXPECT_DOUBLE_EQ(texts[0].topLeft.x, 8 * 6.25);
    EXPECT_DOUBLE_EQ(texts[0].topLeft.y, 16.5 * 3.125);
    EXPECT_EQ(texts[0].color, 0);

    // 600 dpi across is 6.25 device pixels per canvas pixel, 300 dpi down 3.125 (halves to even).
    const std::vector<std::vector<Point>> expected = {box(62, 62, 687, 218), box(1250, 938, 1500, 1032)};
    EXPECT_EQ(graphFrames(printer), expected);

    // The graphs keep their own frames and stay unbound.
    EXPECT_EQ(page.sheet.graph(1)->frame(), (GraphFrame{10, 20, 100, 50}));
    EXPECT_EQ(page.sheet.graph(1)->showObj(), nullptr);
}

TEST(SheetPage, ScreenAndPictureDrawGraphsInCollectionOrderAtCanvasScale)
{
    TwoGraphs page;
    RecordingCanvas screen(794, 1123);
    drawSheetPage(page.sheet, screen, PageStyle{PageKind::Screen});
    RecordingCanvas picture(794, 1123);
    drawSheetPage(page.sheet, picture, PageStyle{PageKind::Picture});

    const std::vector<std::vector<Point>> graphs = {box(200, 300, 240, 330), box(10, 20, 110, 70)};
    for (const RecordingCanvas* canvas : {&screen, &picture}) {
        ASSERT_FALSE(canvas->calls().empty());
        EXPECT_EQ(canvas->calls().front().kind, Kind::Clear);
        EXPECT_EQ(canvas->repaintCount(), 0) << "asking for a repaint is the window's business";
        const auto frames = graphFrames(*canvas);
        ASSERT_GE(frames.size(), 2U);
        EXPECT_EQ(std::vector(frames.begin(), frames.begin() + 2), graphs);
    }
    // The screen frames the tagged label and leaves its text to the label object on the paper;
    // the picture writes the text in the label's colour and draws no label frame.
    EXPECT_TRUE(screen.texts().empty());
    EXPECT_EQ(graphFrames(screen).size(), 3U);
    EXPECT_EQ(graphFrames(picture).size(), 2U);
    ASSERT_FALSE(picture.texts().empty());
    EXPECT_EQ(picture.texts().back().text, "ab");
    EXPECT_EQ(picture.texts().back().color, 0x0000FF);
}

TEST(SheetPage, AGraphWhoseScaledFrameDoesNotFitIsLeftOut)
{
    ChartSheet sheet;
    addGraph(sheet, 2000000000, 0, 100, 100);
    addGraph(sheet, 10, 10, 100, 100);
    RecordingCanvas printer(4960, 7016, true, 1200);
    drawSheetPage(sheet, printer, PageStyle{PageKind::Printed, 1200, 1200});
    EXPECT_EQ(graphFrames(printer), std::vector<std::vector<Point>>{box(125, 125, 1375, 1375)});
}

}  // namespace
}  // namespace probel
