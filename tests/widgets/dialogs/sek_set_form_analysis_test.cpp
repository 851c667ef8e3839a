// SPDX-License-Identifier: MIT
// The graph settings dialog's analysis group and its 自動 button.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <string>
#include <vector>

#include "dialogs/analysis_group.h"
#include "dialogs/arrow_text_box.h"
#include "dialogs/sek_set_form.h"
#include "support/desktop/scripted_color_dialog.h"
#include "support/desktop/scripted_font_dialog.h"
#include "support/desktop/scripted_message_boxes.h"

namespace probel {
namespace {

GraphDialogInput graphInput(bool logarithmic = false)
{
    GraphDialogInput input;
    GraphSettings& graph = input.graph;
    graph.logV = logarithmic;
    graph.frame = {100, 40, 300, 250};
    graph.storedMin = logarithmic ? -1 : 0;
    graph.storedMax = logarithmic ? 3 : 100;
    graph.xJikuStep = 1;
    graph.bunnkatu = 20;
    input.canvasWidth = 794;
    input.canvasHeight = 1123;
    return input;
}

GraphAnalysis everythingOn()
{
    GraphAnalysis analysis;
    analysis.specLines = true;
    analysis.band = ConfidenceBand::Simultaneous;
    analysis.bandLevel = 99;
    analysis.percentiles = {1, 50, 99.5};
    analysis.legend = LegendCorner::BottomLeft;
    analysis.title = "ロットA\r\n外径";
    analysis.beyondAxisMarks = true;
    analysis.positions = PlottingPositions::Blom;
    return analysis;
}

class SekSetFormAnalysisTest : public ::testing::Test {
protected:
    SekSetFormAnalysisTest() : form(fonts, colors, messages) {}

    AnalysisGroup& group() { return *form.analysis(); }

    // OK on the form as it stands: the analysis it gives, or nothing when it stayed open.
    std::optional<GraphAnalysis> confirm()
    {
        form.okButton()->click();
        if (!form.outcome().accepted) {
            return std::nullopt;
        }
        return form.outcome().accepted->analysis;
    }

    test::ScriptedFontDialog fonts;
    test::ScriptedColorDialog colors;
    test::ScriptedMessageBoxes messages;
    SekSetForm form;
};

TEST_F(SekSetFormAnalysisTest, OpeningShowsTheGraphsAnalysisAndUntouchedOkGivesItBack)
{
    GraphDialogInput input = graphInput();
    input.graph.analysis = everythingOn();
    form.preset(input);
    EXPECT_TRUE(group().specLines()->isChecked());
    EXPECT_EQ(group().band()->currentText(), QStringLiteral("同時"));
    EXPECT_EQ(group().bandLevel()->currentText(), QStringLiteral("99 %"));
    EXPECT_TRUE(group().bandLevel()->isEnabled());
    EXPECT_EQ(group().percentiles()->text(), QStringLiteral("1, 50, 99.5"));
    EXPECT_EQ(group().legend()->currentText(), QStringLiteral("左下"));
    EXPECT_EQ(group().title()->toPlainText(), QStringLiteral("ロットA\n外径"));
    EXPECT_TRUE(group().beyondAxisMarks()->isChecked());
    EXPECT_EQ(group().positions()->currentText(), QStringLiteral("(i-3/8)/(n+1/4)"));
    EXPECT_EQ(confirm(), everythingOn());

    // The same form opened on a graph without analysis starts over.
    form.preset(graphInput());
    EXPECT_FALSE(group().bandLevel()->isEnabled()) << "no band, no level to choose";
    EXPECT_TRUE(group().title()->toPlainText().isEmpty());
    EXPECT_EQ(confirm(), GraphAnalysis{});
}

TEST_F(SekSetFormAnalysisTest, WeibullPaperTicksTheLogarithmicAxisAndKeepsItTicked)
{
    form.preset(graphInput());
    ASSERT_FALSE(form.logCheck()->isChecked());
    EXPECT_FALSE(group().weibullFit()->isEnabled()) << "a fit is only chosen for Weibull paper";
    group().paper()->setCurrentIndex(group().paper()->findText(QStringLiteral("ワイブル")));
    EXPECT_TRUE(form.logCheck()->isChecked());
    EXPECT_FALSE(form.logCheck()->isEnabled());
    group().weibullFit()->setCurrentIndex(group().weibullFit()->findText(QStringLiteral("回帰")));
    const auto analysis = confirm();
    ASSERT_TRUE(analysis);
    EXPECT_EQ(analysis->paperKind, PaperKind::Weibull);
    EXPECT_EQ(analysis->weibullFit, WeibullFitMethod::Regression);
    EXPECT_TRUE(form.outcome().accepted->logV);

    // Opened on Weibull paper the box stays ticked; back on normal paper it is free again.
    GraphDialogInput input = graphInput();
    input.graph.logV = true;
    input.graph.analysis.paperKind = PaperKind::Weibull;
    form.preset(input);
    EXPECT_FALSE(form.logCheck()->isEnabled());
    group().paper()->setCurrentIndex(group().paper()->findText(QStringLiteral("正規")));
    EXPECT_TRUE(form.logCheck()->isEnabled());
}

TEST_F(SekSetFormAnalysisTest, OkGivesEveryEditedControl)
{
    GraphDialogInput input = graphInput();
    input.graph.analysis = everythingOn();
    form.preset(input);
    group().specLines()->click();
    group().band()->setCurrentIndex(group().band()->findText(QStringLiteral("各点")));
    group().bandLevel()->setCurrentIndex(group().bandLevel()->findText(QStringLiteral("90 %")));
    // Any order, repeats, full-width commas and digits, a per cent sign and a trailing comma.
    group().percentiles()->setText(QStringLiteral(" 95, 5，５０%、95 ,"));
    group().legend()->setCurrentIndex(group().legend()->findText(QStringLiteral("右上")));
    group().title()->setPlainText(QStringLiteral("外径\n第2ロット"));
    group().beyondAxisMarks()->click();
    group().positions()->setCurrentIndex(group().positions()->findText(QStringLiteral("(i-0.5)/n")));

    GraphAnalysis expected;
    expected.band = ConfidenceBand::Pointwise;
    expected.bandLevel = 90;
    expected.percentiles = {5, 50, 95};
    expected.legend = LegendCorner::TopRight;
    expected.title = "外径\r\n第2ロット";
    expected.positions = PlottingPositions::Hazen;
    EXPECT_EQ(confirm(), expected);
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(SekSetFormAnalysisTest, EveryBandAndLegendEntryRoundTrips)
{
    const char* bands[] = {"なし", "各点", "同時"};
    const char* corners[] = {"なし", "左上", "右上", "左下", "右下"};
    ASSERT_EQ(group().band()->count(), 3);
    ASSERT_EQ(group().legend()->count(), 5);
    for (int i = 0; i < 3; ++i) {
        GraphDialogInput input = graphInput();
        input.graph.analysis.band = static_cast<ConfidenceBand>(i);
        form.preset(input);
        EXPECT_EQ(group().band()->currentText(), QString::fromUtf8(bands[i]));
        EXPECT_EQ(confirm()->band, static_cast<ConfidenceBand>(i));
    }
    for (int i = 0; i < 5; ++i) {
        GraphDialogInput input = graphInput();
        input.graph.analysis.legend = static_cast<LegendCorner>(i);
        form.preset(input);
        EXPECT_EQ(group().legend()->currentText(), QString::fromUtf8(corners[i]));
        EXPECT_EQ(confirm()->legend, static_cast<LegendCorner>(i));
    }
    // Chosen: the level list follows the band.
    group().band()->setCurrentIndex(1);
    EXPECT_TRUE(group().bandLevel()->isEnabled());
    group().band()->setCurrentIndex(0);
    EXPECT_FALSE(group().bandLevel()->isEnabled());
}

TEST_F(SekSetFormAnalysisTest, UntouchedPercentilesAndTitleKeepTheGraphsOwnValues)
{
    // More digits than the box shows, in the order the document had them, and a title with a
    // lone LF: each comes back exactly, so an untouched dialog is no change.
    GraphDialogInput input = graphInput();
    input.graph.analysis.percentiles = {90, 0.12345678901234567, 10};
    input.graph.analysis.title = "a\nb\r\n";
    input.graph.analysis.bandLevel = 95;
    form.preset(input);
    EXPECT_EQ(group().percentiles()->text(), QStringLiteral("90, 0.123456789012346, 10"));
    EXPECT_EQ(confirm(), input.graph.analysis);
}

TEST_F(SekSetFormAnalysisTest, ABadPercentageIsRefusedByNameAndTheDialogStaysAsTyped)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"},
        {"100", "100"},
        {"50, 101", "101"},
        {"abc", "abc"},
        {"5 10", "5 10"},  // blanks do not separate
        {"1,5,,1.2.3", "1.2.3"},
        {"99.99999999999999", "99.99999999999999"},  // saved with 15 digits it would be 100
    };
    for (const auto& [typed, named] : cases) {
        SCOPED_TRACE(typed);
        messages = test::ScriptedMessageBoxes{};
        messages.answer(MessageAnswer::Ok);
        form.preset(graphInput());
        form.stepText()->setText(QStringLiteral("0"));
        group().percentiles()->setText(QString::fromUtf8(typed));
        EXPECT_EQ(confirm(), std::nullopt);
        ASSERT_EQ(messages.asked().size(), 1U);
        EXPECT_EQ(messages.asked()[0].text, std::string("パーセント線の「") + named +
                                                "」は 0 より大きく 100 より小さい数ではありません。"
                                                "パーセントをカンマで区切って入力してください (例: 1, 50, 99)。");
        EXPECT_EQ(messages.asked()[0].title, "データエラー");
        EXPECT_EQ(messages.asked()[0].icon, MessageIcon::Stop);
        // Nothing is corrected: the boxes hold what was typed.
        EXPECT_EQ(group().percentiles()->text(), QString::fromUtf8(typed));
        EXPECT_EQ(form.stepText()->text(), QStringLiteral("0"));
    }
    // A list of nothing is no line.
    messages = test::ScriptedMessageBoxes{};
    form.preset(graphInput());
    group().percentiles()->setText(QStringLiteral(" , ，"));
    EXPECT_EQ(confirm(), GraphAnalysis{});
    EXPECT_TRUE(messages.asked().empty());
}

struct FittedCase {
    ValueSpan values;
    const char* min;
    const char* max;
    const char* divisions;
};

TEST_F(SekSetFormAnalysisTest, AutoFitsALinearAxisToTheValuesInRoundDivisions)
{
    form.preset(graphInput());
    EXPECT_FALSE(form.autoRange()->isEnabled()) << "a graph without values has nothing to fit";
    const FittedCase cases[] = {
        // Spread 0.55: steps of 0.05 would need 12 divisions, steps of 0.1 need 7.
        {{9.87, 10.42}, "9.8", "10.5", "7"},
        // Steps of 2 would need 13 divisions, steps of 5 need 6.
        {{12, 38}, "10", "40", "6"},
        // Steps of 0.5 would need 14 divisions, steps of 1 need 7.
        {{-3, 4}, "-3", "4", "7"},
        // Equal values get an axis around them.
        {{5, 5}, "2.5", "7.5", "10"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(std::string(item.min) + " … " + item.max);
        GraphDialogInput input = graphInput();
        input.values = item.values;
        form.preset(input);
        EXPECT_TRUE(form.autoRange()->isEnabled());
        form.autoRange()->click();
        EXPECT_EQ(form.minText()->text(), QString::fromLatin1(item.min));
        EXPECT_EQ(form.maxText()->text(), QString::fromLatin1(item.max));
        EXPECT_EQ(form.bunkatuText()->text(), QString::fromLatin1(item.divisions));
        EXPECT_EQ(form.stepLabel()->text(), QStringLiteral("1～") + QString::fromLatin1(item.divisions));
    }
    // OK takes the fitted boxes like typed ones.
    form.okButton()->click();
    ASSERT_TRUE(form.outcome().accepted.has_value());
    EXPECT_EQ(form.outcome().accepted->min, 2.5);
    EXPECT_EQ(form.outcome().accepted->max, 7.5);
    EXPECT_EQ(form.outcome().accepted->bunnkatu, 10);
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(SekSetFormAnalysisTest, AutoFitsALogarithmicAxisToWholeDecadesAndLeavesTheDivisions)
{
    const FittedCase cases[] = {
        {{0.5, 80}, "0.1", "100", "20"},
        {{2, 50}, "1", "100", "20"},
        {{5, 5}, "1", "10", "20"},
        {{1000, 1000}, "100", "1000", "20"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(std::string(item.min) + " … " + item.max);
        GraphDialogInput input = graphInput(true);
        input.values = item.values;
        form.preset(input);
        form.autoRange()->click();
        EXPECT_EQ(form.minText()->text(), QString::fromLatin1(item.min));
        EXPECT_EQ(form.maxText()->text(), QString::fromLatin1(item.max));
        EXPECT_EQ(form.bunkatuText()->text(), QString::fromLatin1(item.divisions));
    }
    // The axis kind is the one the check box shows at the click.
    GraphDialogInput input = graphInput();
    input.values = ValueSpan{2, 50};
    form.preset(input);
    form.logCheck()->click();
    form.autoRange()->click();
    EXPECT_EQ(form.minText()->text(), QStringLiteral("1"));
    EXPECT_EQ(form.maxText()->text(), QStringLiteral("100"));
    form.okButton()->click();
    ASSERT_TRUE(form.outcome().accepted.has_value());
    EXPECT_TRUE(form.outcome().accepted->logV);
    EXPECT_EQ(form.outcome().accepted->min, 1);
    EXPECT_EQ(form.outcome().accepted->max, 100);
}

TEST_F(SekSetFormAnalysisTest, AutoRefusesWhatNoAxisHoldsAndChangesNothing)
{
    struct Case {
        bool logarithmic;
        ValueSpan values;
        const char* message;
    };
    const Case cases[] = {
        {true, {0, 5}, "対数軸には 0 以下の値を描けません。対数で表示をやめるか、最小値と最大値を入力してください。"},
        // A spread no double step can divide.
        {false,
         {1.7976931348623145e308, 1.7976931348623147e308},
         "データの値から軸の範囲を決められません。最小値と最大値を入力してください。"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.values.low);
        messages = test::ScriptedMessageBoxes{};
        messages.answer(MessageAnswer::Ok);
        GraphDialogInput input = graphInput(item.logarithmic);
        input.values = item.values;
        form.preset(input);
        const QString min = form.minText()->text();
        const QString max = form.maxText()->text();
        form.autoRange()->click();
        ASSERT_EQ(messages.asked().size(), 1U);
        EXPECT_EQ(messages.asked()[0].text, item.message);
        EXPECT_EQ(messages.asked()[0].title, "自動");
        EXPECT_EQ(form.minText()->text(), min);
        EXPECT_EQ(form.maxText()->text(), max);
        EXPECT_EQ(form.bunkatuText()->text(), QStringLiteral("20"));
    }
}

}  // namespace
}  // namespace probel
