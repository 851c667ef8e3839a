// SPDX-License-Identifier: MIT
#include "core/sheet/chart_sheet.h"
#include "core/sheet/sheet_page.h"
#include "core/sheet/sheet_refresh.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "support/recording_canvas.h"

namespace probel {
namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

TEST(ChartSheetTest, DetailLabelIndexPutsTheIdAfterTheGraphWithAtLeastTwoDigits)
{
    const std::vector<std::tuple<std::int32_t, std::int32_t, std::int64_t>> cases = {
        {1, 3, 103},
        {12, 5, 1205},
        {2, 123, 2123},
        {1, 0, 100},
        {3, 99, 399},
        {3, 100, 3100},
        {400, 10, 40010},  // beyond 16 bits, still a label of its own
        {kInt32Max, 5, 214748364705},
        {0, 1, -1},
        {-2, 1, -1},
        {1, -1, -1},
        {kInt32Max, kInt32Max, -1},  // 20 digits do not fit
    };
    for (const auto& [graph, id, index] : cases) {
        EXPECT_EQ(ChartSheet::detailLabelIndex(graph, id), index) << graph << ", " << id;
    }
}

TEST(ChartSheetTest, GraphKeysAreSFollowedByThePlainNumber)
{
    EXPECT_EQ(ChartSheet::graphKey(1), "S1");
    EXPECT_EQ(ChartSheet::graphKey(27), "S27");
    EXPECT_EQ(ChartSheet::graphNumberFromKey("S1"), 1);
    EXPECT_EQ(ChartSheet::graphNumberFromKey("S327"), 327);
    for (const char* bad : {"", "S", "S0", "S01", "S-1", "S+1", "S1a", "s1", "X1", "S99999999999"}) {
        EXPECT_FALSE(ChartSheet::graphNumberFromKey(bad)) << bad;
    }
}

TEST(ChartSheetTest, NewSheetDefaults)
{
    const ChartSheet sheet;
    EXPECT_EQ(sheet.myFormType, 210297);
    EXPECT_EQ(sheet.myNormo().count(), 0);
    EXPECT_TRUE(sheet.comLabels().empty());
    EXPECT_TRUE(sheet.sLabels().empty());
    ASSERT_TRUE(sheet.paperSize());
    EXPECT_EQ(sheet.paperSize()->widthPixels, 794);
    EXPECT_EQ(sheet.paperSize()->heightPixels, 1123);
}

TEST(ChartSheetTest, NewGraphsTakeTheSmallestNumberWhoseFrameIsNotLoaded)
{
    ChartSheet sheet;
    EXPECT_EQ(sheet.addGraph(), 1);
    EXPECT_EQ(sheet.addGraph(), 2);
    EXPECT_EQ(sheet.addGraph(), 3);
    EXPECT_TRUE(sheet.frameLoaded(2));
    EXPECT_FALSE(sheet.frameVisible(2));  // shown only once the graph is confirmed
    sheet.setFrameVisible(2, true);
    EXPECT_TRUE(sheet.frameVisible(2));

    // Deleting frees the number: graphs S1 and S3 left, the next graph is S2.
    sheet.removeGraph(2);
    EXPECT_FALSE(sheet.frameLoaded(2));
    EXPECT_EQ(sheet.graph(2), nullptr);
    EXPECT_EQ(sheet.addGraph(), 2);
    EXPECT_EQ(sheet.myNormo().keyAt(3), "S2");  // collection order is the order of adding
}

TEST(ChartSheetTest, RemovingAGraphRemovesTheDetailLabelsOfItsSeriesByTheirIds)
{
    ChartSheet sheet;
    const std::int32_t first = sheet.addGraph();
    const std::int32_t second = sheet.addGraph();
    for (const std::int32_t id : {1, 2, 5}) {
        sheet.graph(first)->data().add().setId(id);
        sheet.addSLabel(ChartSheet::detailLabelIndex(first, id));
    }
    sheet.graph(second)->data().add().setId(1);
    sheet.addSLabel(ChartSheet::detailLabelIndex(second, 1));

    sheet.removeGraph(first);
    EXPECT_EQ(sheet.sLabel(101), nullptr);
    EXPECT_EQ(sheet.sLabel(102), nullptr);
    EXPECT_EQ(sheet.sLabel(105), nullptr);
    EXPECT_NE(sheet.sLabel(201), nullptr);
    EXPECT_EQ(sheet.myNormo().count(), 1);
}

TEST(ChartSheetTest, TextLabelsTakeTheLowestFreeNumberAsHiddenCopiesOfTheTemplate)
{
    ChartSheet sheet;
    sheet.comLabelTemplate().font.name = "IPAGothic";
    sheet.comLabelTemplate().font.size = 12;
    sheet.comLabelTemplate().foreColor = 0xFF;
    sheet.comLabelTemplate().visible = true;
    EXPECT_EQ(sheet.addComLabel(), 1);
    EXPECT_EQ(sheet.addComLabel(), 2);
    EXPECT_EQ(sheet.addComLabel(), 3);
    EXPECT_TRUE(sheet.removeComLabel(1));
    EXPECT_FALSE(sheet.removeComLabel(1));
    EXPECT_FALSE(sheet.removeComLabel(0));  // the template stays
    EXPECT_EQ(sheet.addComLabel(), 1);
    EXPECT_EQ(sheet.addComLabel(), 4);

    const ChartLabel* label = sheet.comLabel(1);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font, sheet.comLabelTemplate().font);
    EXPECT_EQ(label->foreColor, 0xFF);
    EXPECT_FALSE(label->visible);
    EXPECT_EQ(sheet.comLabel(0), &sheet.comLabelTemplate());
    EXPECT_EQ(sheet.comLabel(9), nullptr);
    EXPECT_EQ(sheet.comLabels().size(), 4U);
}

TEST(ChartSheetTest, DetailLabelsAreCreatedOnceFromTheirTemplate)
{
    ChartSheet sheet;
    sheet.sLabelTemplate().font.size = 11;
    ChartLabel& label = sheet.addSLabel(2123);
    label.caption = "○:A";
    EXPECT_EQ(label.font.size, 11);
    EXPECT_EQ(&sheet.addSLabel(2123), &label);  // adding again finds it
    EXPECT_EQ(sheet.addSLabel(2123).caption, "○:A");
    EXPECT_EQ(sheet.sLabel(0), &sheet.sLabelTemplate());
    EXPECT_TRUE(sheet.removeSLabel(2123));
    EXPECT_EQ(sheet.sLabel(2123), nullptr);
}

TEST(ChartSheetTest, ATakenGraphComesBackWithItsPlaceFrameAndDetailLabels)
{
    ChartSheet sheet;
    for (int i = 0; i < 3; ++i) {
        sheet.setFrameVisible(sheet.addGraph(), true);
    }
    NormoBp& second = *sheet.graph(2);
    second.data().add().setId(4);
    sheet.addSLabel(ChartSheet::detailLabelIndex(2, 4)).caption = "二番目";
    sheet.addSLabel(ChartSheet::detailLabelIndex(3, 1)).caption = "三番目";

    auto taken = sheet.takeGraph(2);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->position, 2);
    EXPECT_TRUE(taken->frameVisible);
    EXPECT_EQ(sheet.graph(2), nullptr);
    EXPECT_FALSE(sheet.frameLoaded(2));
    EXPECT_EQ(sheet.sLabel(204), nullptr);
    EXPECT_NE(sheet.sLabel(301), nullptr);
    EXPECT_FALSE(sheet.takeGraph(2).has_value());

    sheet.putGraph(std::move(*taken));
    EXPECT_EQ(sheet.myNormo().keyAt(2), "S2");
    EXPECT_EQ(sheet.graph(2)->data().item(1).id(), 4);
    EXPECT_TRUE(sheet.frameVisible(2));
    ASSERT_NE(sheet.sLabel(204), nullptr);
    EXPECT_EQ(sheet.sLabel(204)->caption, "二番目");
}

TEST(ChartSheetTest, BindingGraphsKeepsTheirFrames)
{
    ChartSheet sheet;
    NormoBp& graph = *sheet.graph(sheet.addGraph());
    graph.setFrameLeft(50);
    graph.setFrameTop(60);
    graph.setFrameWidth(200);
    graph.setFrameHeight(100);
    RecordingCanvas canvas(500, 300);
    sheet.bindGraphs(&canvas);
    EXPECT_EQ(graph.showObj(), &canvas);
    EXPECT_EQ(graph.windowWidth(), 500);
    EXPECT_EQ(std::make_tuple(graph.frameLeft(), graph.frameTop(), graph.frameWidth(), graph.frameHeight()),
              std::make_tuple(50, 60, 200, 100));
    sheet.bindGraphs(nullptr);
    EXPECT_EQ(graph.showObj(), nullptr);
    EXPECT_EQ(graph.frameLeft(), 50);
}

// A sheet with one graph and labels of every kind, for the drawing tests. At 96 dpi a
// 9-point label is 12 px: 7.2 px per character, 14.4 px per line.
struct DrawingSheet {
    ChartSheet sheet;
    RecordingCanvas canvas{794, 1123};

    DrawingSheet()
    {
        NormoBp& graph = *sheet.graph(sheet.addGraph());
        graph.setFrameLeft(100);
        graph.setFrameTop(100);
        graph.setFrameWidth(300);
        graph.setFrameHeight(200);
        graph.data().add().setIniData({1, 2, 3});

        sheet.comLabelTemplate().tag = "1";  // the template is never framed nor drawn
        sheet.comLabelTemplate().caption = "template";
        sheet.comLabelTemplate().visible = true;
        addText("ab", 10, 20, "1");
        addText("plain", 300, 40, "0");
        addText("ab\r\ncde", 30.5F, 400, " 1 ");
        ChartLabel& hidden = *sheet.comLabel(addText("hidden", 5, 5, "1"));
        hidden.visible = false;

        ChartLabel& detail = sheet.addSLabel(102);
        detail.caption = "△:試料\r\n平均 : 2";
        detail.left = 500;
        detail.top = 600;
        detail.tag = "1";
        detail.font.bold = true;
        detail.foreColor = 0x0000FF;
        detail.visible = true;
    }

    std::int32_t addText(const std::string& caption, float left, float top, const std::string& tag)
    {
        const std::int32_t index = sheet.addComLabel();
        ChartLabel& label = *sheet.comLabel(index);
        label.caption = caption;
        label.left = left;
        label.top = top;
        label.tag = tag;
        label.visible = true;
        return index;
    }
};

std::vector<Point> box(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
}

TEST(ChartSheetTest, RefreshSheetThenTheScreenPageClearsDrawsTheGraphsThenFramesTaggedLabels)
{
    DrawingSheet drawing;
    refreshSheet(drawing.sheet, drawing.canvas);
    EXPECT_TRUE(drawing.canvas.calls().empty()) << "readying the sheet draws nothing";
    drawScreenPage(drawing.sheet, drawing.canvas);
    const auto& calls = drawing.canvas.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, RecordingCanvas::Call::Kind::Clear);
    EXPECT_EQ(drawing.canvas.clearCount(), 1);

    // The graph drew its frame rectangle, at the frame it had before it was bound.
    const auto polylines = drawing.canvas.polylines();
    ASSERT_GE(polylines.size(), 3U);
    const NormoBp& graph = *drawing.sheet.graph(1);
    EXPECT_EQ(graph.frameLeft(), 100);
    EXPECT_EQ(graph.frameWidth(), 300);

    // Then exactly three label frames: text labels 1 and 3, detail label 102, in that order,
    // one pixel outside the text, solid, black.
    const std::vector<std::vector<Point>> frames = {
        box(9, 19, 25, 35),       // 10 - 1, 20 - 1 .. 10 + 14.4 + 1, 20 + 14.4 + 1, halves to even
        box(30, 399, 53, 430),    // 29.5 -> 30, 30.5 + 21.6 + 1, 400 + 28.8 + 1
        box(499, 599, 544, 630),  // widest line 6 characters, two lines
    };
    const std::vector<RecordingCanvas::Call> last(polylines.end() - 3, polylines.end());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(last[i].points, frames[i]) << i;
        EXPECT_EQ(last[i].penStyle, kPenSolid);
        EXPECT_EQ(last[i].color, ChartSheet::kSheetForeColor);
    }
    for (const auto& line : polylines) {
        EXPECT_NE(line.points, box(4, 4, 49, 20)) << "a hidden label is not framed";
    }
}

TEST(ChartSheetTest, RefreshSheetDrawsNoLabelFramesWithoutTaggedLabels)
{
    DrawingSheet drawing;
    for (const auto& [index, label] : drawing.sheet.comLabels()) {
        drawing.sheet.comLabel(index)->tag = "0";
    }
    drawing.sheet.sLabel(102)->tag.clear();
    RecordingCanvas graphOnly(794, 1123);
    refreshSheet(drawing.sheet, drawing.canvas);
    drawScreenPage(drawing.sheet, drawing.canvas);
    drawSheetPage(drawing.sheet, graphOnly, PageStyle{PageKind::Picture});
    EXPECT_EQ(drawing.canvas.polylines().size(), graphOnly.polylines().size());
}

// What a page drawing shows, call by call, for comparing two drawings.
std::vector<std::tuple<int, std::vector<Point>, std::vector<PointF>, std::string, std::int32_t, std::int32_t>>
drawnCalls(const RecordingCanvas& canvas)
{
    std::vector<std::tuple<int, std::vector<Point>, std::vector<PointF>, std::string, std::int32_t, std::int32_t>> out;
    for (const auto& call : canvas.calls()) {
        out.emplace_back(static_cast<int>(call.kind), call.points, call.topLefts, call.text, call.penStyle, call.color);
    }
    return out;
}

// A picture drawn later (one the clipboard hands over on request) draws the unbound copy: the
// same page as the sheet, and still that page after the sheet is edited.
TEST(ChartSheetTest, AnUnboundCopyDrawsThePageAsItWasWhenCopied)
{
    DrawingSheet drawing;
    drawing.sheet.bindGraphs(&drawing.canvas);
    const std::unique_ptr<ChartSheet> copy = drawing.sheet.unboundCopy();
    EXPECT_EQ(copy->graph(1)->showObj(), nullptr);
    EXPECT_EQ(copy->graph(1)->data().item(1).iniValues().data(),
              drawing.sheet.graph(1)->data().item(1).iniValues().data())
        << "the values are shared, not copied";

    RecordingCanvas original(794, 1123);
    RecordingCanvas copied(794, 1123);
    drawSheetPage(drawing.sheet, original, PageStyle{PageKind::Picture});
    drawSheetPage(*copy, copied, PageStyle{PageKind::Picture});
    EXPECT_EQ(drawnCalls(copied), drawnCalls(original));
    ASSERT_FALSE(original.stamps().empty()) << "the series' markers are drawn";

    drawing.sheet.graph(1)->data().item(1).setIniData({7, 8});
    drawing.sheet.graph(1)->setFrameLeft(20);
    drawing.sheet.comLabel(1)->caption = "changed";
    drawing.sheet.removeSLabel(102);
    RecordingCanvas edited(794, 1123);
    RecordingCanvas copiedAgain(794, 1123);
    drawSheetPage(drawing.sheet, edited, PageStyle{PageKind::Picture});
    drawSheetPage(*copy, copiedAgain, PageStyle{PageKind::Picture});
    EXPECT_NE(drawnCalls(edited), drawnCalls(original));
    EXPECT_EQ(drawnCalls(copiedAgain), drawnCalls(original));
}

TEST(ChartSheetTest, LabelTextsAreDrawnLineByLineInNormalWeightDetailLabelsFirst)
{
    DrawingSheet drawing;
    drawing.canvas.setFont(CanvasFont{"other", 20, true, false, false, false});
    drawLabelTexts(drawing.sheet, drawing.canvas, PageStyle{PageKind::Picture});
    const auto texts = drawing.canvas.texts();
    const std::vector<std::tuple<std::string, double, double, std::int32_t>> expected = {
        {"△:試料", 500, 600, 0x0000FF},
        {"平均 : 2", 500, 614.4, 0x0000FF},
        {"ab", 10, 20, 0},
        {"plain", 300, 40, 0},
        {"ab", 30.5, 400, 0},
        {"cde", 30.5, 414.4, 0},
    };
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& [text, x, y, color] = expected[i];
        EXPECT_EQ(texts[i].text, text) << i;
        EXPECT_DOUBLE_EQ(texts[i].topLeft.x, x) << i;
        EXPECT_NEAR(texts[i].topLeft.y, y, 1e-9) << i;
        EXPECT_EQ(texts[i].color, color) << i;
        EXPECT_FALSE(texts[i].font.bold) << i;
        EXPECT_EQ(texts[i].font.size, 9) << i;
    }
    EXPECT_EQ(drawing.canvas.polylines().size(), 0U);
    EXPECT_EQ(drawing.canvas.clearCount(), 0);
}

}  // namespace
}  // namespace probel
