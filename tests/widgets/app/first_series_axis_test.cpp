// SPDX-License-Identifier: MIT
// A graph's first series fits an axis nobody chose, in the same undoable step as the add.
#include <QUndoStack>

#include <gtest/gtest.h>

#include <vector>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app_fixture.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/data.h"

namespace probel::test {
namespace {

class FirstSeriesAxisTest : public AppTest {
protected:
    PicForm& openSheet()
    {
        window_->fileActions().openDocuments({writeDocument("lot.pbl")});
        return *window_->activeSheet();
    }

    // データの追加 confirmed with `values`.
    void addSeries(PicForm& form, std::vector<double> values)
    {
        dataEditor_.answer([values](const DataDialogInput& input) {
            DataDialogValues confirmed = unchangedDataValues(input);
            confirmed.values = values;
            return std::optional<DataDialogValues>(confirmed);
        });
        nextMenuChoice_ = "PopMenuDataNew";
        rightPress(form.sekFrame(1), QPoint(20, 20));
    }

    static const NormoBp& graphOf(const PicForm& form) { return *form.sheet().graph(1); }
};

TEST_F(FirstSeriesAxisTest, TheFirstSeriesFitsTheDefaultAxisAndUndoPutsBothBack)
{
    PicForm& form = openSheet();
    addSeries(form, {12, 38, 20});
    // Steps of 2 would need 13 divisions, steps of 5 need 6.
    EXPECT_EQ(graphOf(form).min(), 10);
    EXPECT_EQ(graphOf(form).max(), 40);
    EXPECT_EQ(graphOf(form).bunnkatu(), 6);
    EXPECT_EQ(form.undoStack()->count(), 1);
    EXPECT_EQ(form.undoStack()->undoText().toStdString(), "データの追加");

    form.undoStack()->undo();
    EXPECT_EQ(graphOf(form).min(), 0);
    EXPECT_EQ(graphOf(form).max(), 100);
    EXPECT_EQ(graphOf(form).bunnkatu(), 10);
    EXPECT_TRUE(graphOf(form).dataIfAny() == nullptr || graphOf(form).dataIfAny()->empty());
    form.undoStack()->redo();
    EXPECT_EQ(graphOf(form).max(), 40);

    // The second series leaves the axis as it is.
    addSeries(form, {100, 200});
    EXPECT_EQ(graphOf(form).max(), 40);
}

TEST_F(FirstSeriesAxisTest, AnAxisOtherThanTheDefaultOneStays)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) { sheet.graph(1)->setBunnkatu(5); });
    const GraphSettings before = graphSettings(graphOf(form));
    addSeries(form, {1, 2, 3});
    EXPECT_EQ(graphSettings(graphOf(form)), before);
}

// The graph settings dialog stores what OK confirmed as the next graph's defaults, so a graph
// whose axis the user typed always matches them: only the built-in axis counts as unchosen.
TEST_F(FirstSeriesAxisTest, AnAxisTheUserStoredAsTheDefaultIsAChoiceAndStays)
{
    settings_.saveSetting("SekSetForm", "Min", "11.97");
    settings_.saveSetting("SekSetForm", "Max", "12.03");
    settings_.saveSetting("SekSetForm", "Bunnkatu", "6");
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        sheet.graph(1)->setMin(11.97);
        sheet.graph(1)->setMax(12.03);
        sheet.graph(1)->setBunnkatu(6);
    });
    const GraphSettings before = graphSettings(graphOf(form));
    addSeries(form, {11.996, 12.0, 12.016});
    EXPECT_EQ(graphSettings(graphOf(form)), before);

    // A logarithmic axis is a choice too, whatever its ends.
    form.undoStack()->undo();
    arrangeSheet(form, [](ChartSheet& sheet) {
        sheet.graph(1)->setLogV(true);
        sheet.graph(1)->setMin(0);
        sheet.graph(1)->setMax(100);
        sheet.graph(1)->setBunnkatu(10);
    });
    const GraphSettings logarithmic = graphSettings(graphOf(form));
    addSeries(form, {0.5, 80});
    EXPECT_EQ(graphSettings(graphOf(form)), logarithmic);
}

}  // namespace
}  // namespace probel::test
