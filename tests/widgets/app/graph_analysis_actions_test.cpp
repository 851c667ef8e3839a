// SPDX-License-Identifier: MIT
// The analysis and the value span through the graph settings dialog's edit action.
#include <QUndoStack>

#include <gtest/gtest.h>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/data.h"

namespace probel::test {
namespace {

GraphAnalysis someAnalysis()
{
    GraphAnalysis analysis;
    analysis.specLines = true;
    analysis.band = ConfidenceBand::Pointwise;
    analysis.bandLevel = 90;
    analysis.percentiles = {10, 90};
    analysis.legend = LegendCorner::TopRight;
    analysis.title = "外径\r\nロットA";
    analysis.beyondAxisMarks = true;
    return analysis;
}

class GraphAnalysisActionsTest : public AppTest {
protected:
    PicForm& openSheet()
    {
        window_->fileActions().openDocuments({writeDocument("lot.pbl")});
        return *window_->activeSheet();
    }

    void onFrame(PicForm& form, std::int32_t number, const char* entry)
    {
        nextMenuChoice_ = entry;
        rightPress(form.sekFrame(number), QPoint(20, 20));
    }

    static const GraphAnalysis& analysisOf(const PicForm& form) { return form.sheet().graph(1)->analysis(); }
};

TEST_F(GraphAnalysisActionsTest, TheAnalysisAndTheOtherSettingsOfOneOkAreOneUndoStep)
{
    PicForm& form = openSheet();
    graphEditor_.confirm([](GraphDialogValues& values) {
        values.analysis = someAnalysis();
        values.tanni = "mm";
    });
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(graphEditor_.inputs().at(0).graph.analysis, GraphAnalysis{});
    EXPECT_EQ(analysisOf(form), someAnalysis());
    EXPECT_EQ(form.sheet().graph(1)->tanni(), "mm");
    EXPECT_EQ(form.undoStack()->count(), 1);
    EXPECT_EQ(form.undoStack()->undoText().toStdString(), "グラフの編集");
    EXPECT_TRUE(form.moveFlag());

    form.undoStack()->undo();
    EXPECT_EQ(analysisOf(form), GraphAnalysis{});
    EXPECT_EQ(form.sheet().graph(1)->tanni(), "");
    form.undoStack()->redo();
    EXPECT_EQ(analysisOf(form), someAnalysis());
    EXPECT_EQ(form.sheet().graph(1)->tanni(), "mm");

    // The dialog opens on the graph's analysis; OK as shown is no step.
    graphEditor_.confirm();
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(graphEditor_.inputs().at(1).graph.analysis, someAnalysis());
    EXPECT_EQ(form.undoStack()->count(), 1);
    // キャンセル keeps it.
    graphEditor_.cancel();
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(analysisOf(form), someAnalysis());
    EXPECT_EQ(form.undoStack()->count(), 1);
}

TEST_F(GraphAnalysisActionsTest, ANewGraphTakesTheAnalysisOfItsDialogButTheNextOneDoesNot)
{
    paperSizes_.answer(210297);
    PicForm& form = *window_->fileActions().npdNew();
    graphEditor_.confirm([](GraphDialogValues& values) { values.analysis = someAnalysis(); });
    nextMenuChoice_ = "PopMenuNormoNew";
    rightPress(form.mainPic(), QPoint(100, 100));
    ASSERT_NE(form.sheet().graph(1), nullptr);
    EXPECT_EQ(analysisOf(form), someAnalysis());
    EXPECT_FALSE(graphEditor_.inputs().at(0).values.has_value()) << "a new graph has no values to fit";
    form.undoStack()->undo();
    EXPECT_EQ(form.sheet().graph(1), nullptr);

    // A title and lines chosen for one graph are no defaults for the next.
    graphEditor_.confirm();
    nextMenuChoice_ = "PopMenuNormoNew";
    rightPress(form.mainPic(), QPoint(400, 100));
    EXPECT_EQ(graphEditor_.inputs().at(1).graph.analysis, GraphAnalysis{});
}

TEST_F(GraphAnalysisActionsTest, TheDialogGetsTheSpanOfTheValuesTheGraphDraws)
{
    PicForm& form = openSheet();
    graphEditor_.cancel();
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_FALSE(graphEditor_.inputs().at(0).values.has_value()) << "no series";

    arrangeSheet(form, [](ChartSheet& sheet) {
        Data& data = sheet.graph(1)->data();
        data.add().setIniData({3, 1, 2});
        data.add().setIniData({10, -4});
        NormoData& hidden = data.add();
        hidden.setIniData({100, -50});
        hidden.setVisible(false);
        data.add().setIniData({});
    });
    graphEditor_.cancel();
    onFrame(form, 1, "PopMenuNormoRe");
    EXPECT_EQ(graphEditor_.inputs().at(1).values, (ValueSpan{-4, 10})) << "hidden series are not drawn";
}

}  // namespace
}  // namespace probel::test
