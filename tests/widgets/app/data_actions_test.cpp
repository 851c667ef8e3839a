// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/data_defaults.h"
#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app_fixture.h"
#include "core/document/sheet_writer.h"
#include "platform/desktop/qt_settings_store.h"

namespace probel::test {
namespace {

class DataActionsTest : public AppTest {
protected:
    PicForm& openSheet()
    {
        window_->fileActions().openDocuments({writeDocument("lot.pbl", {.graphs = 2, .labelCaption = ""})});
        return *window_->activeSheet();
    }

    void onFrame(PicForm& form, std::int32_t number, const char* entry)
    {
        nextMenuChoice_ = entry;
        rightPress(form.sekFrame(number), QPoint(20, 20));
    }

    // OK with the values 1, 2, 3, 4, the dialog's presets otherwise, and `change` applied.
    void confirm(std::function<void(DataDialogValues&)> change = {})
    {
        dataEditor_.answer([change](const DataDialogInput& input) {
            DataDialogValues values = unchangedDataValues(input);
            if (input.adding) {
                values.values = {1, 2, 3, 4};
            }
            if (change) {
                change(values);
            }
            return std::optional<DataDialogValues>(values);
        });
    }

    static const Data& series(const PicForm& form, std::int32_t number)
    {
        static const Data none;
        const Data* data = form.sheet().graph(number)->dataIfAny();
        return data != nullptr ? *data : none;
    }
};

TEST_F(DataActionsTest, AddingTakesTheSmallestFreeIdAndBuildsTheDetailLabel)
{
    PicForm& form = openSheet();
    settings_.saveSetting("DataNewForm", "Mrk", "△");
    settings_.saveSetting("DataNewForm", "LabelCk", "1");
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoBp& graph = *sheet.graph(2);
        graph.setFrameLeft(100);
        graph.setFrameTop(300);
        graph.setFrameWidth(400);
        graph.setFrameHeight(500);
        for (const std::int32_t id : {1, 2, 4}) {
            NormoData& one = sheet.graph(2)->data().add();
            one.setIniData({1, 2});
            one.setId(id);
        }
    });
    confirm([](DataDialogValues& values) {
        values.heikin = true;
        values.cp = true;
        values.min = 0;
        values.max = 5;
    });
    onFrame(form, 2, "PopMenuDataNew");
    const DataDialogInput& shown = dataEditor_.inputs().at(0);
    EXPECT_EQ(shown.comment, "データ - 3");
    EXPECT_EQ(shown.dataNumber, 3);
    EXPECT_EQ(shown.mrk, "△");
    EXPECT_TRUE(shown.label);
    EXPECT_EQ(shown.countText, "10");
    EXPECT_EQ(shown.cpOption, kCpBothLimits) << "new series read Cp with both limits";
    EXPECT_EQ(shown.max, 100);

    const Data& data = series(form, 2);
    ASSERT_EQ(data.count(), 4);
    const NormoData& added = data.item(4);
    EXPECT_EQ(added.id(), 3);
    EXPECT_EQ(added.tag(), "11001");
    EXPECT_EQ(added.dataCount(), 4);
    const ChartLabel* label = form.sheet().sLabel(203);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(std::make_pair(label->left, label->top), std::make_pair(510.0F, 300.0F)) << "beside the frame";
    EXPECT_EQ(label->caption, "△:\r\nデータ - 3\r\n平均 : 2.5\r\n最小値:1\r\n最大値:4\r\nCp   : 0.75\r\n");
    EXPECT_NE(form.sLabel(203), nullptr);
    EXPECT_EQ(form.sLabel(203)->accessibleName().toStdString(), "詳細 203");
    EXPECT_EQ(settings_.getSetting("DataNewForm", "HeikinCk", ""), "1");
    EXPECT_TRUE(form.moveFlag());
    EXPECT_EQ(form.undoStack()->undoText().toStdString(), "データの追加");
}

// Undo keeps what an edit changed and nothing else: editing a comment keeps no copy of the
// values, editing the values keeps the old ones once (what the series derive from them is
// worked out again, not kept).
TEST_F(DataActionsTest, EditsKeepOnlyTheValuesTheyChange)
{
    constexpr std::size_t kValues = 30000;
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        for (std::int32_t id = 1; id <= 5; ++id) {
            NormoData& one = sheet.graph(2)->data().add();
            one.setIniData(std::vector<double>(kValues, id));
            one.setId(id);
        }
    });
    for (int edit = 0; edit < 20; ++edit) {
        seriesChooser_.answer(5);
        confirm([edit](DataDialogValues& values) { values.comment = "ロット " + std::to_string(edit); });
        onFrame(form, 2, "PopMenuDataRe");
    }
    ASSERT_EQ(form.undoStack()->count(), 20);
    EXPECT_EQ(form.boundedUndo().heldBytes(), 0U);

    for (int edit = 0; edit < 20; ++edit) {
        seriesChooser_.answer(5);
        confirm([edit](DataDialogValues& values) { values.values = std::vector<double>(kValues, 100.0 + edit); });
        onFrame(form, 2, "PopMenuDataRe");
    }
    EXPECT_EQ(form.boundedUndo().heldBytes(), 20 * kValues * sizeof(double)) << "the values each edit replaced";
    form.undoStack()->setIndex(0);
    EXPECT_EQ(series(form, 2).item(5).comment(), "");
    EXPECT_EQ(series(form, 2).item(5).iniValues(), std::vector<double>(kValues, 5.0));
}

TEST_F(DataActionsTest, CancelChangesNothing)
{
    PicForm& form = openSheet();
    dataEditor_.answer([](const DataDialogInput&) { return std::nullopt; });
    onFrame(form, 1, "PopMenuDataNew");
    EXPECT_FALSE(form.moveFlag()) << "no close question for a sheet nobody changed";
    EXPECT_TRUE(series(form, 1).empty());
    EXPECT_EQ(form.undoStack()->count(), 0);
}

TEST_F(DataActionsTest, EditingMovesTheSeriesToTheEndKeepingItsIdAndLabel)
{
    PicForm& form = openSheet();
    for (int i = 0; i < 3; ++i) {
        confirm([i](DataDialogValues& values) {
            values.label = true;
            values.comment = "ロット" + std::to_string(i + 1);
        });
        onFrame(form, 1, "PopMenuDataNew");
    }
    const ChartLabel& second = *form.sheet().sLabel(102);
    form.edit<MoveLabel>(LabelArray::Detail, 102, LabelPlace{second.left, second.top}, LabelPlace{333, second.top});
    seriesChooser_.answer(2);
    confirm([](DataDialogValues& values) { values.values = {7, 8}; });
    onFrame(form, 1, "PopMenuDataRe");
    EXPECT_EQ(seriesChooser_.shown().at(0).first, "データの選択");
    EXPECT_EQ(seriesChooser_.shown().at(0).second, (std::vector<std::string>{"ロット1", "ロット2", "ロット3"}));
    const DataDialogInput& shown = dataEditor_.inputs().back();
    EXPECT_FALSE(shown.adding);
    EXPECT_EQ(shown.values, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(shown.countText, "4");
    EXPECT_EQ(shown.dataNumber, 2);
    EXPECT_TRUE(shown.label);

    const Data& data = series(form, 1);
    ASSERT_EQ(data.count(), 3);
    EXPECT_EQ(data.item(2).comment(), "ロット3");
    EXPECT_EQ(data.item(3).comment(), "ロット2");
    EXPECT_EQ(data.item(3).id(), 2);
    EXPECT_EQ(data.item(3).sortData(), (std::vector<double>{7, 8}));
    EXPECT_EQ(form.sheet().sLabel(102)->left, 333) << "the label stays where it was";
}

TEST_F(DataActionsTest, DeletingAsksRemovesTheLabelMarksTheSheetAndUndoRestoresTheDocument)
{
    PicForm& form = openSheet();
    for (int i = 0; i < 2; ++i) {
        confirm([](DataDialogValues& values) { values.label = true; });
        onFrame(form, 1, "PopMenuDataNew");
    }
    const std::string before = sheetFileBytes(form.sheet()).value();
    form.markSaved();
    seriesChooser_.answer(std::nullopt);
    onFrame(form, 1, "PopMenuDataDel");
    seriesChooser_.answer(1);
    messages_.answer(MessageAnswer::Cancel);
    onFrame(form, 1, "PopMenuDataDel");
    EXPECT_EQ(series(form, 1).count(), 2);
    EXPECT_FALSE(form.moveFlag());

    seriesChooser_.answer(1);
    messages_.answer(MessageAnswer::Ok);
    onFrame(form, 1, "PopMenuDataDel");
    EXPECT_EQ(seriesChooser_.shown().back().first, "データの削除");
    EXPECT_EQ(messages_.asked().back().title, "データの削除");
    ASSERT_EQ(series(form, 1).count(), 1);
    EXPECT_EQ(series(form, 1).item(1).id(), 2);
    EXPECT_EQ(form.sheet().sLabel(101), nullptr);
    EXPECT_NE(form.sheet().sLabel(102), nullptr);
    EXPECT_TRUE(form.moveFlag()) << "a deletion that is not saved must not be lost silently";

    form.undoStack()->undo();
    EXPECT_EQ(sheetFileBytes(form.sheet()).value(), before);
}

TEST_F(DataActionsTest, UndoOfAddAndEditRestoresTheDocumentAndRedoTheEdit)
{
    PicForm& form = openSheet();
    const std::string empty = sheetFileBytes(form.sheet()).value();
    confirm([](DataDialogValues& values) { values.label = true; });
    onFrame(form, 1, "PopMenuDataNew");
    const std::string added = sheetFileBytes(form.sheet()).value();
    seriesChooser_.answer(1);
    confirm([](DataDialogValues& values) {
        values.values = {10, 20};
        values.siguma = true;
    });
    onFrame(form, 1, "PopMenuDataRe");
    const std::string edited = sheetFileBytes(form.sheet()).value();
    ASSERT_NE(edited, added);

    form.undoStack()->undo();
    EXPECT_EQ(sheetFileBytes(form.sheet()).value(), added);
    form.undoStack()->undo();
    EXPECT_EQ(sheetFileBytes(form.sheet()).value(), empty);
    EXPECT_EQ(form.sLabel(101), nullptr);
    form.undoStack()->redo();
    form.undoStack()->redo();
    EXPECT_EQ(sheetFileBytes(form.sheet()).value(), edited);
}

TEST_F(DataActionsTest, EditingTurnsCapabilityLinesOnInTheLabelInOneUndoableStep)
{
    PicForm& form = openSheet();
    confirm([](DataDialogValues& values) {
        values.label = true;
        values.comment = "ロット";
        values.min = 0;
        values.max = 5;
    });
    onFrame(form, 1, "PopMenuDataNew");
    const std::string added = sheetFileBytes(form.sheet()).value();
    const std::string plainCaption = form.sheet().sLabel(101)->caption;
    const int steps = form.undoStack()->count();

    seriesChooser_.answer(1);
    confirm([](DataDialogValues& values) {
        values.capabilityLines.cpk = true;
        values.capabilityLines.normality = true;
    });
    onFrame(form, 1, "PopMenuDataRe");
    EXPECT_EQ(dataEditor_.inputs().back().capabilityLines, CapabilityLines{}) << "the series had none";
    const CapabilityLines chosen{.cpk = true, .normality = true};
    EXPECT_EQ(series(form, 1).item(1).capabilityLines(), chosen);
    const std::string caption = form.sheet().sLabel(101)->caption;
    ASSERT_EQ(caption.rfind(plainCaption, 0), 0U) << "the earlier lines come first: " << caption;
    const std::string after = caption.substr(plainCaption.size());
    // Mean 2.5 between the limits 0 and 5, σ √1.25.
    EXPECT_EQ(after.rfind("Cpk  : 0.75\r\nA²   : ", 0), 0U) << after;
    EXPECT_NE(after.find("(p="), std::string::npos) << after;
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n'), 2) << after;
    EXPECT_EQ(form.undoStack()->count(), steps + 1);
    EXPECT_EQ(form.undoStack()->undoText().toStdString(), "データの編集");

    // The dialog opens with the lines the series has; confirming it unchanged is no step.
    seriesChooser_.answer(1);
    confirm();
    onFrame(form, 1, "PopMenuDataRe");
    EXPECT_EQ(dataEditor_.inputs().back().capabilityLines, chosen);
    EXPECT_EQ(form.undoStack()->count(), steps + 1);

    form.undoStack()->undo();
    EXPECT_EQ(form.sheet().sLabel(101)->caption, plainCaption);
    EXPECT_EQ(series(form, 1).item(1).capabilityLines(), CapabilityLines{});
    EXPECT_EQ(sheetFileBytes(form.sheet()).value(), added);
    form.undoStack()->redo();
    EXPECT_EQ(form.sheet().sLabel(101)->caption, caption);
}

// A series made from a table has no limits, though drawing spread its equal ones apart: an
// edit that leaves the limit boxes as they were keeps it so; entering limits gives it them.
TEST_F(DataActionsTest, AnEditKeepsTheLimitsStateAndTheDivisorUnlessTheDialogChangesThem)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoData& one = sheet.graph(1)->data().add();
        one.setIniData({1, 2, 3});
        one.setId(1);
        one.setMin(0);
        one.setMax(0.1);
        one.setLimitsSet(false);
    });
    seriesChooser_.answer(1);
    confirm([](DataDialogValues& values) { values.comment = "ロット A"; });
    onFrame(form, 1, "PopMenuDataRe");
    ASSERT_EQ(series(form, 1).item(1).comment(), "ロット A");
    EXPECT_FALSE(series(form, 1).item(1).limitsSet());

    seriesChooser_.answer(1);
    confirm([](DataDialogValues& values) {
        values.max = 5;
        values.sigmaDivisor = SigmaDivisor::CountLessOne;
    });
    onFrame(form, 1, "PopMenuDataRe");
    EXPECT_TRUE(series(form, 1).item(1).limitsSet());
    EXPECT_EQ(series(form, 1).item(1).sigmaDivisor(), SigmaDivisor::CountLessOne);
    EXPECT_DOUBLE_EQ(series(form, 1).item(1).siguma(), 1) << "s of 1, 2, 3";
    // The dialog opens with the series' divisor.
    seriesChooser_.answer(1);
    confirm();
    onFrame(form, 1, "PopMenuDataRe");
    EXPECT_EQ(dataEditor_.inputs().back().sigmaDivisor, SigmaDivisor::CountLessOne);
    form.undoStack()->undo();
    EXPECT_FALSE(series(form, 1).item(1).limitsSet());
    EXPECT_EQ(series(form, 1).item(1).sigmaDivisor(), SigmaDivisor::Count);
}

// A series for a graph on Weibull paper may hold no value of zero or below; one on it gets the
// fit's lines in its detail label.
TEST_F(DataActionsTest, WeibullPaperTakesOnlyPositiveValuesAndLabelsTheFit)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) {
        NormoBp& graph = *sheet.graph(1);
        graph.setLogV(true);
        GraphAnalysis analysis;
        analysis.paperKind = PaperKind::Weibull;
        graph.setAnalysis(analysis);
    });
    const std::string document = sheetFileBytes(form.sheet()).value();
    confirm([](DataDialogValues& values) {
        values.values = {3, -1, 4};
        values.comment = "ロットB";
    });
    messages_.answer(MessageAnswer::Ok);
    onFrame(form, 1, "PopMenuDataNew");
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text, "ワイブル確率紙には 0 以下の値を描けません: データ「ロットB」の値 -1");
    EXPECT_EQ(sheetFileBytes(form.sheet()).value(), document);

    confirm([](DataDialogValues& values) {
        values.values = {3, 5, 4, 8, 6};
        values.label = true;
    });
    onFrame(form, 1, "PopMenuDataNew");
    const ChartLabel* label = form.sheet().sLabel(101);
    ASSERT_NE(label, nullptr);
    EXPECT_NE(label->caption.find("\r\nβ    : "), std::string::npos) << label->caption;
    EXPECT_NE(label->caption.find("\r\nB10  : "), std::string::npos) << label->caption;
}

TEST_F(DataActionsTest, TheDialogsChoicesAreTheNextSeriesDefaultsInTheIniFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString ini = folder.filePath(QStringLiteral("Probel.ini"));
    DataDialogValues values;
    values.mrk = "□";
    values.mrkSizeSetting = 12.5;
    values.color = 255;
    values.drawStyle = 3;
    values.lineVisible = false;
    values.label = true;
    values.siguma = true;
    values.heikinFormat = "0.000";
    values.sigmaDivisor = SigmaDivisor::CountLessOne;
    {
        QtSettingsStore settings(ini);
        storeDataDefaults(values, settings);
    }
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    for (const char* line : {"[DataNewForm]", "MrkSize=12.5", "Color=255", "DrawStyle=3", "LineCk=0", "LabelCk=1",
                             "SigumaCk=1", "HeikinCk=0", "HeikinFormat=0.000", "SigmaDivisor=n-1"}) {
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
    }
    DataDialogInput read;
    readDataDefaults(read, QtSettingsStore(ini));
    EXPECT_EQ(read.mrk, "□");
    EXPECT_EQ(read.sizeText, "12") << "sizes are read as whole numbers, halves to even";
    EXPECT_EQ(read.drawStyle, 3);
    EXPECT_FALSE(read.lineVisible);
    EXPECT_TRUE(read.label);
    EXPECT_TRUE(read.siguma);
    EXPECT_FALSE(read.heikin);
    EXPECT_EQ(read.heikinFormat, "0.000");
    EXPECT_EQ(read.sigmaDivisor, SigmaDivisor::CountLessOne);
    EXPECT_EQ(read.color, 0) << "a new series starts black";
}

TEST_F(DataActionsTest, TheGraphMenuOffersEditAndDeleteOnlyWithSeries)
{
    PicForm& form = openSheet();
    confirm();
    onFrame(form, 1, "PopMenuDataNew");
    onFrame(form, 2, "");
    onFrame(form, 1, "");
    using Entries = std::vector<std::string>;
    EXPECT_EQ(shownMenus_.at(1),
              (Entries{"SekMenu", "データの追加(&A)", "表から貼り付け(&T)", "-", "グラフの編集(&G)", "グラフの削除(&R)",
                       "-", "グラフをコピー(&P)", "統計量をコピー(&S)", "-", "ｷｬﾝｾﾙ(&C)"}));
    EXPECT_EQ(shownMenus_.at(2), (Entries{"SekMenu", "データの追加(&A)", "データの編集(&E)", "データの削除(&D)",
                                          "表から貼り付け(&T)", "-", "グラフの編集(&G)", "グラフの削除(&R)", "-",
                                          "グラフをコピー(&P)", "統計量をコピー(&S)", "-", "ｷｬﾝｾﾙ(&C)"}));
}

}  // namespace
}  // namespace probel::test
