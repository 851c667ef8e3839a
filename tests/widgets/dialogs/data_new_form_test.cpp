// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/capability_line_boxes.h"
#include "dialogs/data_new_form.h"
#include "dialogs/line_style_box.h"
#include "dialogs/marker_preview.h"
#include "dialogs/marker_size_box.h"
#include "dialogs/qt_data_settings_editor.h"
#include "dialogs/value_grid.h"
#include "platform/canvas/bgr_color.h"
#include "platform/desktop/clipboard.h"
#include "support/desktop/dialog_layout.h"
#include "support/desktop/modal_driver.h"
#include "support/desktop/scripted_color_dialog.h"
#include "support/desktop/scripted_font_dialog.h"
#include "support/desktop/scripted_message_boxes.h"

namespace probel {
namespace {

using test::whenModal;

constexpr std::int32_t kGreen = 0x0000FF00;
constexpr std::int32_t kBlue = 0x00FF0000;

// The clipboard buttons are the grid's; these tests never press them.
class UnusedClipboard : public Clipboard {
public:
    bool hasText() const override { return false; }
    std::string text() const override { return {}; }
    void setText(const std::string& /*text*/) override { ADD_FAILURE() << "the clipboard was written"; }
    void setPicture(std::string /*png*/, std::function<std::string()> /*svg*/) override
    {
        ADD_FAILURE() << "the clipboard was written";
    }
};

// A series being edited, with every control set away from its initial state.
DataDialogInput editedSeries()
{
    DataDialogInput input;
    input.adding = false;
    input.dataNumber = 2;
    input.values = {3.5, -1, 2, 0.25};
    input.countText = "4";
    input.comment = "ロットA\r\n2 行目";
    input.mrk = "▲";
    input.sizeText = "14";
    input.color = kGreen;
    input.lineVisible = false;
    input.drawStyle = kPenDashDot;
    input.label = true;
    input.heikin = true;
    input.siguma = false;
    input.probel = true;
    input.cp = true;
    input.heikinFormat = "0.0";
    input.sigumaFormat = "#.#";
    input.probelFormat = "0.###";
    input.cpFormat = "0";
    input.capabilityLines = CapabilityLines{.cpk = true, .normality = true, .cpkLowerBound = true};
    input.min = -2.5;
    input.max = 12.75;
    input.cpOption = kCpUpperLimitOnly;
    input.labelFont = CanvasFont{"IPAMincho", 10.5, true, false, true, false};
    input.sigmaDivisor = SigmaDivisor::CountLessOne;
    return input;
}

// What OK gives for editedSeries() when nothing is touched.
DataDialogValues untouchedEditedValues()
{
    DataDialogValues values;
    values.values = {3.5, -1, 2, 0.25};
    values.comment = "ロットA\r\n2 行目";
    values.mrk = "▲";
    values.mrkSize = 14;
    values.mrkSizeSetting = 14;
    values.color = kGreen;
    values.drawStyle = kPenDashDot;
    values.lineVisible = false;
    values.label = true;
    values.heikin = true;
    values.siguma = false;
    values.probel = true;
    values.cp = true;
    values.heikinFormat = "0.0";
    values.sigumaFormat = "#.#";
    values.probelFormat = "0.###";
    values.cpFormat = "0";
    values.capabilityLines = CapabilityLines{.cpk = true, .normality = true, .cpkLowerBound = true};
    values.min = -2.5;
    values.max = 12.75;
    values.cpOption = kCpUpperLimitOnly;
    values.labelFont = CanvasFont{"IPAMincho", 10.5, true, false, true, false};
    values.sigmaDivisor = SigmaDivisor::CountLessOne;
    return values;
}

std::string textOf(const QString& text)
{
    return text.toStdString();
}

// A click on the box's indicator, where a person clicks it.
void tick(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

class DataNewFormTest : public ::testing::Test {
protected:
    DataNewFormTest() : form(fonts, colors, messages, clipboard) {}

    // Shows a fresh dialog modally on `input`, lets `act` work it, and gives what it returned.
    std::optional<DataDialogValues> ask(const DataDialogInput& input, std::function<void(DataNewForm*)> act)
    {
        whenModal<DataNewForm>(std::move(act));
        return DataNewForm::ask(input, fonts, colors, messages, clipboard, nullptr);
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

    // The enabled states the check boxes govern, against what they say.
    static void expectEnabledStatesFollowTheBoxes(const DataNewForm& form)
    {
        const bool details = form.labelCk()->isChecked();
        for (const QWidget* control : std::initializer_list<const QWidget*>{
                 form.heikinCk(), form.sigumaCk(), form.probelCk(), form.cpCk(), form.formatH(), form.formatS(),
                 form.formatP(), form.formatC(), form.labelFont()}) {
            EXPECT_EQ(control->isEnabled(), details) << control->objectName().toStdString();
        }
        for (const QCheckBox* box : form.capabilityBoxes()->boxes()) {
            EXPECT_EQ(box->isEnabled(), details) << box->objectName().toStdString();
        }
        for (int element = 0; element < 3; ++element) {
            EXPECT_EQ(form.cpOptions(element)->isEnabled(), form.cpCk()->isChecked()) << element;
        }
        // Every capability line but the normality test reads the limits.
        const CapabilityLines lines = form.capabilityBoxes()->lines();
        const bool limits = form.probelCk()->isChecked() || form.cpCk()->isChecked() || lines.cpk ||
                            lines.ppmExpected || lines.ppmObserved || lines.cpLowerBound || lines.cpkLowerBound;
        EXPECT_EQ(form.maxText()->isEnabled(), limits);
        EXPECT_EQ(form.minText()->isEnabled(), limits);
    }

    test::ScriptedFontDialog fonts;
    test::ScriptedColorDialog colors;
    test::ScriptedMessageBoxes messages;
    UnusedClipboard clipboard;
    DataNewForm form;
};

TEST_F(DataNewFormTest, EveryControlHasItsNameCaptionTooltipAndAccessibleName)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("データの追加"));
    struct Control {
        QWidget* widget;
        const char* objectName;
        const char* accessibleName;
        const char* toolTip;
    };
    const Control controls[] = {
        {form.comment(), "Comment", "コメント(必ず入力して下さい)", "データを識別するために必ず入力して下さい"},
        {form.labelCk(), "LabelCk", "詳細の表示", "フォーム上に詳細を表示します"},
        {form.labelFont(), "LabelFont", "Font", "フォントを設定します"},
        {form.heikinCk(), "HeikinCk", "平均, 最小値, 最大値", "フォーム上に平均、最小、最大値をを表示します"},
        {form.formatH(), "FormatH", "平均, 最小値, 最大値の書式", ""},
        {form.sigumaCk(), "SigumaCk", "σ", "フォーム上にσを表示します"},
        {form.formatS(), "FormatS", "σの書式", ""},
        {form.probelCk(), "ProbelCk", "Probel(%)", "フォーム上にProbelを表示します"},
        {form.formatP(), "FormatP", "Probel(%)の書式", ""},
        {form.cpCk(), "CpCk", "Cp値", "フォーム上にCp値を表示します"},
        {form.formatC(), "FormatC", "Cp値の書式", ""},
        {form.cpOptions(0), "CpOptions_0", "上限の無視", ""},
        {form.cpOptions(1), "CpOptions_1", "下限の無視", ""},
        {form.cpOptions(2), "CpOptions_2", "上下限有り", "(上限-下限)/(6*σ)で計算します"},
        {form.maxText(), "MaxText", "上限", ""},
        {form.minText(), "MinText", "下限", ""},
        {form.parsent(), "Parsent", "最大最小の設定", ""},
        {form.sigmaDivisor(), "SigmaDivisor", "σ の分母", "標準偏差の分母。回帰線、Probel、Cp、信頼帯もこれに従います"},
        {form.mrk(), "Mrk", "形状", "マーカーの形状を設定します"},
        {form.markarPic(), "MarkarPic", "色", "色の設定をします"},
        {form.sizeT(), "SizeT", "サイズ", "マーカーのサイズを設定します"},
        {form.lineCk(), "LineCk", "回帰線の表示", "回帰線を表示します"},
        {form.lineCb(), "LineCb", "回帰線の形状", "回帰線形の状を設定します"},
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
    // Every control a person operates, the grid's too, has a name.
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->window() == &form &&
            qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) == nullptr &&
            qobject_cast<QComboBox*>(widget->parentWidget()) == nullptr) {
            EXPECT_FALSE(widget->accessibleName().isEmpty())
                << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        }
    }

    const std::pair<QAbstractButton*, const char*> captions[] = {
        {form.labelCk(), "詳細の表示"},    {form.labelFont(), "Font"},     {form.heikinCk(), "平均, 最小値, 最大値"},
        {form.sigumaCk(), "           σ"}, {form.probelCk(), "Probel(%)"}, {form.cpCk(), "Cp値"},
        {form.lineCk(), "回帰線の表示"},   {form.okButton(), "OK"},        {form.cancelButton(), "キャンセル"},
    };
    for (const auto& [button, caption] : captions) {
        EXPECT_EQ(textOf(button->text()), caption);
    }
    QStringList groups;
    for (const QGroupBox* group : form.findChildren<QGroupBox*>()) {
        groups << group->title();
    }
    groups.sort();
    EXPECT_EQ(groups, (QStringList{QStringLiteral("Cp値の設定"), QStringLiteral("Probel,Cp値の範囲"),
                                   QStringLiteral("データ"), QStringLiteral("マーカー"), QStringLiteral("詳細")}));
    QStringList labels;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* caption : {"コメント(必ず入力して下さい)", "形状", "色", "サイズ", "上限", "下限"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(caption))) << caption;
    }
    EXPECT_EQ(form.lineCb()->count(), 6);
}

TEST_F(DataNewFormTest, FreshDialogShowsTheInitialTextsAndNoButtonTakesEnter)
{
    EXPECT_EQ(form.comment()->toPlainText(), QStringLiteral("*\n"));
    EXPECT_EQ(form.dataNum()->text(), QString());
    EXPECT_EQ(form.mrk()->text(), QStringLiteral("○"));
    EXPECT_EQ(form.sizeT()->text(), QStringLiteral("10"));
    for (const QLineEdit* format : {form.formatH(), form.formatS(), form.formatP(), form.formatC()}) {
        EXPECT_EQ(format->text(), QStringLiteral("0.##"));
    }
    EXPECT_EQ(form.grid()->countBox()->text(), QStringLiteral("10"));
    EXPECT_EQ(form.markarPic()->color(), 0);
    EXPECT_FALSE(form.labelCk()->isChecked());
    expectEnabledStatesFollowTheBoxes(form);
    EXPECT_FALSE(form.labelFont()->isEnabled());
    EXPECT_FALSE(form.maxText()->isEnabled());
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << textOf(button->text());
        EXPECT_FALSE(button->autoDefault()) << textOf(button->text());
    }
}

TEST_F(DataNewFormTest, CheckBoxesEnableWhatTheyGovernWhenTicked)
{
    form.preset(DataDialogInput{});
    expectEnabledStatesFollowTheBoxes(form);
    tick(form.labelCk());
    EXPECT_TRUE(form.heikinCk()->isEnabled());
    expectEnabledStatesFollowTheBoxes(form);
    tick(form.probelCk());
    EXPECT_TRUE(form.minText()->isEnabled());
    EXPECT_FALSE(form.cpOptions(0)->isEnabled());
    expectEnabledStatesFollowTheBoxes(form);
    tick(form.cpCk());
    EXPECT_TRUE(form.cpOptions(2)->isEnabled());
    expectEnabledStatesFollowTheBoxes(form);
    // The limits stay while one of the two still needs them.
    tick(form.probelCk());
    EXPECT_TRUE(form.maxText()->isEnabled());
    expectEnabledStatesFollowTheBoxes(form);
    tick(form.cpCk());
    EXPECT_FALSE(form.maxText()->isEnabled());
    expectEnabledStatesFollowTheBoxes(form);
    // From the keyboard as well.
    form.labelCk()->setFocus();
    QTest::keyClick(form.labelCk(), Qt::Key_Space);
    EXPECT_FALSE(form.labelCk()->isChecked());
    expectEnabledStatesFollowTheBoxes(form);
}

TEST_F(DataNewFormTest, PresetCheckBoxesSetTheSameStatesInEveryCombination)
{
    for (int bits = 0; bits < 8; ++bits) {
        DataDialogInput input;
        input.label = (bits & 1) != 0;
        input.probel = (bits & 2) != 0;
        input.cp = (bits & 4) != 0;
        SCOPED_TRACE(bits);
        form.preset(input);
        EXPECT_EQ(form.labelCk()->isChecked(), input.label);
        EXPECT_EQ(form.probelCk()->isChecked(), input.probel);
        EXPECT_EQ(form.cpCk()->isChecked(), input.cp);
        expectEnabledStatesFollowTheBoxes(form);
    }
}

TEST_F(DataNewFormTest, PresetFillsEveryControlAndOkGivesItBackUntouched)
{
    const auto values = ask(editedSeries(), [](DataNewForm* form) {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("データの編集"));
        EXPECT_EQ(form->dataNum()->text(), QStringLiteral("データナンバー 2"));
        EXPECT_EQ(form->comment()->toPlainText(), QStringLiteral("ロットA\n2 行目"));
        EXPECT_EQ(form->comment()->palette().color(QPalette::Text), colorFromBgr(kGreen));
        EXPECT_EQ(form->lineCb()->currentText(), QStringLiteral("一点鎖線"));
        EXPECT_EQ(form->minText()->text(), QStringLiteral("-2.5"));
        EXPECT_EQ(form->maxText()->text(), QStringLiteral("12.75"));
        EXPECT_TRUE(form->cpOptions(1)->isChecked());
        EXPECT_EQ(form->sigmaDivisor()->currentText(), QStringLiteral("s: n-1 で割る"));
        EXPECT_EQ(form->grid()->countBox()->text(), QStringLiteral("4"));
        EXPECT_EQ(form->grid()->dataText(0)->text(), QStringLiteral("3.5"));
        EXPECT_EQ(form->grid()->dataText(3)->text(), QStringLiteral("0.25"));
        form->okButton()->click();
    });
    EXPECT_EQ(values, untouchedEditedValues());
    EXPECT_TRUE(messages.asked().empty());
    EXPECT_TRUE(fonts.openedWith().empty());
}

TEST_F(DataNewFormTest, AddingGivesTheGridsZerosAndTheDefaults)
{
    const auto values = ask(DataDialogInput{}, [](DataNewForm* form) {
        EXPECT_EQ(form->dataNum()->text(), QStringLiteral("データナンバー 1"));
        EXPECT_TRUE(form->cpOptions(0)->isChecked());
        form->okButton()->click();
    });
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->values, std::vector<double>(10, 0.0));
    EXPECT_EQ(values->comment, "*\r\n");
    EXPECT_EQ(values->mrk, "○");
    EXPECT_EQ(values->mrkSize, 10);
    EXPECT_TRUE(values->lineVisible);
    EXPECT_EQ(values->drawStyle, kPenSolid);
    EXPECT_FALSE(values->label);
    EXPECT_EQ(values->min, 0);
    EXPECT_EQ(values->max, 100);
    EXPECT_EQ(values->cpOption, kCpLowerLimitOnly);
}

// OK refuses a value that is not a number as a whole (the earlier program kept "9,987" as 9),
// naming its row and quoting it; the dialog stays open with that row selected.
TEST_F(DataNewFormTest, OkRefusesAValueThatIsNoNumberAndSelectsItsRow)
{
    messages.answer(MessageAnswer::Ok);
    DataDialogInput input = editedSeries();
    const auto values = ask(input, [](DataNewForm* form) {
        form->grid()->dataText(2)->setText(QStringLiteral("9,987"));
        form->okButton()->click();
        EXPECT_TRUE(form->isVisible());
        QLineEdit* row = form->grid()->dataText(2);
        EXPECT_EQ(form->focusWidget(), row) << "the refused row has the focus";
        EXPECT_EQ(row->selectedText(), QStringLiteral("9,987"));
        // Typed again as a number, OK takes it.
        row->setText(QStringLiteral("9.987"));
        form->okButton()->click();
    });
    ASSERT_EQ(messages.asked().size(), 1U);
    EXPECT_EQ(messages.asked()[0].text,
              "No,3 の値を読めません: 「9,987」にカンマがあります。小数点はピリオド (.) "
              "にし、桁区切りは付けないでください。");
    ASSERT_TRUE(values);
    EXPECT_EQ(values->values, (std::vector<double>{3.5, -1, 9.987, 0.25}));
}

// A comment the document cannot keep is refused at OK, naming its characters, with the
// comment box focused; nothing is taken.
TEST_F(DataNewFormTest, OkRefusesACommentWithCharactersTheDocumentCannotKeep)
{
    messages.answer(MessageAnswer::Ok);
    const auto values = ask(editedSeries(), [](DataNewForm* form) {
        form->comment()->setPlainText(QStringLiteral("ロット Ⅳ 🙂"));
        form->okButton()->click();
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->focusWidget(), form->comment());
        form->cancelButton()->click();
    });
    EXPECT_FALSE(values);
    ASSERT_EQ(messages.asked().size(), 1U);
    EXPECT_EQ(
        messages.asked()[0].text,
        "コメントの 「🙂」 は文書に保存できない文字です。別の文字にしてください。");
}

TEST_F(DataNewFormTest, CommentMustHoldMoreThanSpaces)
{
    struct Case {
        const char* comment;
        bool accepted;
    };
    const Case cases[] = {
        {"   ", false}, {"", false},  {"*\n", true}, {"\n", true},
        {" x ", true},  {"\t", true}, {"　", true},  // an ideographic space is no space here
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.comment);
        messages = test::ScriptedMessageBoxes{};
        if (!item.accepted) {
            messages.answer(MessageAnswer::Ok);
        }
        const auto values = ask(DataDialogInput{}, [&item](DataNewForm* form) {
            form->comment()->setPlainText(QString::fromUtf8(item.comment));
            form->okButton()->click();
            if (form->isVisible()) {
                EXPECT_EQ(form->comment()->toPlainText(), QString::fromUtf8(item.comment));
                form->cancelButton()->click();
            }
        });
        EXPECT_EQ(values.has_value(), item.accepted);
        expectInvalidDataShown(item.accepted ? 0 : 1);
    }
}

TEST_F(DataNewFormTest, CountIsAWholeNumberFromOneTo30000RoundedHalvesToEven)
{
    struct Case {
        const char* count;
        std::optional<std::size_t> values;  // how many OK gives; none when refused
    };
    const Case cases[] = {
        {"0", std::nullopt},
        {"30001", std::nullopt},
        {"30000", 30000},
        {"1", 1},
        {"0.5", std::nullopt},  // rounds to 0
        {"2.5", 3},             // passes as 2, but 2.5 - 1 rounds to 2: positions 0 … 2
        {"3.5", 3},
        {"1e1", 10},
        {"３", 3},
        {" 7 ", 7},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.count);
        messages = test::ScriptedMessageBoxes{};
        // A usable count is checked as soon as it is set, and again by OK when refused there.
        messages.answer(MessageAnswer::Ok);
        messages.answer(MessageAnswer::Ok);
        std::vector<double> stored(30001);
        for (std::size_t index = 0; index < stored.size(); ++index) {
            stored[index] = static_cast<double>(index) + 0.5;
        }
        DataDialogInput input;
        input.values = stored;
        const QString count = QString::fromUtf8(item.count);
        const auto values = ask(input, [&count](DataNewForm* form) {
            form->grid()->setCountText(count);
            form->okButton()->click();
            if (form->isVisible()) {
                EXPECT_EQ(form->grid()->countBox()->text(), count);
                form->cancelButton()->click();
            }
        });
        ASSERT_EQ(values.has_value(), item.values.has_value());
        if (values) {
            EXPECT_TRUE(messages.asked().empty());
            EXPECT_EQ(values->values, std::vector<double>(stored.begin(), stored.begin() + *item.values));
        } else {
            EXPECT_FALSE(messages.asked().empty());
            expectInvalidDataShown(messages.asked().size());
        }
    }
}

TEST_F(DataNewFormTest, MarkerSizeIsAWhole32BitNumberRoundedHalvesToEven)
{
    struct Case {
        const char* size;
        std::optional<std::int32_t> rounded;
        double setting;
    };
    const Case cases[] = {
        {"10.5", 10, 10.5},
        {"11.5", 12, 11.5},
        {"１２．５", 12, 12.5},
        {" 8 ", 8, 8},
        {"-3", -3, -3},
        {"2147483647", 2147483647, 2147483647.0},
        {"2147483647.5", std::nullopt, 0},  // rounds to 2^31
        {"2147483648", std::nullopt, 0},
        {"12abc", std::nullopt, 0},
        {"", std::nullopt, 0},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.size);
        messages = test::ScriptedMessageBoxes{};
        if (!item.rounded) {
            messages.answer(MessageAnswer::Ok);
        }
        const QString size = QString::fromUtf8(item.size);
        const auto values = ask(DataDialogInput{}, [&size](DataNewForm* form) {
            form->sizeT()->setText(size);
            form->okButton()->click();
            if (form->isVisible()) {
                EXPECT_EQ(form->sizeT()->text(), size);
                form->cancelButton()->click();
            }
        });
        ASSERT_EQ(values.has_value(), item.rounded.has_value());
        expectInvalidDataShown(item.rounded ? 0 : 1);
        if (values) {
            EXPECT_EQ(values->mrkSize, *item.rounded);
            EXPECT_EQ(values->mrkSizeSetting, item.setting);
        }
    }
}

TEST_F(DataNewFormTest, TheGridsCountCheckRunsTheDialogsValidation)
{
    messages.answer(MessageAnswer::Ok);
    const auto values = ask(DataDialogInput{}, [](DataNewForm* form) {
        form->comment()->setPlainText(QStringLiteral("  "));
        form->grid()->setCountText(QStringLiteral("5"));
        EXPECT_EQ(form->grid()->countBox()->text(), QStringLiteral("5"));
        form->cancelButton()->click();
    });
    EXPECT_EQ(values, std::nullopt);
    expectInvalidDataShown(1);
}

TEST_F(DataNewFormTest, FullWidthNumbersReadAsTheSameNumbersInEveryBox)
{
    DataDialogInput input;
    input.values = {1, 2, 3, 4};
    const auto values = ask(input, [](DataNewForm* form) {
        form->grid()->setCountText(QStringLiteral("３"));
        form->sizeT()->setText(QStringLiteral("１２．５"));
        form->minText()->setText(QStringLiteral("－１．５"));
        form->maxText()->setText(QStringLiteral("１２３"));
        form->okButton()->click();
    });
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->values, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(values->mrkSize, 12);
    EXPECT_EQ(values->mrkSizeSetting, 12.5);
    EXPECT_EQ(values->min, -1.5);
    EXPECT_EQ(values->max, 123);
}

TEST_F(DataNewFormTest, LimitsAreLeadingNumbersAndZeroWithoutOne)
{
    const auto values = ask(editedSeries(), [](DataNewForm* form) {
        form->minText()->setText(QStringLiteral("1 000x"));
        form->maxText()->setText(QStringLiteral("abc"));
        form->okButton()->click();
    });
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->min, 1000);
    EXPECT_EQ(values->max, 0);
}

TEST_F(DataNewFormTest, LabelUntickedIsReportedWhateverTheLinesSay)
{
    const auto values = ask(editedSeries(), [](DataNewForm* form) {
        form->labelCk()->click();
        EXPECT_FALSE(form->heikinCk()->isEnabled());
        form->okButton()->click();
    });
    ASSERT_TRUE(values.has_value());
    EXPECT_FALSE(values->label);
    // The lines keep their ticks for the next time details are shown.
    EXPECT_TRUE(values->heikin);
    EXPECT_TRUE(values->cp);
}

TEST_F(DataNewFormTest, CpButtonsStandForWhatTheirCaptionsSay)
{
    struct Case {
        std::optional<std::int32_t> option;
        int element;  // -1: none selected
        std::optional<std::int32_t> returned;
    };
    const Case cases[] = {
        {kCpLowerLimitOnly, 0, kCpLowerLimitOnly},  // 上限の無視
        {kCpUpperLimitOnly, 1, kCpUpperLimitOnly},  // 下限の無視
        {kCpBothLimits, 2, kCpBothLimits},          // 上下限有り
        {7, 2, kCpBothLimits},                      // Cp reads any other option with both limits
        {std::nullopt, -1, std::nullopt},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.element);
        DataDialogInput input = editedSeries();
        input.cpOption = item.option;
        const auto values = ask(input, [&item](DataNewForm* form) {
            for (int element = 0; element < 3; ++element) {
                EXPECT_EQ(form->cpOptions(element)->isChecked(), element == item.element) << element;
            }
            form->okButton()->click();
        });
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(values->cpOption, item.returned);
    }

    // Choosing a button by hand gives its option.
    const std::int32_t chosen[] = {kCpLowerLimitOnly, kCpUpperLimitOnly, kCpBothLimits};
    for (int element = 0; element < 3; ++element) {
        const auto values = ask(editedSeries(), [element](DataNewForm* form) {
            QTest::mouseClick(form->cpOptions(element), Qt::LeftButton);
            form->okButton()->click();
        });
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(values->cpOption, chosen[element]);
    }
}

TEST_F(DataNewFormTest, MarkerColourColoursThePreviewAndTheComment)
{
    colors.answer(kBlue);
    colors.answer(std::nullopt);
    const auto values = ask(editedSeries(), [](DataNewForm* form) {
        QTest::mouseClick(form->markarPic(), Qt::LeftButton);
        EXPECT_EQ(form->markarPic()->color(), kBlue);
        EXPECT_EQ(form->comment()->palette().color(QPalette::Text), colorFromBgr(kBlue));
        // Cancelled: the colour stays.
        form->markarPic()->setFocus();
        QTest::keyClick(form->markarPic(), Qt::Key_Return);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->comment()->palette().color(QPalette::Text), colorFromBgr(kBlue));
        form->okButton()->click();
    });
    EXPECT_EQ(colors.openedWith(), (std::vector<std::int32_t>{kGreen, kBlue}));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->color, kBlue);
}

TEST_F(DataNewFormTest, PreviewFollowsTheMarkerSizeAndRegressionLineBoxes)
{
    DataDialogInput input = editedSeries();
    input.mrk = "■";
    input.lineVisible = false;
    form.preset(input);
    MarkerPreview* preview = form.markarPic();
    preview->resize(preview->sizeHint());
    const auto inner = [preview] { return preview->grab().toImage().copy(preview->contentsRect()); };
    const auto inkWidth = [](const QImage& image) {
        int left = image.width();
        int right = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, image.height() / 2) != QColor(Qt::white)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        return right < left ? 0 : right - left + 1;
    };
    const QColor green = colorFromBgr(kGreen);
    const int small = inkWidth(inner());
    QImage image = inner();
    // Corners are white without the line.
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0), QColor(Qt::white));
    form.sizeT()->setText(QStringLiteral("２８"));
    EXPECT_NEAR(inkWidth(inner()), small * 2, 3);
    form.sizeT()->stepBy(-14);
    EXPECT_NEAR(inkWidth(inner()), small, 1);

    form.lineCk()->click();
    form.lineCb()->setPenStyle(kPenSolid);
    image = inner();
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0), green);
    EXPECT_EQ(image.pixelColor(0, image.height() - 1), green);
    form.lineCb()->setPenStyle(kPenInvisible);
    image = inner();
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0), QColor(Qt::white));

    form.mrk()->setText(QString());
    form.lineCb()->setPenStyle(kPenSolid);
    form.lineCk()->click();
    image = inner();
    EXPECT_EQ(image.pixelColor(image.width() - 1, 0), QColor(Qt::white));
    EXPECT_EQ(inkWidth(image), 0);
}

TEST_F(DataNewFormTest, LabelFontIsKeptFromTheChoiceAndACancelKeepsIt)
{
    CanvasFont chosen{"IPAGothic", 12, false, true, false, true};
    fonts.answer(chosen);
    fonts.answer(std::nullopt);
    const auto values = ask(editedSeries(), [](DataNewForm* form) {
        form->labelFont()->click();
        form->labelFont()->click();
        form->okButton()->click();
    });
    EXPECT_EQ(fonts.openedWith(), (std::vector<CanvasFont>{editedSeries().labelFont, chosen}));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->labelFont, chosen);
}

TEST_F(DataNewFormTest, RangeButtonNeedsTwoWholeNumbersAndWritesTheRangeBack)
{
    messages.answer(MessageAnswer::Ok);
    const auto values = ask(editedSeries(), [](DataNewForm* form) {
        form->minText()->setText(QStringLiteral("12abc"));
        form->parsent()->click();
        EXPECT_EQ(form->minText()->text(), QStringLiteral("12abc"));

        // Cancelled, the range dialog gives back what it was given, in general number form.
        whenModal<QDialog>([form](QDialog* range) {
            EXPECT_NE(range, form);
            EXPECT_EQ(range->parentWidget(), form);
            range->reject();
        });
        form->minText()->setText(QStringLiteral("１０．０"));
        form->maxText()->setText(QStringLiteral("2e1"));
        form->parsent()->click();
        EXPECT_EQ(form->minText()->text(), QStringLiteral("10"));
        EXPECT_EQ(form->maxText()->text(), QStringLiteral("20"));
        form->okButton()->click();
    });
    expectInvalidDataShown(1);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->min, 10);
    EXPECT_EQ(values->max, 20);
}

TEST_F(DataNewFormTest, CancelEscAndClosingGiveNothingAndEnterDoesNotConfirm)
{
    const std::function<void(DataNewForm*)> endings[] = {
        [](DataNewForm* form) { QTest::mouseClick(form->cancelButton(), Qt::LeftButton); },
        [](DataNewForm* form) { QTest::keyClick(form->mrk(), Qt::Key_Escape); },
        [](DataNewForm* form) { form->close(); },
        [](DataNewForm* form) {
            for (QWidget* box : std::initializer_list<QWidget*>{form->mrk(), form->formatH(), form->sizeT()}) {
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Return);
            }
            EXPECT_TRUE(form->isVisible());
            form->reject();
        },
    };
    for (std::size_t index = 0; index < std::size(endings); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ask(editedSeries(), endings[index]), std::nullopt);
    }
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(DataNewFormTest, TheSigmaDivisorListGivesTheChosenDivisor)
{
    DataDialogInput input = editedSeries();
    input.sigmaDivisor = SigmaDivisor::Count;
    const auto values = ask(input, [](DataNewForm* form) {
        EXPECT_EQ(form->sigmaDivisor()->currentText(), QStringLiteral("σ: n で割る"));
        form->sigmaDivisor()->setCurrentIndex(1);
        form->okButton()->click();
    });
    ASSERT_TRUE(values);
    EXPECT_EQ(values->sigmaDivisor, SigmaDivisor::CountLessOne);
}

TEST_F(DataNewFormTest, CapabilityLineBoxesAreNamedAndCarryTheChoiceBothWays)
{
    struct Box {
        const char* objectName;
        const char* caption;
        bool CapabilityLines::*line;
    };
    const Box boxes[] = {
        {"CpkCk", "Cpk", &CapabilityLines::cpk},
        {"PpmExpectedCk", "ppm(予測)", &CapabilityLines::ppmExpected},
        {"PpmObservedCk", "ppm(実測)", &CapabilityLines::ppmObserved},
        {"NormalityCk", "正規性 (A²)", &CapabilityLines::normality},
        {"CpLowerBoundCk", "Cp 下限 95%", &CapabilityLines::cpLowerBound},
        {"CpkLowerBoundCk", "Cpk 下限 95%", &CapabilityLines::cpkLowerBound},
    };
    ASSERT_EQ(std::size(boxes), CapabilityLineBoxes::kCount);
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        SCOPED_TRACE(boxes[i].objectName);
        QCheckBox* box = form.capabilityBoxes()->box(i);
        EXPECT_EQ(form.findChild<QCheckBox*>(QString::fromLatin1(boxes[i].objectName)), box);
        EXPECT_EQ(textOf(box->text()), boxes[i].caption);
        EXPECT_EQ(textOf(box->accessibleName()), boxes[i].caption);
        EXPECT_FALSE(box->toolTip().isEmpty());
        EXPECT_TRUE(form.sFrame()->isAncestorOf(box)) << "the lines belong with the other label lines";
    }

    // Each box alone, ticked by hand on a series without lines, gives exactly its line.
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        SCOPED_TRACE(boxes[i].objectName);
        const auto values = ask(editedSeries(), [i](DataNewForm* dialog) {
            dialog->capabilityBoxes()->setLines(CapabilityLines{});
            tick(dialog->capabilityBoxes()->box(i));
            dialog->okButton()->click();
        });
        ASSERT_TRUE(values.has_value());
        CapabilityLines expected;
        expected.*(boxes[i].line) = true;
        EXPECT_EQ(values->capabilityLines, expected);
    }

    // A series' lines are shown ticked; changing two of them gives back just that change.
    const auto values = ask(editedSeries(), [](DataNewForm* dialog) {
        const CapabilityLineBoxes& lines = *dialog->capabilityBoxes();
        const std::vector<bool> shown = {lines.box(0)->isChecked(), lines.box(1)->isChecked(),
                                         lines.box(2)->isChecked(), lines.box(3)->isChecked(),
                                         lines.box(4)->isChecked(), lines.box(5)->isChecked()};
        EXPECT_EQ(shown, (std::vector<bool>{true, false, false, true, false, true}));
        tick(lines.box(3));
        tick(lines.box(2));
        dialog->okButton()->click();
    });
    ASSERT_TRUE(values.has_value());
    DataDialogValues expected = untouchedEditedValues();
    expected.capabilityLines.normality = false;
    expected.capabilityLines.ppmObserved = true;
    EXPECT_EQ(*values, expected);
}

TEST_F(DataNewFormTest, CapabilityLinesThatReadTheLimitsEnableThem)
{
    form.preset(DataDialogInput{});
    EXPECT_FALSE(form.capabilityBoxes()->box(0)->isEnabled()) << "only with the detail label";
    tick(form.labelCk());
    tick(form.capabilityBoxes()->box(3));
    EXPECT_FALSE(form.maxText()->isEnabled()) << "the normality test needs no limits";
    expectEnabledStatesFollowTheBoxes(form);
    for (const std::size_t i : std::initializer_list<std::size_t>{0, 1, 2, 4, 5}) {
        SCOPED_TRACE(i);
        tick(form.capabilityBoxes()->box(i));
        EXPECT_TRUE(form.minText()->isEnabled());
        expectEnabledStatesFollowTheBoxes(form);
        tick(form.capabilityBoxes()->box(i));
        EXPECT_FALSE(form.minText()->isEnabled());
    }
    EXPECT_FALSE(form.cpOptions(0)->isEnabled()) << "the Cp buttons still follow the Cp line";
}

TEST_F(DataNewFormTest, EveryControlLiesWhollyInsideTheDialog)
{
    form.preset(editedSeries());
    form.show();
    test::expectEveryControlInside(form);
}

TEST(QtDataSettingsEditor, ShowsAFreshDialogOverItsParentEachTime)
{
    test::ScriptedFontDialog fonts;
    test::ScriptedColorDialog colors;
    test::ScriptedMessageBoxes messages;
    UnusedClipboard clipboard;
    QWidget parent;
    QtDataSettingsEditor editor(fonts, colors, messages, clipboard, &parent);

    whenModal<DataNewForm>([&parent](DataNewForm* form) {
        EXPECT_EQ(form->parentWidget(), &parent);
        EXPECT_TRUE(form->isModal());
        form->mrk()->setText(QStringLiteral("×"));
        form->okButton()->click();
    });
    const auto first = editor.editData(editedSeries());
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->mrk, "×");

    QWidget other;
    editor.setParentWidget(&other);
    whenModal<DataNewForm>([&other](DataNewForm* form) {
        EXPECT_EQ(form->parentWidget(), &other);
        EXPECT_EQ(form->mrk()->text(), QStringLiteral("▲"));
        form->okButton()->click();
    });
    EXPECT_EQ(editor.editData(editedSeries()), untouchedEditedValues());

    whenModal<DataNewForm>([](DataNewForm* form) { form->cancelButton()->click(); });
    EXPECT_EQ(editor.editData(editedSeries()), std::nullopt);
}

}  // namespace
}  // namespace probel
