// SPDX-License-Identifier: MIT
#include "app/drop_actions.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUndoStack>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/mdi_output.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app_fixture.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/data.h"
#include "core/stats/normo_data.h"

namespace probel::test {
namespace {

class DropActionsTest : public AppTest {
protected:
    std::string writeText(const std::string& name, const std::string& text)
    {
        const std::string path = pathIn(name);
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }

    // Drops the files on `target` as a file manager would.
    static void drop(QWidget* target, const std::vector<std::string>& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths) {
            urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
        }
        data.setUrls(urls);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the widget: the application would deliver a drop only after a drag
        // entered through the window system.
        static_cast<QObject*>(target)->event(&event);
        EXPECT_TRUE(event.isAccepted());
    }

    PicForm* openSheet()
    {
        drop(window_.get(), {writeDocument("lot.pbl")});
        return window_->activeSheet();
    }

    static const Data* seriesOf(PicForm& form, std::int32_t number = 1)
    {
        return form.sheet().graph(number)->dataIfAny();
    }
};

TEST_F(DropActionsTest, ADocumentDroppedOnTheWindowOpensAsWithOpen)
{
    PicForm* form = openSheet();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->fName(), pathIn("lot.pbl"));
    EXPECT_TRUE(DropActions::isSheetDocument("/x/A.PbL"));
    EXPECT_FALSE(DropActions::isSheetDocument("/x/a.csv"));
}

TEST_F(DropActionsTest, ATableOnAGraphAddsEachNumericColumnAsOneUndoableStep)
{
    settings_.saveSetting("DataNewForm", "Mrk", "△");
    PicForm* form = openSheet();
    ASSERT_NE(form, nullptr);
    const int stepsBefore = form->undoStack()->count();
    const std::string table = writeText("lot.csv", "外径,内径\n10.1,5.2\n10.2,5.1\n9.9,\n");
    drop(form->sekFrame(1), {table});

    const Data* series = seriesOf(*form);
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2);
    EXPECT_EQ(series->item(1).comment(), "外径");
    EXPECT_EQ(series->item(1).iniValues(), (std::vector<double>{10.1, 10.2, 9.9}));
    EXPECT_EQ(series->item(2).comment(), "内径");
    EXPECT_EQ(series->item(2).dataCount(), 2);
    // Each series its own look, from a fixed cycle, whatever the dialog's defaults.
    EXPECT_EQ(series->item(1).mrk(), "○");
    EXPECT_EQ(series->item(2).mrk(), "△");
    EXPECT_EQ(series->item(1).color(), 0x000000);
    EXPECT_EQ(series->item(2).color(), 0x0000C0);
    EXPECT_EQ(series->item(2).id(), 2);
    EXPECT_EQ(form->undoStack()->count(), stepsBefore + 1);
    EXPECT_TRUE(form->moveFlag());

    form->undoStack()->undo();
    EXPECT_TRUE(seriesOf(*form) == nullptr || seriesOf(*form)->empty());
}

// A hundredth series would share its detail label's number with a series of another graph.
TEST_F(DropActionsTest, AGraphTakesAtMost99SeriesFromATableOrByHand)
{
    PicForm* form = openSheet();
    arrangeSheet(*form, [](ChartSheet& sheet) {
        for (std::int32_t id = 1; id <= 97; ++id) {
            NormoData& one = sheet.graph(1)->data().add();
            one.setIniData({1, 2});
            one.setId(id);
        }
    });
    const std::string table = writeText("three.csv", "a,b,c\n1,2,3\n4,5,6\n");
    messages_.answer(MessageAnswer::Ok);
    drop(form->sekFrame(1), {table});
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text,
              "ファイル \"three.csv\" の 3 列は、このグラフに入りません。"
              "一つのグラフに描ける系列は 99 個までで、あと 2 個です。");
    EXPECT_EQ(seriesOf(*form)->count(), 97);
    EXPECT_EQ(form->undoStack()->count(), 0);

    drop(form->sekFrame(1), {writeText("two.csv", "a,b\n1,2\n")});
    EXPECT_EQ(seriesOf(*form)->count(), 99);
    messages_.answer(MessageAnswer::Ok);
    nextMenuChoice_ = "PopMenuDataNew";
    rightPress(form->sekFrame(1), QPoint(20, 20));
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_EQ(messages_.asked()[1].text, "一つのグラフに描ける系列は 99 個までです。");
    EXPECT_EQ(seriesOf(*form)->count(), 99);
}

TEST_F(DropActionsTest, AColumnWithoutHeaderIsNamedAfterTheFile)
{
    PicForm* form = openSheet();
    drop(form->sekFrame(1), {writeText("raw values.txt", "1.5\n2.5\n3.5\n")});
    ASSERT_NE(seriesOf(*form), nullptr);
    ASSERT_EQ(seriesOf(*form)->count(), 1);
    EXPECT_EQ(seriesOf(*form)->item(1).comment(), "raw values.txt");
}

TEST_F(DropActionsTest, ATableWithoutNumbersIsRefusedAndChangesNothing)
{
    PicForm* form = openSheet();
    const int stepsBefore = form->undoStack()->count();
    messages_.answer(MessageAnswer::Ok);
    drop(form->sekFrame(1), {writeText("names.csv", "名前,備考\n")});
    messages_.answer(MessageAnswer::Ok);
    drop(form->sekFrame(1), {writeText("bad.csv", "a\n1\nx2\n")});
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_NE(messages_.asked()[0].text.find("数値の列がありません"), std::string::npos) << messages_.asked()[0].text;
    EXPECT_NE(messages_.asked()[1].text.find("bad.csv"), std::string::npos) << messages_.asked()[1].text;
    EXPECT_TRUE(seriesOf(*form) == nullptr || seriesOf(*form)->empty());
    EXPECT_EQ(form->undoStack()->count(), stepsBefore);
}

// A table holds no limits: the axis ends are none, so its series read neither Probel nor Cp
// (whatever the data dialog last had) until limits are entered.
TEST_F(DropActionsTest, SeriesFromATableHaveNoLimitsAndReadNeitherProbelNorCp)
{
    settings_.saveSetting("DataNewForm", "LabelCk", "1");
    settings_.saveSetting("DataNewForm", "HeikinCk", "1");
    settings_.saveSetting("DataNewForm", "ProbelCk", "1");
    settings_.saveSetting("DataNewForm", "CpCk", "1");
    PicForm* form = openSheet();
    drop(form->sekFrame(1), {writeText("lot.csv", "外径\n10.1\n10.2\n9.9\n")});
    ASSERT_NE(seriesOf(*form), nullptr);
    ASSERT_EQ(seriesOf(*form)->count(), 1);
    const NormoData& added = seriesOf(*form)->item(1);
    EXPECT_EQ(added.tag(), "11000") << "label and mean as the defaults say; no Probel, no Cp";
    const ChartLabel* label = form->sheet().sLabel(ChartSheet::detailLabelIndex(1, added.id()));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->caption.find("Cp"), std::string::npos) << label->caption;
    EXPECT_EQ(label->caption.find("%"), std::string::npos) << label->caption;
    // Made with equal limits at 0, as a series holds them before any are set; showing the
    // graph then raises the upper one by a thousandth of the axis' stored maximum, as it does
    // for every series with equal limits. Neither depends on where the axis ends.
    EXPECT_EQ(added.min(), 0);
    EXPECT_DOUBLE_EQ(added.max(), form->sheet().graph(1)->storedMax() / 1000);
    EXPECT_FALSE(added.limitsSet()) << "so no limit lines are drawn at those spread limits";
}

TEST_F(DropActionsTest, AGraphsFirstTableFitsAnAxisNobodyChoseInTheSameStep)
{
    PicForm* form = openSheet();
    const NormoBp& graph = *form->sheet().graph(1);
    ASSERT_EQ(graph.min(), 0);
    ASSERT_EQ(graph.max(), 100);
    drop(form->sekFrame(1), {writeText("lot.csv", "a,b\n9.87,10.1\n10.2,10.42\n")});
    // 9.87 … 10.42 in steps of 0.1: 7 divisions.
    EXPECT_DOUBLE_EQ(graph.min(), 9.8);
    EXPECT_DOUBLE_EQ(graph.max(), 10.5);
    EXPECT_EQ(graph.bunnkatu(), 7);
    EXPECT_EQ(form->undoStack()->count(), 1);
    form->undoStack()->undo();
    EXPECT_EQ(graph.min(), 0);
    EXPECT_EQ(graph.max(), 100);
    EXPECT_EQ(graph.bunnkatu(), 10);
    form->undoStack()->redo();
    EXPECT_DOUBLE_EQ(graph.min(), 9.8);

    // Once the graph has values its axis stays.
    drop(form->sekFrame(1), {writeText("more.csv", "c\n50\n")});
    EXPECT_DOUBLE_EQ(graph.max(), 10.5);
}

TEST_F(DropActionsTest, ATableDroppedAwayFromAGraphIsNotAdded)
{
    PicForm* form = openSheet();
    messages_.answer(MessageAnswer::Ok);
    drop(window_.get(), {writeText("lot.csv", "1\n2\n")});
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_TRUE(seriesOf(*form) == nullptr || seriesOf(*form)->empty());
}

}  // namespace
}  // namespace probel::test
