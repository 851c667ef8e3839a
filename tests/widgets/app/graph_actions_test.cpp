// SPDX-License-Identifier: MIT
#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QUndoStack>

#include <QTest>

#include <gtest/gtest.h>

#include "app/edit_menu.h"
#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"
#include "core/document/sheet_writer.h"

namespace probel::test {
namespace {

class GraphActionsTest : public AppTest {
protected:
    PicForm& newSheet()
    {
        paperSizes_.answer(210297);
        PicForm* form = window_->fileActions().npdNew();
        EXPECT_NE(form, nullptr);
        return *form;
    }

    PicForm& openSheet(const TestDocument& content = {})
    {
        window_->fileActions().openDocuments({writeDocument("lot.pbl", content)});
        return *window_->activeSheet();
    }

    void addGraphAt(PicForm& form, QPoint at)
    {
        nextMenuChoice_ = "PopMenuNormoNew";
        rightPress(form.mainPic(), at);
    }

    void onFrame(PicForm& form, std::int32_t number, const char* entry)
    {
        nextMenuChoice_ = entry;
        rightPress(form.sekFrame(number), QPoint(20, 20));
    }

    static std::string bytes(const PicForm& form) { return sheetFileBytes(form.sheet()).value(); }
};

// The menu runs inside the frame's own press handler, and deleting the graph deletes the frame:
// the window system then delivers the release and the next move as a user's mouse would.
TEST_F(GraphActionsTest, DeletingAGraphFromItsOwnMenuLeavesNoDanglingFrame)
{
    PicForm& form = newSheet();
    graphEditor_.confirm();
    addGraphAt(form, QPoint(100, 100));
    ASSERT_NE(form.sekFrame(1), nullptr);
    window_->activateWindow();
    messages_.answer(MessageAnswer::Ok);
    nextMenuChoice_ = "PopMenuNormoDel";
    const QPointer<QWidget> frame = form.sekFrame(1);
    const QPoint inside(20, 20);
    const QPoint onPaper = frame->mapTo(form.mainPic(), inside);
    QTest::mousePress(frame, Qt::RightButton, {}, inside);
    EXPECT_EQ(form.sheet().graph(1), nullptr);
    EXPECT_EQ(form.sekFrame(1), nullptr);
    // Still there for the window system, which goes on with it after the handler, but hidden;
    // gone once control is back in the event loop.
    ASSERT_FALSE(frame.isNull()) << "destroyed inside its own press handler";
    EXPECT_FALSE(frame->isVisible());
    QTest::mouseRelease(form.mainPic(), Qt::RightButton, {}, onPaper);
    QTest::mouseMove(form.mainPic(), onPaper + QPoint(5, 5));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());
}

TEST_F(GraphActionsTest, ANewGraphStartsAtTheClickOnTheGridWithTheStoredDefaults)
{
    PicForm& form = newSheet();
    settings_.saveSetting("SekSetForm", "FrameWidth", "300");
    settings_.saveSetting("SekSetForm", "LogV", "True");
    settings_.saveSetting("SekSetForm", "Min", "0.01");
    settings_.saveSetting("SekSetForm", "Max", "1000");
    graphEditor_.confirm();
    addGraphAt(form, QPoint(137, 64));
    ASSERT_EQ(graphEditor_.inputs().size(), 1U);
    const GraphDialogInput& shown = graphEditor_.inputs()[0];
    EXPECT_EQ(shown.graph.frame, (GraphFrame{130, 60, 300, 200}));
    EXPECT_EQ(shown.canvasWidth, 794);
    EXPECT_EQ(shown.canvasHeight, 1123);
    EXPECT_TRUE(shown.graph.logV);
    EXPECT_EQ(shown.graph.storedMin, -2);
    EXPECT_EQ(shown.graph.storedMax, 3);
    EXPECT_EQ(shown.graph.xJikuStep, 10);
    EXPECT_TRUE(shown.graph.memoriCheck);

    const NormoBp* graph = form.sheet().graph(1);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->frame(), (GraphFrame{130, 60, 300, 200})) << "a position on the grid stays where it is";
    EXPECT_TRUE(form.sheet().frameVisible(1));
    EXPECT_NE(form.sekFrame(1), nullptr);
    EXPECT_EQ(form.sekFrame(1)->accessibleName().toStdString(), "グラフ 1");
    EXPECT_TRUE(form.moveFlag());
    EXPECT_EQ(window_->editMenu().undoAction()->text().toStdString(), "元に戻す(&U): グラフの追加");
}

TEST_F(GraphActionsTest, OkStoresTheDefaultsForTheNextGraphOnAnySheet)
{
    PicForm& first = newSheet();
    graphEditor_.confirm([](GraphDialogValues& values) {
        values.frameWidth = 300;
        values.logV = true;
        values.min = 0.0001;
        values.max = 100;
        values.xJikuCheck = false;
    });
    addGraphAt(first, QPoint(10, 10));
    EXPECT_EQ(settings_.getSetting("SekSetForm", "FrameWidth", ""), "300");
    EXPECT_EQ(settings_.getSetting("SekSetForm", "LogV", ""), "True");
    EXPECT_EQ(settings_.getSetting("SekSetForm", "XJikuCheck", ""), "False");
    EXPECT_EQ(settings_.getSetting("SekSetForm", "Min", ""), "0.0001");
    EXPECT_EQ(settings_.getSetting("SekSetForm", "Max", ""), "100");

    PicForm& second = newSheet();
    graphEditor_.confirm();
    addGraphAt(second, QPoint(200, 300));
    EXPECT_EQ(second.sheet().graph(1)->frameWidth(), 300);
    EXPECT_TRUE(second.sheet().graph(1)->logV());
    EXPECT_FALSE(second.sheet().graph(1)->xJikuCheck());
}

TEST_F(GraphActionsTest, CancelledAddsKeepTheirNumbersButLeaveNoGraph)
{
    PicForm& form = newSheet();
    graphEditor_.cancel();
    addGraphAt(form, QPoint(100, 100));
    graphEditor_.cancel();
    addGraphAt(form, QPoint(100, 100));
    EXPECT_EQ(form.sheet().myNormo().count(), 0);
    EXPECT_FALSE(form.moveFlag()) << "a cancelled add changes nothing";
    EXPECT_EQ(form.undoStack()->count(), 0);
    graphEditor_.confirm();
    addGraphAt(form, QPoint(100, 100));
    EXPECT_EQ(form.sheet().myNormo().keyAt(1), "S3");
}

TEST_F(GraphActionsTest, EditingClampsTheFrameOnOpeningEvenWhenCancelledAndUndoPutsItBack)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        sheet.graph(1)->setFrameLeft(700);
        sheet.graph(1)->setFrameWidth(200);
    });
    const GraphSettings before = graphSettings(*form.sheet().graph(1));
    const CanvasFont font{"IPAexGothic", 12, true, false, false, false};
    graphEditor_.cancel(font);
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(graphEditor_.inputs().at(0).graph.frame.left, 594);
    const NormoBp& graph = *form.sheet().graph(1);
    EXPECT_EQ(graph.frameLeft(), 594);
    EXPECT_EQ(graph.fontName(), "IPAexGothic");
    EXPECT_EQ(graph.fontSize(), 12);
    EXPECT_TRUE(form.moveFlag());
    EXPECT_EQ(form.undoStack()->undoText().toStdString(), "グラフの編集");
    form.undoStack()->undo();
    EXPECT_EQ(graphSettings(*form.sheet().graph(1)), before);
}

TEST_F(GraphActionsTest, ConfirmedPositionsGoToTheNearestGridPointAndStayOnThePaper)
{
    PicForm& form = openSheet();
    graphEditor_.confirm([](GraphDialogValues& values) {
        values.frameLeft = 45;   // halves go down
        values.frameTop = 1000;  // 1000 + 320 is below the paper's 1123
        values.tanni = "mm";
    });
    onFrame(form, 1, "PopMenuNormoRe");
    const NormoBp& graph = *form.sheet().graph(1);
    EXPECT_EQ(graph.frameLeft(), 40);
    EXPECT_EQ(graph.frameTop(), 1123 - 320);
    EXPECT_EQ(graph.tanni(), "mm");
    // Confirming again puts the pushed-back top on the grid, and from then on the frame stays.
    graphEditor_.confirm();
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(graph.frame(), (GraphFrame{40, 800, 260, 320}));
    graphEditor_.confirm();
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(graph.frame(), (GraphFrame{40, 800, 260, 320}));
    EXPECT_EQ(form.undoStack()->count(), 2) << "an OK that changes nothing is no step";
}

// Weibull paper draws no value of zero or below: choosing it for a graph that has one says so,
// naming the series and the value, and changes nothing; a graph without one takes it.
TEST_F(GraphActionsTest, WeibullPaperIsRefusedForAGraphWithValuesOfZeroOrBelow)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoData& series = sheet.graph(1)->data().add();
        series.setIniData({2, 0, 5});
        series.setComment("ロットA");
    });
    const std::string document = sheetFileBytes(form.sheet()).value();
    const auto toWeibull = [](GraphDialogValues& values) {
        values.analysis.paperKind = PaperKind::Weibull;
        values.logV = true;
        values.min = 1;
        values.max = 10;
    };
    graphEditor_.confirm(toWeibull);
    messages_.answer(MessageAnswer::Ok);
    onFrame(form, 1, "PopMenuNormoRe");
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text, "ワイブル確率紙には 0 以下の値を描けません: データ「ロットA」の値 0");
    EXPECT_EQ(sheetFileBytes(form.sheet()).value(), document);
    EXPECT_EQ(form.undoStack()->count(), 0);

    arrangeSheet(form, [](ChartSheet& sheet) { sheet.graph(1)->data().item(1).setIniData({2, 3, 5}); });
    graphEditor_.confirm(toWeibull);
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(form.sheet().graph(1)->analysis().paperKind, PaperKind::Weibull);
    EXPECT_EQ(form.undoStack()->count(), 1);
}

TEST_F(GraphActionsTest, DeletingRemovesTheGraphWithItsDetailLabelsAndUndoRestoresTheDocument)
{
    PicForm& form = openSheet({.graphs = 2});
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoBp& graph = *sheet.graph(1);
        for (int id = 1; id <= 3; ++id) {
            graph.data().add().setIniData({1, 2, 3});
            graph.data().item(id).setId(id);
            ChartLabel& label = sheet.addSLabel(ChartSheet::detailLabelIndex(1, id));
            label.caption = "詳細";
            label.visible = true;
        }
        sheet.addSLabel(ChartSheet::detailLabelIndex(2, 1)).visible = true;
    });
    const std::string before = bytes(form);

    messages_.answer(MessageAnswer::Cancel);
    onFrame(form, 1, "PopMenuNormoDel");
    EXPECT_NE(form.sheet().graph(1), nullptr);
    EXPECT_FALSE(form.moveFlag());

    messages_.answer(MessageAnswer::Ok);
    onFrame(form, 1, "PopMenuNormoDel");
    EXPECT_EQ(form.sheet().graph(1), nullptr);
    EXPECT_EQ(form.sekFrame(1), nullptr);
    EXPECT_EQ(form.sheet().sLabels().size(), 1U) << "graph 2's label stays";
    EXPECT_TRUE(form.moveFlag()) << "a deletion that is not saved must not be lost silently";
    EXPECT_EQ(messages_.asked().back().title, "グラフの削除");
    EXPECT_EQ(messages_.asked().back().text, "削除しますか?");
    EXPECT_EQ(messages_.asked().back().icon, MessageIcon::Exclamation);

    form.undoStack()->undo();
    EXPECT_EQ(bytes(form), before);
    EXPECT_NE(form.sekFrame(1), nullptr);
    form.undoStack()->redo();
    EXPECT_EQ(form.sheet().graph(1), nullptr);
}

}  // namespace
}  // namespace probel::test
