// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/arrow_text_box.h"
#include "dialogs/column_choice.h"
#include "dialogs/data_new_form.h"
#include "dialogs/data_select.h"
#include "dialogs/label_text.h"
#include "dialogs/p_size_form.h"
#include "dialogs/parsent_form.h"
#include "dialogs/sek_set_form.h"
#include "platform/desktop/clipboard.h"
#include "support/desktop/scripted_color_dialog.h"
#include "support/desktop/scripted_font_dialog.h"
#include "support/desktop/scripted_message_boxes.h"
#include "support/desktop/tab_order.h"

namespace probel {
namespace {

using test::expectTabInReadingOrder;

// The grid's clipboard buttons are not pressed here.
class NoClipboard : public Clipboard {
public:
    bool hasText() const override { return false; }
    std::string text() const override { return {}; }
    void setText(const std::string& /*text*/) override {}
    void setPicture(std::string /*png*/, std::function<std::string()> /*svg*/) override {}
};

// A graph with values and a band, so that every control of the settings dialog is enabled.
GraphDialogInput graphWithEverythingOn()
{
    GraphDialogInput input;
    input.graph.frame = {40, 60, 300, 250};
    input.graph.storedMin = 0;
    input.graph.storedMax = 10;
    input.graph.analysis.band = ConfidenceBand::Pointwise;
    input.canvasWidth = 794;
    input.canvasHeight = 1123;
    input.values = ValueSpan{1, 9};
    return input;
}

// A series whose details, percentage, Cp and limits are all shown, so that every control is on.
DataDialogInput seriesWithEverythingOn()
{
    DataDialogInput input;
    input.dataNumber = 1;
    input.values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    input.countText = "12";
    input.comment = "ロットA";
    input.mrk = "○";
    input.sizeText = "10";
    input.label = true;
    input.heikin = true;
    input.siguma = true;
    input.probel = true;
    input.cp = true;
    input.cpOption = kCpBothLimits;
    input.min = 0;
    input.max = 20;
    return input;
}

// Tab must not open anything on its way, so no answer is scripted.
class TabOrderTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(messages_.asked().empty()); }

    test::ScriptedFontDialog fonts_;
    test::ScriptedColorDialog colors_;
    test::ScriptedMessageBoxes messages_;
};

// Before, OK and キャンセル came between the analysis settings and the scale, and the scale came
// before the frame group to its left.
TEST_F(TabOrderTest, GraphSettingsGoFromTheFrameGroupToTheAnalysisAndEndWithOkAndCancel)
{
    SekSetForm form(fonts_, colors_, messages_);
    form.preset(graphWithEverythingOn());
    test::expectFocusOpensOnFirstControl(form);
    EXPECT_EQ(QApplication::focusWidget(), form.fLeft()) << "位置 X is read first";
    expectTabInReadingOrder(form, {form.okButton(), form.cancelButton()});
}

TEST_F(TabOrderTest, GraphSettingsOnWeibullPaperKeepTheOrder)
{
    SekSetForm form(fonts_, colors_, messages_);
    GraphDialogInput input = graphWithEverythingOn();
    input.graph.analysis.paperKind = PaperKind::Weibull;
    form.preset(input);
    expectTabInReadingOrder(form, {form.okButton(), form.cancelButton()});
}

TEST_F(TabOrderTest, DataEntryReadsTheLeftColumnThenTheValuesThenTheLimits)
{
    NoClipboard clipboard;
    DataNewForm form(fonts_, colors_, messages_, clipboard);
    form.preset(seriesWithEverythingOn());
    test::expectFocusOpensOnFirstControl(form);
    expectTabInReadingOrder(form, {form.okButton(), form.cancelButton()});
}

TEST_F(TabOrderTest, DataEntryForANewSeriesWithTheDetailsOff)
{
    NoClipboard clipboard;
    DataNewForm form(fonts_, colors_, messages_, clipboard);
    DataDialogInput input = seriesWithEverythingOn();
    input.label = false;
    input.probel = false;
    input.cp = false;
    input.countText = "3";
    form.preset(input);
    expectTabInReadingOrder(form, {form.okButton(), form.cancelButton()});
}

TEST_F(TabOrderTest, PercentageDialog)
{
    ParsentForm form(messages_);
    test::expectFocusOpensOnFirstControl(form);
    expectTabInReadingOrder(form, {form.command1(0), form.command1(1)});
}

TEST_F(TabOrderTest, TextLabelDialog)
{
    LabelText form(fonts_, colors_, messages_);
    test::expectFocusOpensOnFirstControl(form);
    expectTabInReadingOrder(form, {form.okButton(), form.command1()});
}

TEST_F(TabOrderTest, PaperSizeDialog)
{
    PSizeForm form;
    expectTabInReadingOrder(form, {form.command1()});
}

TEST_F(TabOrderTest, SeriesChooserOnceAnEntryIsChosen)
{
    DataSelect chooser("データの選択", {"ロットA", "ロットB", "ロットC"});
    chooser.dataList()->setCurrentRow(1);
    ASSERT_TRUE(chooser.okButton()->isEnabled());
    auto* buttons = chooser.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    std::vector<QWidget*> closing;
    for (QAbstractButton* button : buttons->buttons()) {
        closing.push_back(button);
    }
    std::sort(closing.begin(), closing.end(),
              [&chooser](QWidget* a, QWidget* b) { return test::readBefore(chooser, a, b); });
    expectTabInReadingOrder(chooser, closing);
}

TEST_F(TabOrderTest, ColumnChoice)
{
    std::vector<CsvColumn> columns(2);
    columns[0] = CsvColumn{"table.csv", 1, "外径", {10.0, 10.1}, {2, 3}};
    columns[1] = CsvColumn{"table.csv", 2, "内径", {5.0, 5.1}, {2, 3}};
    ColumnChoice choice(columns, true);
    test::expectFocusOpensOnFirstControl(choice);
    auto* buttons = choice.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    std::vector<QWidget*> closing = {buttons->button(QDialogButtonBox::Ok), buttons->button(QDialogButtonBox::Cancel)};
    std::sort(closing.begin(), closing.end(),
              [&choice](QWidget* a, QWidget* b) { return test::readBefore(choice, a, b); });
    expectTabInReadingOrder(choice, closing);
}

}  // namespace
}  // namespace probel
