// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/analysis_group.h"
#include "dialogs/arrow_text_box.h"
#include "dialogs/line_preview.h"
#include "dialogs/line_style_box.h"
#include "dialogs/qt_graph_settings_editor.h"
#include "dialogs/sek_set_form.h"
#include "platform/canvas/bgr_color.h"
#include "support/desktop/dialog_layout.h"
#include "support/desktop/modal_driver.h"
#include "support/desktop/scripted_color_dialog.h"
#include "support/desktop/scripted_font_dialog.h"
#include "support/desktop/scripted_message_boxes.h"

namespace probel {
namespace {

using test::whenModal;

// An A4 sheet's canvas at 96 pixels per inch.
constexpr std::int32_t kCanvasWidth = 794;
constexpr std::int32_t kCanvasHeight = 1123;

GraphDialogInput linearGraph()
{
    GraphDialogInput input;
    GraphSettings& graph = input.graph;
    graph.logV = false;
    graph.frameDrawStyle = kPenDashDot;
    graph.lineDrawStyle = kPenDot;
    graph.frame = {120, 40, 300, 250};
    graph.frameColor = 0x000000FF;
    graph.lineColor = 0x00808080;
    graph.storedMin = -2.5;
    graph.storedMax = 97.25;
    graph.tanni = "μm";
    graph.xJikuStep = 5;
    graph.memoriCheck = true;
    graph.xJikuCheck = false;
    graph.bunnkatu = 20;
    graph.font = CanvasFont{"IPAGothic", 11, false, true, false, false};
    input.canvasWidth = kCanvasWidth;
    input.canvasHeight = kCanvasHeight;
    return input;
}

GraphDialogInput logGraph()
{
    GraphDialogInput input = linearGraph();
    input.graph.logV = true;
    input.graph.storedMin = -4;
    input.graph.storedMax = 3;
    return input;
}

// What OK gives for linearGraph() when nothing is touched.
GraphDialogValues untouchedLinearValues()
{
    GraphDialogValues values;
    values.logV = false;
    values.frameDrawStyle = kPenDashDot;
    values.lineDrawStyle = kPenDot;
    values.frameLeft = 120;
    values.frameTop = 40;
    values.frameWidth = 300;
    values.frameHeight = 250;
    values.frameColor = 0x000000FF;
    values.lineColor = 0x00808080;
    values.min = -2.5;
    values.max = 97.25;
    values.tanni = "μm";
    values.xJikuStep = 5;
    values.memoriCheck = true;
    values.xJikuCheck = false;
    values.bunnkatu = 20;
    return values;
}

std::string textOf(const QString& text)
{
    return text.toStdString();
}

class SekSetFormTest : public ::testing::Test {
protected:
    SekSetFormTest() : form(fonts, colors, messages) {}

    // Shows a fresh dialog modally on `input`, lets `act` work it, and gives how it ended.
    GraphDialogOutcome ask(const GraphDialogInput& input, std::function<void(SekSetForm*)> act)
    {
        whenModal<SekSetForm>(std::move(act));
        return SekSetForm::ask(input, fonts, colors, messages, nullptr);
    }

    void expectInvalidDataShown(std::size_t times)
    {
        ASSERT_EQ(messages.asked().size(), times);
        for (const auto& message : messages.asked()) {
            EXPECT_EQ(message.text, "データが不正です。");
            EXPECT_EQ(message.title, "データエラー");
            EXPECT_EQ(message.buttons, MessageButtons::Ok);
            EXPECT_EQ(message.icon, MessageIcon::Stop);
        }
    }

    test::ScriptedFontDialog fonts;
    test::ScriptedColorDialog colors;
    test::ScriptedMessageBoxes messages;
    SekSetForm form;
};

TEST_F(SekSetFormTest, EveryControlHasItsNameCaptionTooltipAndAccessibleName)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Normo分布の設定"));
    struct Control {
        QWidget* widget;
        const char* objectName;
        const char* accessibleName;
        const char* toolTip;
    };
    const Control controls[] = {
        {form.fLeft(), "FLeft", "位置 X", "フレームの左上の位置を設定します"},
        {form.fTop(), "FTop", "位置 Y", "フレームの左上の位置を設定します"},
        {form.fWidth(), "FWidth", "幅", "フレームの幅を設定します"},
        {form.fHeight(), "FHeight", "高さ", "フレームの高さを設定します"},
        {form.fLinePic(), "FLinePic", "フレームの色", "色の設定をします"},
        {form.fLineCb(), "FLineCb", "フレームの形状", "形状を設定します"},
        {form.minText(), "MinText", "最小値", "X軸の最小値"},
        {form.maxText(), "MaxText", "最大値", "X軸の最大値"},
        {form.parsent(), "Parsent", "中心", ""},
        {form.autoRange(), "AutoRange", "自動", "最小値・最大値と分割数をデータに合わせます"},
        {form.tanni(), "Tanni", "単位", ""},
        {form.xJikuCk(), "XJikuCK", "X軸の表示", ""},
        {form.memori(), "Memori", "Y軸の表示", ""},
        {form.fontButton(), "FontButton", "Font", ""},
        {form.stepText(), "StepText", "表示ステップ間隔", ""},
        {form.logCheck(), "LogCheck", "対数で表示", "X軸を対数で表示"},
        {form.bunkatuText(), "BunkatuText", "分割数", "X軸の分割数を設定"},
        {form.bLinePic(), "BLinePic", "分割ラインの色", "色の設定をします"},
        {form.bLineCb(), "BLineCb", "分割ラインの形状", "形状を設定します"},
        {form.analysis()->specLines(), "SpecLines", "規格線", "各データの規格の下限・上限に縦線を引きます"},
        {form.analysis()->band(), "Band", "信頼帯", "各点: 確率ごとの信頼区間、同時: 直線全体の信頼帯"},
        {form.analysis()->bandLevel(), "BandLevel", "信頼水準", ""},
        {form.analysis()->percentiles(), "Percentiles", "パーセント線",
         "累積確率 (%) をカンマで区切って入力します (例: 1, 50, 99)"},
        {form.analysis()->legend(), "Legend", "凡例", ""},
        {form.analysis()->title(), "GraphTitle", "グラフの見出し", "フレームの上に書く見出し。改行で行を分けます"},
        {form.analysis()->beyondAxisMarks(), "BeyondAxisMarks", "範囲外の点の数",
         "X軸の範囲の外にある値の数をフレームの端に表示します"},
        {form.okButton(), "Command1_0", "OK", ""},
        {form.cancelButton(), "Command1_1", "キャンセル", ""},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.objectName);
        EXPECT_EQ(form.findChild<QWidget*>(QString::fromLatin1(control.objectName)), control.widget);
        EXPECT_EQ(textOf(control.widget->accessibleName()), control.accessibleName);
        EXPECT_EQ(textOf(control.widget->toolTip()), control.toolTip);
        EXPECT_NE(control.widget->focusPolicy() & Qt::TabFocus, 0);
    }
    // Every control a person operates is among those above, so none is left unnamed.
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        // Drop-down lists and boxes with arrows carry the name; their parts and popups do not.
        if (widget->focusPolicy() != Qt::NoFocus && widget->window() == &form &&
            qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) == nullptr &&
            qobject_cast<QComboBox*>(widget->parentWidget()) == nullptr) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
        }
    }
    EXPECT_EQ(form.xJikuCk()->text(), QStringLiteral("X軸の表示"));
    EXPECT_EQ(form.memori()->text(), QStringLiteral("Y軸の表示"));
    EXPECT_EQ(form.logCheck()->text(), QStringLiteral("対数で表示"));
    EXPECT_EQ(form.fontButton()->text(), QStringLiteral("Font"));
    EXPECT_EQ(form.okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.cancelButton()->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(form.okButton()->isDefault());

    QStringList groups;
    for (const QGroupBox* group : form.findChildren<QGroupBox*>()) {
        groups << group->title();
    }
    groups.sort();
    EXPECT_EQ(groups, (QStringList{QStringLiteral("フレーム設定"), QStringLiteral("分割ラインの設定"),
                                   QStringLiteral("分割数"), QStringLiteral("目盛"), QStringLiteral("解析")}));
    QStringList labels;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* caption :
         {"位置", "X : ", "Y : ", "大きさ", "幅 : ", "高さ :", "色・形状", "最小値 :", "最大値 :", "中心    :", "単位",
          "表示ステップ間隔", "信頼帯 :", "信頼水準 :", "パーセント線 :", "凡例 :", "見出し :"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
    }
}

TEST_F(SekSetFormTest, OpeningFillsEveryControlFromALinearGraph)
{
    form.preset(linearGraph());
    EXPECT_EQ(form.fLeft()->text(), QStringLiteral("120"));
    EXPECT_EQ(form.fTop()->text(), QStringLiteral("40"));
    EXPECT_EQ(form.fWidth()->text(), QStringLiteral("300"));
    EXPECT_EQ(form.fHeight()->text(), QStringLiteral("250"));
    EXPECT_EQ(form.fLineCb()->currentText(), QStringLiteral("一点鎖線"));
    EXPECT_EQ(form.fLinePic()->penStyle(), kPenDashDot);
    EXPECT_EQ(form.fLinePic()->color(), 0x000000FF);
    EXPECT_EQ(form.bLineCb()->currentText(), QStringLiteral("点線"));
    EXPECT_EQ(form.bLinePic()->penStyle(), kPenDot);
    EXPECT_EQ(form.bLinePic()->color(), 0x00808080);
    EXPECT_EQ(form.minText()->text(), QStringLiteral("-2.5"));
    EXPECT_EQ(form.maxText()->text(), QStringLiteral("97.25"));
    EXPECT_EQ(form.tanni()->text(), QStringLiteral("μm"));
    EXPECT_TRUE(form.memori()->isChecked());
    EXPECT_FALSE(form.xJikuCk()->isChecked());
    EXPECT_EQ(form.stepText()->text(), QStringLiteral("5"));
    EXPECT_EQ(form.bunkatuText()->text(), QStringLiteral("20"));
    EXPECT_EQ(form.stepLabel()->text(), QStringLiteral("1～20"));
    EXPECT_FALSE(form.logCheck()->isChecked());
    EXPECT_TRUE(form.bunkatuText()->isEnabled());
    EXPECT_EQ(form.outcome().font, std::nullopt);
    EXPECT_EQ(form.outcome().accepted, std::nullopt);
}

TEST_F(SekSetFormTest, OpeningALogarithmicAxisShowsAxisUnitsAndDisablesTheDivisions)
{
    form.preset(logGraph());
    EXPECT_EQ(form.minText()->text(), QStringLiteral("0.0001"));
    EXPECT_EQ(form.maxText()->text(), QStringLiteral("1000"));
    EXPECT_TRUE(form.logCheck()->isChecked());
    EXPECT_FALSE(form.bunkatuText()->isEnabled());

    // The same form opened again on a linear graph starts over.
    form.preset(linearGraph());
    EXPECT_FALSE(form.logCheck()->isChecked());
    EXPECT_TRUE(form.bunkatuText()->isEnabled());
    EXPECT_EQ(form.minText()->text(), QStringLiteral("-2.5"));
}

TEST_F(SekSetFormTest, StepLabelFollowsTheDivisionsAndLogCheckTogglesThem)
{
    form.preset(linearGraph());
    form.bunkatuText()->clear();
    EXPECT_EQ(form.stepLabel()->text(), QStringLiteral("1～"));
    QTest::keyClicks(form.bunkatuText(), QStringLiteral("1x"));
    EXPECT_EQ(form.stepLabel()->text(), QStringLiteral("1～1x"));

    QTest::mouseClick(form.logCheck(), Qt::LeftButton);
    EXPECT_TRUE(form.logCheck()->isChecked());
    EXPECT_FALSE(form.bunkatuText()->isEnabled());
    QTest::mouseClick(form.logCheck(), Qt::LeftButton);
    EXPECT_TRUE(form.bunkatuText()->isEnabled());
}

TEST_F(SekSetFormTest, ArrowsStepByTenWithinRangesFixedAtOpening)
{
    GraphDialogInput input = linearGraph();
    input.graph.frame = {594, 100, 200, 300};
    form.preset(input);
    EXPECT_EQ(form.fLeft()->maximum(), 594);
    EXPECT_EQ(form.fTop()->maximum(), 823);
    EXPECT_EQ(form.fWidth()->maximum(), 200);
    EXPECT_EQ(form.fHeight()->maximum(), 1023);
    EXPECT_EQ(ArrowTextBox::kStep, 10);

    // At the top already: up stays, down goes 10 back.
    form.fLeft()->stepUp();
    EXPECT_EQ(form.fLeft()->text(), QStringLiteral("594"));
    QTest::keyClick(form.fLeft(), Qt::Key_Down);
    EXPECT_EQ(form.fLeft()->text(), QStringLiteral("584"));

    // The arrows step from what was typed, clamped to their range.
    form.fTop()->setText(QStringLiteral("5"));
    form.fTop()->stepDown();
    EXPECT_EQ(form.fTop()->text(), QStringLiteral("0"));
    form.fTop()->stepDown();
    EXPECT_EQ(form.fTop()->text(), QStringLiteral("0"));
    form.fTop()->setText(QStringLiteral("815"));
    form.fTop()->stepUp();
    EXPECT_EQ(form.fTop()->text(), QStringLiteral("823"));
    // A text that is no number is stepped from where the arrows were.
    form.fTop()->setText(QStringLiteral("abc"));
    form.fTop()->stepDown();
    EXPECT_EQ(form.fTop()->text(), QStringLiteral("813"));

    // Edits do not move the other ranges.
    form.fWidth()->setText(QStringLiteral("50"));
    form.fLeft()->setText(QStringLiteral("0"));
    EXPECT_EQ(form.fLeft()->maximum(), 594);
    EXPECT_EQ(form.fWidth()->maximum(), 200);
}

TEST_F(SekSetFormTest, TypedTextIsNotLimitedByTheArrows)
{
    form.preset(linearGraph());
    // Typed as a user does, then the focus leaves the box: nothing is corrected or clamped.
    const auto type = [](ArrowTextBox* box, const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    };
    type(form.fLeft(), QStringLiteral("1200"));
    type(form.fWidth(), QStringLiteral("abc"));
    EXPECT_EQ(form.fLeft()->text(), QStringLiteral("1200"));
    EXPECT_EQ(form.fWidth()->text(), QStringLiteral("abc"));

    type(form.fWidth(), QStringLiteral("900"));
    form.okButton()->click();
    ASSERT_TRUE(form.outcome().accepted.has_value());
    EXPECT_EQ(form.outcome().accepted->frameLeft, 1200);
    EXPECT_EQ(form.outcome().accepted->frameWidth, 900);
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(SekSetFormTest, LinePreviewsPickColoursStartingFromTheCurrentOne)
{
    colors.answer(0x0000FF00);
    colors.answer(std::nullopt);
    colors.answer(0x00FF0000);
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) {
        QTest::mouseClick(form->fLinePic(), Qt::LeftButton);
        // Cancelled: the colour picked first stays.
        QTest::mouseClick(form->fLinePic(), Qt::LeftButton);
        EXPECT_EQ(form->fLinePic()->color(), 0x0000FF00);
        // From the keyboard too; Enter picks a colour rather than confirming the dialog.
        form->bLinePic()->setFocus();
        QTest::keyClick(form->bLinePic(), Qt::Key_Return);
        EXPECT_TRUE(form->isVisible());
        // A press released outside the preview is no click.
        QTest::mousePress(form->bLinePic(), Qt::LeftButton);
        QTest::mouseRelease(form->bLinePic(), Qt::LeftButton, {}, QPoint(-5, -5));
        form->okButton()->click();
    });
    EXPECT_EQ(colors.openedWith(), (std::vector<std::int32_t>{0x000000FF, 0x0000FF00, 0x00808080}));
    ASSERT_TRUE(outcome.accepted.has_value());
    EXPECT_EQ(outcome.accepted->frameColor, 0x0000FF00);
    EXPECT_EQ(outcome.accepted->lineColor, 0x00FF0000);
}

TEST_F(SekSetFormTest, PreviewDrawsOneMiddleLineInTheSelectedStyleAndColour)
{
    form.preset(linearGraph());
    LinePreview* preview = form.fLinePic();
    preview->resize(preview->sizeHint());
    const auto middleRow = [preview](const QColor& colour) {
        const QImage image = preview->grab().toImage();
        const QRect inner = preview->contentsRect();
        int coloured = 0;
        for (int x = inner.left(); x <= inner.right(); ++x) {
            coloured += image.pixelColor(x, inner.top() + inner.height() / 2) == colour ? 1 : 0;
        }
        // Nothing else is drawn inside the frame.
        EXPECT_EQ(image.pixelColor(inner.left() + 2, inner.top() + 2), QColor(Qt::white));
        return std::pair{coloured, inner.width()};
    };

    const QColor red = colorFromBgr(0x000000FF);
    form.fLineCb()->setCurrentIndex(kPenSolid);
    EXPECT_EQ(form.fLinePic()->penStyle(), kPenSolid);
    const auto [solid, width] = middleRow(red);
    EXPECT_EQ(solid, width);
    form.fLineCb()->setCurrentIndex(kPenDash);
    const int dashed = middleRow(red).first;
    EXPECT_GT(dashed, 0);
    EXPECT_LT(dashed, width);
    form.fLineCb()->setCurrentIndex(kPenInvisible);
    EXPECT_EQ(middleRow(red).first, 0);
    EXPECT_EQ(middleRow(Qt::white).first, width);

    colors.answer(0x00FF0000);
    form.fLineCb()->setCurrentIndex(kPenSolid);
    preview->pickColor();
    EXPECT_EQ(middleRow(colorFromBgr(0x00FF0000)).first, width);
}

TEST_F(SekSetFormTest, FontChosenIsInTheOutcomeRoundedAndKeptEvenAfterCancel)
{
    CanvasFont half = linearGraph().graph.font;
    half.name = "IPAMincho";
    half.size = 10.5;
    half.bold = true;
    CanvasFont upper = half;
    upper.size = 11.5;
    fonts.answer(half);
    fonts.answer(std::nullopt);
    fonts.answer(upper);
    fonts.answer(std::nullopt);
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) {
        form->fontButton()->click();
        form->fontButton()->click();
        form->fontButton()->click();
        form->fontButton()->click();
        form->cancelButton()->click();
    });
    CanvasFont rounded = half;
    rounded.size = 10;
    CanvasFont roundedUp = upper;
    roundedUp.size = 12;
    // Each dialog opens on what is held: the graph's font, then the last one chosen.
    EXPECT_EQ(fonts.openedWith(), (std::vector<CanvasFont>{linearGraph().graph.font, rounded, rounded, roundedUp}));
    EXPECT_EQ(outcome.font, roundedUp);
    EXPECT_EQ(outcome.accepted, std::nullopt);
}

TEST_F(SekSetFormTest, UntouchedDialogGivesBackTheGraphsValuesExactly)
{
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) { form->okButton()->click(); });
    EXPECT_EQ(outcome.font, std::nullopt);
    EXPECT_EQ(outcome.accepted, untouchedLinearValues());
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(SekSetFormTest, OkGivesEveryEditedValue)
{
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) {
        form->fLeft()->setText(QStringLiteral("15"));
        form->fTop()->setText(QStringLiteral(" 22.5 "));  // halves to even
        form->fWidth()->setText(QStringLiteral("333.5"));
        form->fHeight()->setText(QStringLiteral("1e2"));
        form->fLineCb()->setCurrentIndex(kPenInvisible);
        form->bLineCb()->setCurrentIndex(kPenSolid);
        form->minText()->setText(QStringLiteral("1.25"));
        form->maxText()->setText(QStringLiteral("-7"));  // a reversed axis is allowed
        form->tanni()->setText(QStringLiteral("N/㎡"));
        form->stepText()->setText(QStringLiteral("2.5"));
        form->bunkatuText()->setText(QStringLiteral("3.5"));
        form->memori()->click();
        form->xJikuCk()->click();
        form->okButton()->click();
    });
    GraphDialogValues expected = untouchedLinearValues();
    expected.frameLeft = 15;
    expected.frameTop = 22;
    expected.frameWidth = 334;
    expected.frameHeight = 100;
    expected.frameDrawStyle = kPenInvisible;
    expected.lineDrawStyle = kPenSolid;
    expected.min = 1.25;
    expected.max = -7;
    expected.tanni = "N/㎡";
    expected.xJikuStep = 2;
    expected.bunnkatu = 4;
    expected.memoriCheck = false;
    expected.xJikuCheck = true;
    EXPECT_EQ(outcome.accepted, expected);
}

TEST_F(SekSetFormTest, InvalidInputIsRefusedAndTheDialogStaysOpenWithIt)
{
    struct Case {
        const char* box;
        const char* text;
    };
    const Case cases[] = {
        {"FWidth", "abc"},  {"FLeft", ""},        {"FTop", "2147483648"},  // beyond 32 bits
        {"FHeight", "1.4"},                                                // rounds to 1: too small to draw
        {"FWidth", "-300"}, {"StepText", "1e10"}, {"BunkatuText", "ten"}, {"MinText", "12abc"},
        {"MinText", ""},    {"MaxText", "1,5"},   {"MaxText", "-2.5"},  // equal to the minimum: the axis has no length
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(std::string(item.box) + " = " + item.text);
        messages = test::ScriptedMessageBoxes{};
        messages.answer(MessageAnswer::Ok);
        const QString text = QString::fromUtf8(item.text);
        const auto outcome = ask(linearGraph(), [&item, &text](SekSetForm* form) {
            QWidget* box = form->findChild<QWidget*>(QString::fromLatin1(item.box));
            ASSERT_NE(box, nullptr);
            if (auto* arrows = qobject_cast<ArrowTextBox*>(box)) {
                arrows->setText(text);
            } else {
                qobject_cast<QLineEdit*>(box)->setText(text);
            }
            form->stepText()->setText(item.box == std::string("StepText") ? text : QStringLiteral("0"));
            form->okButton()->click();
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(form->findChild<QWidget*>(QString::fromLatin1(item.box))->property("text").toString(), text);
            // Nothing was corrected either.
            if (item.box != std::string("StepText")) {
                EXPECT_EQ(form->stepText()->text(), QStringLiteral("0"));
            }
            form->cancelButton()->click();
        });
        EXPECT_EQ(outcome.accepted, std::nullopt);
        expectInvalidDataShown(1);
    }
}

TEST_F(SekSetFormTest, StepAndDivisionsBelowOneBecomeOne)
{
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) {
        form->stepText()->setText(QStringLiteral("0"));
        form->bunkatuText()->setText(QStringLiteral("-3"));
        form->okButton()->click();
        EXPECT_EQ(form->stepText()->text(), QStringLiteral("1"));
        EXPECT_EQ(form->bunkatuText()->text(), QStringLiteral("1"));
        EXPECT_EQ(form->stepLabel()->text(), QStringLiteral("1～1"));
    });
    ASSERT_TRUE(outcome.accepted.has_value());
    EXPECT_EQ(outcome.accepted->xJikuStep, 1);
    EXPECT_EQ(outcome.accepted->bunnkatu, 1);
}

TEST_F(SekSetFormTest, LogarithmicAxisMakesZeroAndNegativeLimitsPositive)
{
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) {
        form->logCheck()->click();
        form->minText()->setText(QStringLiteral("0"));
        form->maxText()->setText(QStringLiteral("-1000"));
        form->okButton()->click();
        EXPECT_EQ(form->minText()->text(), QStringLiteral("0.0001"));
        EXPECT_EQ(form->maxText()->text(), QStringLiteral("1000"));
    });
    ASSERT_TRUE(outcome.accepted.has_value());
    EXPECT_TRUE(outcome.accepted->logV);
    EXPECT_EQ(outcome.accepted->min, 0.0001);
    EXPECT_EQ(outcome.accepted->max, 1000);
    // Disabled, the divisions box is still read.
    EXPECT_EQ(outcome.accepted->bunnkatu, 20);
}

TEST_F(SekSetFormTest, LogarithmicLimitsInTheSameDecadeAreRefusedUncorrected)
{
    struct Case {
        const char* min;
        const char* max;
        bool accepted;
    };
    const Case cases[] = {
        {"10", "31", false},     // log 1 and 1.49: both decade 1
        {"10", "31.7", true},    // log 1.501: decades 1 and 2
        {"-5", "5", false},      // both 5 once made positive
        {"0", "0.0002", false},  // 0.0001 and 0.0002 are both decade -4
        {"0", "1", true},       {"1", "1", false},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(std::string(item.min) + " … " + item.max);
        messages = test::ScriptedMessageBoxes{};
        if (!item.accepted) {
            messages.answer(MessageAnswer::Ok);
        }
        const auto outcome = ask(logGraph(), [&item](SekSetForm* form) {
            form->minText()->setText(QString::fromLatin1(item.min));
            form->maxText()->setText(QString::fromLatin1(item.max));
            form->okButton()->click();
            if (form->isVisible()) {
                // Refused: the boxes keep what was typed.
                EXPECT_EQ(form->minText()->text(), QString::fromLatin1(item.min));
                EXPECT_EQ(form->maxText()->text(), QString::fromLatin1(item.max));
                form->cancelButton()->click();
            }
        });
        EXPECT_EQ(outcome.accepted.has_value(), item.accepted);
        expectInvalidDataShown(item.accepted ? 0 : 1);
    }
}

TEST_F(SekSetFormTest, UnlistedLineStyleSelectsNothingAndIsKept)
{
    GraphDialogInput input = linearGraph();
    input.graph.frameDrawStyle = kPenInsideSolid;
    const auto outcome = ask(input, [](SekSetForm* form) {
        EXPECT_EQ(form->fLineCb()->currentIndex(), -1);
        EXPECT_EQ(form->fLinePic()->penStyle(), kPenInsideSolid);
        form->okButton()->click();
    });
    ASSERT_TRUE(outcome.accepted.has_value());
    EXPECT_EQ(outcome.accepted->frameDrawStyle, kPenInsideSolid);
}

TEST_F(SekSetFormTest, CentreButtonNeedsTwoNumbersAndRewritesThemInGeneralForm)
{
    messages.answer(MessageAnswer::Ok);
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) {
        form->minText()->setText(QStringLiteral("12abc"));
        form->parsent()->click();
        EXPECT_EQ(form->minText()->text(), QStringLiteral("12abc"));

        // Cancelled, the range dialog gives back what it was given: the texts come back in
        // their general number form, each in its own box.
        whenModal<QDialog>([form](QDialog* range) {
            EXPECT_NE(range, form);
            EXPECT_EQ(range->parentWidget(), form);
            range->reject();
        });
        form->minText()->setText(QStringLiteral(" 5.0"));
        form->maxText()->setText(QStringLiteral("1e2"));
        form->parsent()->click();
        EXPECT_EQ(form->minText()->text(), QStringLiteral("5"));
        EXPECT_EQ(form->maxText()->text(), QStringLiteral("100"));
        form->cancelButton()->click();
    });
    EXPECT_EQ(outcome.accepted, std::nullopt);
    expectInvalidDataShown(1);
}

TEST_F(SekSetFormTest, CancelEscAndClosingGiveNoValues)
{
    const std::function<void(SekSetForm*)> endings[] = {
        [](SekSetForm* form) { QTest::mouseClick(form->cancelButton(), Qt::LeftButton); },
        [](SekSetForm* form) { QTest::keyClick(form->minText(), Qt::Key_Escape); },
        [](SekSetForm* form) { form->close(); },
    };
    for (std::size_t index = 0; index < std::size(endings); ++index) {
        SCOPED_TRACE(index);
        const auto outcome = ask(linearGraph(), endings[index]);
        EXPECT_EQ(outcome.accepted, std::nullopt);
        EXPECT_EQ(outcome.font, std::nullopt);
    }
}

TEST_F(SekSetFormTest, EnterInATextBoxConfirms)
{
    const auto outcome = ask(linearGraph(), [](SekSetForm* form) {
        form->fWidth()->setFocus();
        QTest::keyClick(form->fWidth(), Qt::Key_Return);
    });
    EXPECT_EQ(outcome.accepted, untouchedLinearValues());
}

TEST_F(SekSetFormTest, EveryControlLiesWhollyInsideTheDialog)
{
    form.preset(linearGraph());
    form.show();
    test::expectEveryControlInside(form);
}

TEST(QtGraphSettingsEditor, ShowsAFreshDialogOverItsParentEachTime)
{
    test::ScriptedFontDialog fonts;
    test::ScriptedColorDialog colors;
    test::ScriptedMessageBoxes messages;
    CanvasFont chosen;
    chosen.size = 14;
    fonts.answer(chosen);
    QWidget parent;
    QtGraphSettingsEditor editor(fonts, colors, messages, &parent);

    whenModal<SekSetForm>([&parent](SekSetForm* form) {
        EXPECT_EQ(form->parentWidget(), &parent);
        form->fontButton()->click();
        form->fWidth()->setText(QStringLiteral("410"));
        form->okButton()->click();
    });
    const auto first = editor.editGraph(linearGraph());
    EXPECT_EQ(first.font, chosen);
    ASSERT_TRUE(first.accepted.has_value());
    EXPECT_EQ(first.accepted->frameWidth, 410);

    QWidget other;
    editor.setParentWidget(&other);
    whenModal<SekSetForm>([&other](SekSetForm* form) {
        EXPECT_EQ(form->parentWidget(), &other);
        EXPECT_EQ(form->fWidth()->text(), QStringLiteral("300"));
        form->okButton()->click();
    });
    const auto second = editor.editGraph(linearGraph());
    EXPECT_EQ(second.font, std::nullopt);
    EXPECT_EQ(second.accepted, untouchedLinearValues());
}

}  // namespace
}  // namespace probel
