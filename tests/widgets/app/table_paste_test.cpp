// SPDX-License-Identifier: MIT
// Tables in and figures and pictures out through the real clipboard (Qt keeps it within the
// process offscreen): 表から貼り付け and Ctrl+V on a graph, グラフをコピー and Ctrl+C,
// 統計量をコピー and 用紙をコピー.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/file_actions.h"
#include "app/mdi_output.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"
#include "core/document/sheet_writer.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "core/sheet/sheet_placement.h"
#include "core/stats/data.h"

namespace probel::test {
namespace {

class TablePasteTest : public AppTest {
protected:
    PicForm& openSheet()
    {
        window_->fileActions().openDocuments({writeDocument("lot.pbl", {.labelCaption = ""})});
        return *window_->activeSheet();
    }

    void onFrame(PicForm& form, const char* entry)
    {
        nextMenuChoice_ = entry;
        rightPress(form.sekFrame(1), QPoint(20, 20));
    }

    static void putText(const char* text) { QApplication::clipboard()->setText(QString::fromUtf8(text)); }

    static const Data* seriesOf(const PicForm& form) { return form.sheet().graph(1)->dataIfAny(); }

    static void pressKeys(QWidget* target, QKeySequence::StandardKey key)
    {
        const QKeyCombination combination = QKeySequence(key)[0];
        QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
        QApplication::sendEvent(target, &press);
    }
};

TEST_F(TablePasteTest, EveryNumericColumnBecomesASeriesInOneUndoableStep)
{
    PicForm& form = openSheet();
    putText("外径\t内径\t備考\n10.1\t5.2\t\n10.2\t5.1\t\n9.9\t\t\n");
    onFrame(form, "PopMenuTablePaste");
    const Data* series = seriesOf(form);
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2) << "a column without numbers is passed over";
    EXPECT_EQ(series->item(1).comment(), "外径");
    EXPECT_EQ(series->item(1).iniValues(), (std::vector<double>{10.1, 10.2, 9.9}));
    EXPECT_EQ(series->item(2).comment(), "内径");
    EXPECT_EQ(series->item(2).iniValues(), (std::vector<double>{5.2, 5.1})) << "a blank at the end ends the column";
    EXPECT_NE(series->item(1).color(), series->item(2).color());
    EXPECT_NE(series->item(1).mrk(), series->item(2).mrk());
    EXPECT_FALSE(series->item(1).limitsSet()) << "the graph had no series with limits";
    EXPECT_EQ(form.undoStack()->count(), 1);
    EXPECT_EQ(form.undoStack()->undoText().toStdString(), "データの追加");
    form.undoStack()->undo();
    EXPECT_TRUE(seriesOf(form) == nullptr || seriesOf(form)->empty());
}

// The detail labels of pasted series go beside the graph, one below another, 10 pixels apart
// on the grid; moving the frame takes them along in the same step.
TEST_F(TablePasteTest, DetailLabelsGoBesideTheGraphBelowOneAnotherAndMoveWithTheFrame)
{
    settings_.saveSetting("DataNewForm", "LabelCk", "1");
    settings_.saveSetting("DataNewForm", "HeikinCk", "1");
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoBp& graph = *sheet.graph(1);
        graph.setFrameLeft(60);
        graph.setFrameTop(100);
        graph.setFrameWidth(400);
        graph.setFrameHeight(600);
    });
    putText("A\tB\tC\n1\t2\t3\n2\t3\t4\n");
    onFrame(form, "PopMenuTablePaste");
    const ChartSheet& sheet = form.sheet();
    std::vector<const ChartLabel*> labels;
    for (const std::int32_t id : {1, 2, 3}) {
        labels.push_back(sheet.sLabel(ChartSheet::detailLabelIndex(1, id)));
        ASSERT_NE(labels.back(), nullptr) << id;
        EXPECT_EQ(labels.back()->left, 470) << id;
    }
    EXPECT_EQ(labels[0]->top, 100) << "level with the frame's top";
    for (std::size_t i = 1; i < labels.size(); ++i) {
        const double bottom = labels[i - 1]->top + form.measuredLabel(*labels[i - 1]).height;
        EXPECT_GE(labels[i]->top, bottom + kLabelGap) << i;
        EXPECT_LT(labels[i]->top, bottom + kLabelGap + kSnapStep) << i;
        EXPECT_EQ(std::fmod(labels[i]->top, 10.0F), 0) << i;
    }

    const float secondTop = labels[1]->top;
    form.edit<MoveGraphFrame>(1, GraphFrame{60, 100, 400, 600}, GraphFrame{80, 70, 400, 600});
    EXPECT_EQ(sheet.sLabel(ChartSheet::detailLabelIndex(1, 2))->left, 490);
    EXPECT_EQ(sheet.sLabel(ChartSheet::detailLabelIndex(1, 2))->top, secondTop - 30);
    EXPECT_EQ(form.undoStack()->count(), 2) << "one step for the frame and its labels";
    form.undoStack()->undo();
    EXPECT_EQ(sheet.sLabel(ChartSheet::detailLabelIndex(1, 2))->left, 470);
    EXPECT_EQ(sheet.sLabel(ChartSheet::detailLabelIndex(1, 2))->top, secondTop);

    // A resize leaves them where they are.
    form.edit<MoveGraphFrame>(1, GraphFrame{60, 100, 400, 600}, GraphFrame{40, 100, 420, 600});
    EXPECT_EQ(sheet.sLabel(ChartSheet::detailLabelIndex(1, 2))->left, 470);
}

TEST_F(TablePasteTest, UnnamedColumnsAreNumberedAndTakeThePreviousSeriesLimits)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoData& one = sheet.graph(1)->data().add();
        one.setIniData({1, 2, 3});
        one.setId(1);
        one.setMin(0.5);
        one.setMax(3.5);
        one.setCpOption(2);
    });
    putText("4;5\n6;7\n");
    onFrame(form, "PopMenuTablePaste");
    const Data* series = seriesOf(form);
    ASSERT_EQ(series->count(), 3);
    EXPECT_EQ(series->item(2).comment(), "データ - 2");
    EXPECT_EQ(series->item(3).comment(), "データ - 3");
    for (const int i : {2, 3}) {
        EXPECT_TRUE(series->item(i).limitsSet());
        EXPECT_EQ(series->item(i).min(), 0.5);
        EXPECT_EQ(series->item(i).max(), 3.5);
        EXPECT_EQ(series->item(i).cpOption(), 2);
    }
}

// Whatever is wrong is said, with the row and column where it can be, and the document stays
// byte for byte as it was.
TEST_F(TablePasteTest, RefusedPastesSayWhyAndChangeNothing)
{
    PicForm& form = openSheet();
    const std::string document = sheetFileBytes(form.sheet()).value();
    const struct {
        const char* clipboard;
        const char* said;
    } cases[] = {
        {"a,b\n1,2\n,3\n4,5\n", "クリップボード の 3 行目 1 列目が空で、その下に値があります。"},
        {"a\tb\n1\t2\n3\tx\n", "クリップボード:3:2: 数値ではありません: \"x\""},
        {"名前,備考\n", "クリップボード には数値の列がありません。"},
        {"  \n", "クリップボードに表がありません。"},
    };
    for (const auto& [clipboard, said] : cases) {
        messages_.answer(MessageAnswer::Ok);
        putText(clipboard);
        onFrame(form, "PopMenuTablePaste");
        ASSERT_FALSE(messages_.asked().empty());
        EXPECT_NE(messages_.asked().back().text.find(said), std::string::npos) << messages_.asked().back().text;
        EXPECT_EQ(messages_.asked().back().title, "表から貼り付け");
        EXPECT_EQ(sheetFileBytes(form.sheet()).value(), document) << clipboard;
        EXPECT_EQ(form.undoStack()->count(), 0);
    }
}

// A click on a graph selects it; the keys reach the sheet window, which has the focus then.
TEST_F(TablePasteTest, TheCopyAndPasteKeysWorkOnTheSelectedGraph)
{
    PicForm& form = openSheet();
    putText("12\n13\n");
    pressKeys(&form, QKeySequence::Paste);
    EXPECT_TRUE(seriesOf(form) == nullptr || seriesOf(form)->empty()) << "no graph selected yet";
    QTest::mouseClick(form.sekFrame(1), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    pressKeys(&form, QKeySequence::Paste);
    ASSERT_NE(seriesOf(form), nullptr);
    EXPECT_EQ(seriesOf(form)->count(), 1);

    pressKeys(&form, QKeySequence::Copy);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    EXPECT_TRUE(data->hasFormat(QStringLiteral("image/svg+xml")));
}

// The graph as the page draws it, cut to its frame and the room for its scales: the same
// pixels as the page's picture there, and an SVG whose view box is that part of the page.
TEST_F(TablePasteTest, GraphCopyIsThePagesPictureOfTheGraph)
{
    PicForm& form = openSheet();
    putText("12\n13\n14\n");
    onFrame(form, "PopMenuTablePaste");
    onFrame(form, "PopMenuGraphCopy");
    const QMimeData* graphData = QApplication::clipboard()->mimeData();
    ASSERT_NE(graphData, nullptr);
    const QImage graph = QImage::fromData(graphData->data(QStringLiteral("image/png")), "PNG");
    const QByteArray svg = graphData->data(QStringLiteral("image/svg+xml"));
    ASSERT_FALSE(graph.isNull());

    nextMenuChoice_ = "PopMenuPageCopy";
    rightPress(form.mainPic(), QPoint(5, 5));
    const QImage page =
        QImage::fromData(QApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(page.size(), QSize(794, 1123)) << "A4 at 96 pixels an inch";

    const NormoBp& drawn = *form.sheet().graph(1);
    const int left = std::max(0, drawn.frameLeft() - 60);
    const int top = std::max(0, drawn.frameTop() - 70);
    ASSERT_EQ(graph.size(), QSize(std::min(794, drawn.frameLeft() + drawn.frameWidth() + 20) - left,
                                  std::min(1123, drawn.frameTop() + drawn.frameHeight() + 45) - top));
    EXPECT_EQ(graph.convertToFormat(QImage::Format_RGB32),
              page.copy(left, top, graph.width(), graph.height()).convertToFormat(QImage::Format_RGB32));
    const std::string viewBox = "viewBox=\"" + std::to_string(left) + " " + std::to_string(top) + " " +
                                std::to_string(graph.width()) + " " + std::to_string(graph.height()) + "\"";
    EXPECT_NE(svg.toStdString().find(viewBox), std::string::npos);
}

// The paper is drawn when it is next shown, not at each edit; what it shows follows the edits.
TEST_F(TablePasteTest, ThePapersPictureFollowsThePasteAndItsUndo)
{
    PicForm& form = openSheet();
    const QImage before = form.mainPic()->picture().copy();
    putText("12\n13\n14\n");
    onFrame(form, "PopMenuTablePaste");
    const QImage pasted = form.mainPic()->picture().copy();
    EXPECT_NE(pasted, before);
    form.undoStack()->undo();
    EXPECT_EQ(form.mainPic()->picture(), before);
    form.undoStack()->redo();
    EXPECT_EQ(form.mainPic()->picture(), pasted);
}

// The SVG is written when a program asks for it, but shows the graph as it was copied.
TEST_F(TablePasteTest, GraphCopysSvgShowsTheGraphAsCopiedWhenAskedForLater)
{
    PicForm& form = openSheet();
    putText("12\n13\n14\n");
    onFrame(form, "PopMenuTablePaste");
    onFrame(form, "PopMenuGraphCopy");
    form.undoStack()->undo();
    ASSERT_TRUE(seriesOf(form) == nullptr || seriesOf(form)->empty());
    const QByteArray askedAfterUndo = QApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml"));

    onFrame(form, "PopMenuGraphCopy");
    const QByteArray withoutSeries = QApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml"));
    form.undoStack()->redo();
    onFrame(form, "PopMenuGraphCopy");
    const QByteArray withSeries = QApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml"));
    EXPECT_EQ(askedAfterUndo, withSeries);
    EXPECT_NE(askedAfterUndo, withoutSeries);
}

// Cells a spreadsheet takes: a header row, then a series a row; figures computed here.
TEST_F(TablePasteTest, FiguresCopyIsATableOfCells)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoData& one = sheet.graph(1)->data().add();
        one.setIniData({9, 11, 9, 11});
        one.setId(1);
        one.setComment("ロット\r\nA");
        one.setMin(7);
        one.setMax(13);
    });
    onFrame(form, "PopMenuFiguresCopy");
    const std::string text = QApplication::clipboard()->text().toStdString();
    // Mean 10, σ 1, s √(4/3), Cp = Cpk = 6/6 = 1, Φ(3) − Φ(−3) = 99.73 %.
    const std::string header = "コメント\tn\t平均\tσ\ts\t最小\t最大\tCp\tCpk\t規格内 (%)\tA²\tp\r\n";
    ASSERT_EQ(text.rfind(header, 0), 0U) << text;
    const std::string row = text.substr(header.size());
    EXPECT_EQ(row.rfind("ロット A\t4\t10\t1\t1.15470053837925\t9\t11\t1\t1\t99.730020393674\t\t\r\n", 0), 0U)
        << row << " (fewer than eight values: no test)";
}

}  // namespace
}  // namespace probel::test
