// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <optional>

#include "dialogs/label_text.h"
#include "dialogs/qt_label_text_editor.h"
#include "platform/canvas/bgr_color.h"
#include "support/desktop/modal_driver.h"
#include "support/desktop/scripted_color_dialog.h"
#include "support/desktop/scripted_font_dialog.h"
#include "support/desktop/scripted_message_boxes.h"

namespace probel {
namespace {

using test::whenModal;

// Japanese text arrives from the input method as committed strings, not as key presses.
void commitText(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

CanvasFont mincho()
{
    CanvasFont font;
    font.name = "IPAMincho";
    font.size = 14.5;
    font.bold = true;
    font.underline = true;
    return font;
}

LabelSettings noteLabel()
{
    LabelSettings settings;
    settings.caption = "ロット A-12\r\n測定日 5/10";
    settings.font.size = 11;
    settings.color = 0x00112233;
    return settings;
}

class LabelTextTest : public ::testing::Test {
protected:
    // Opens a fresh dialog on `initial`, lets `act` work it, and gives the dialog's answer.
    std::optional<LabelSettings> ask(const LabelSettings& initial, std::function<void(LabelText*)> act)
    {
        whenModal<LabelText>(std::move(act));
        return LabelText::ask(initial, fonts, colors, messages, nullptr);
    }

    test::ScriptedFontDialog fonts;
    test::ScriptedColorDialog colors;
    test::ScriptedMessageBoxes messages;
};

TEST_F(LabelTextTest, ControlsCarryTheirNamesCaptionsAndAccessibleNames)
{
    LabelText form(fonts, colors, messages);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("コメント入力"));

    struct Control {
        QWidget* widget;
        const char* objectName;
        const char* accessibleName;
    };
    const Control controls[] = {
        {form.text1(), "Text1", "コメント"},       {form.frameCk(), "FrameCK", "枠の表示"},
        {form.fontButton(), "FontButton", "Font"}, {form.colorButton(), "ColorButton", "色..."},
        {form.okButton(), "OKButton", "OK"},       {form.command1(), "Command1", "キャンセル"},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.objectName);
        EXPECT_EQ(form.findChild<QWidget*>(QString::fromUtf8(control.objectName)), control.widget);
        EXPECT_EQ(control.widget->accessibleName(), QString::fromUtf8(control.accessibleName));
        if (auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(control.accessibleName));
        }
    }
    EXPECT_EQ(form.fontButton()->toolTip(), QStringLiteral("フォントを設定します"));
    EXPECT_EQ(form.colorButton()->toolTip(), QStringLiteral("文字の色を設定します"));
    EXPECT_TRUE(form.okButton()->isDefault());
    EXPECT_FALSE(form.frameCk()->isChecked());
    EXPECT_TRUE(form.text1()->toPlainText().isEmpty());
}

TEST_F(LabelTextTest, OkGivesTheTypedLinesWithCrLfAndTheFrameFontAndColourChosen)
{
    fonts.answer(mincho());
    colors.answer(0x000000FF);
    const auto result = ask(noteLabel(), [](LabelText* form) {
        form->text1()->clear();
        commitText(form->text1(), QStringLiteral("品名 シャフト"));
        QTest::keyClick(form->text1(), Qt::Key_Return);
        QTest::keyClick(form->text1(), Qt::Key_Return);
        QTest::keyClicks(form->text1(), QStringLiteral("n=50"));
        QTest::mouseClick(form->frameCk(), Qt::LeftButton);
        QTest::mouseClick(form->fontButton(), Qt::LeftButton);
        QTest::mouseClick(form->colorButton(), Qt::LeftButton);
        QTest::mouseClick(form->okButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, (LabelSettings{"品名 シャフト\r\n\r\nn=50", true, mincho(), 0x000000FF}));
    // Each dialog opens on what the label had.
    ASSERT_EQ(fonts.openedWith().size(), 1U);
    EXPECT_EQ(fonts.openedWith()[0], noteLabel().font);
    EXPECT_EQ(colors.openedWith(), std::vector<std::int32_t>{0x00112233});
}

TEST_F(LabelTextTest, UntouchedDialogGivesBackTheLabelUnframed)
{
    LabelSettings framed = noteLabel();
    framed.framed = true;
    // A Windows font name stays exactly as the document wrote it.
    framed.font.name = "ＭＳ Ｐ明朝";
    const auto result = ask(framed, [](LabelText* form) {
        // Users rely on the frame box starting cleared, even for a framed label.
        EXPECT_FALSE(form->frameCk()->isChecked());
        form->okButton()->click();
    });
    LabelSettings expected = framed;
    expected.framed = false;
    EXPECT_EQ(result, expected);
}

TEST_F(LabelTextTest, CaptionLineBreaksAreShownAsLinesAndComeBackAsCrLf)
{
    struct Case {
        const char* caption;
        int lines;
        const char* returned;
    };
    const Case cases[] = {
        {"一行", 1, "一行"},
        {"a\r\nb\r\nc", 3, "a\r\nb\r\nc"},
        {"a\nb", 2, "a\r\nb"},            // a lone LF from an older document
        {"a\rb", 2, "a\r\nb"},            // a lone CR likewise
        {"a\r\n\r\nb", 3, "a\r\n\r\nb"},  // an empty line in between stays
        {"a\r\n", 2, "a\r\n"},            // so does a trailing line break
        {"\r\n", 2, "\r\n"},              // only a line break is not an empty text
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.caption);
        LabelText form(fonts, colors, messages);
        LabelSettings initial;
        initial.caption = item.caption;
        form.preset(initial);
        EXPECT_EQ(form.text1()->blockCount(), item.lines);
        EXPECT_FALSE(form.text1()->toPlainText().contains(QLatin1Char('\r')));
        EXPECT_EQ(form.settings().caption, item.returned);
    }
}

TEST_F(LabelTextTest, EmptyTextCancelAndEscAndClosingGiveNothing)
{
    const std::function<void(LabelText*)> endings[] = {
        [](LabelText* form) {
            form->text1()->clear();
            form->okButton()->click();
        },
        [](LabelText* form) {
            form->frameCk()->setChecked(true);
            QTest::mouseClick(form->command1(), Qt::LeftButton);
        },
        [](LabelText* form) { QTest::keyClick(form->text1(), Qt::Key_Escape); },
        [](LabelText* form) { form->close(); },
    };
    for (std::size_t index = 0; index < std::size(endings); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ask(noteLabel(), endings[index]), std::nullopt);
    }
}

TEST_F(LabelTextTest, CancelledFontOrColourDialogKeepsWhatWasHeld)
{
    fonts.answer(mincho());
    fonts.answer(std::nullopt);
    colors.answer(0x00ABCDEF);
    colors.answer(std::nullopt);
    LabelText form(fonts, colors, messages);
    form.preset(noteLabel());
    form.fontButton()->click();
    form.fontButton()->click();
    form.colorButton()->click();
    form.colorButton()->click();

    EXPECT_EQ(form.settings().font, mincho());
    EXPECT_EQ(form.settings().color, 0x00ABCDEF);
    // The second dialogs opened on the first choices.
    ASSERT_EQ(fonts.openedWith().size(), 2U);
    EXPECT_EQ(fonts.openedWith()[1], mincho());
    EXPECT_EQ(colors.openedWith(), (std::vector<std::int32_t>{0x00112233, 0x00ABCDEF}));
    EXPECT_EQ(form.text1()->font().family(), QStringLiteral("IPAMincho"));
    EXPECT_EQ(form.text1()->palette().color(QPalette::Text), colorFromBgr(0x00ABCDEF));
}

TEST_F(LabelTextTest, TextBoxShowsTheTextInTheLabelsFontAndColour)
{
    CanvasFont styled;
    styled.name = "ＭＳ ゴシック";
    styled.size = 20;
    styled.italic = true;
    styled.strikethru = true;
    fonts.answer(styled);
    colors.answer(0x0000FF00);

    LabelText form(fonts, colors, messages);
    LabelSettings initial = noteLabel();
    initial.font = mincho();
    form.preset(initial);
    QFont shown = form.text1()->font();
    EXPECT_EQ(shown.family(), QStringLiteral("IPAMincho"));
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), 14.5);
    EXPECT_TRUE(shown.bold());
    EXPECT_FALSE(shown.italic());
    EXPECT_TRUE(shown.underline());
    EXPECT_EQ(form.text1()->palette().color(QPalette::Text), colorFromBgr(0x00112233));

    form.fontButton()->click();
    shown = form.text1()->font();
    // Drawn with the IPA stand-in, held under the Windows name.
    EXPECT_EQ(QFontInfo(shown).family(), QFontInfo(QFont(QStringLiteral("IPAGothic"))).family());
    EXPECT_EQ(form.settings().font.name, "ＭＳ ゴシック");
    EXPECT_DOUBLE_EQ(shown.pointSizeF(), 20);
    EXPECT_FALSE(shown.bold());
    EXPECT_TRUE(shown.italic());
    EXPECT_TRUE(shown.strikeOut());
    EXPECT_FALSE(shown.underline());

    form.colorButton()->click();
    EXPECT_EQ(form.text1()->palette().color(QPalette::Text), QColor(0, 255, 0));
    // A colour choice leaves the font shown alone, and the other way round.
    EXPECT_EQ(form.text1()->font(), shown);
}

TEST_F(LabelTextTest, TextBoxGrowsWithTheDialogAndButtonsStayBelowIt)
{
    LabelText form(fonts, colors, messages);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto checkLayout = [&form] {
        const QRect text = form.text1()->geometry();
        EXPECT_TRUE(form.rect().contains(text));
        const QWidget* controls[] = {form.frameCk(), form.fontButton(), form.colorButton(), form.okButton(),
                                     form.command1()};
        for (const QWidget* control : controls) {
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_TRUE(form.rect().contains(control->geometry()));
            EXPECT_GT(control->geometry().top(), text.bottom());
            EXPECT_GE(control->width(), control->sizeHint().width());
        }
        EXPECT_LT(form.colorButton()->geometry().right(), form.okButton()->geometry().left());
        EXPECT_LT(form.okButton()->geometry().right(), form.command1()->geometry().left());
    };
    checkLayout();
    const QSize before = form.text1()->size();

    form.resize(form.size() + QSize(200, 150));
    QApplication::processEvents();
    checkLayout();
    EXPECT_EQ(form.text1()->size(), before + QSize(200, 150));
}

// Characters a document cannot keep are named, all of them, when OK is pressed; the dialog
// stays open with the text for mending, and the mended text is taken.
TEST_F(LabelTextTest, OkRefusesCharactersADocumentCannotKeepNamingThemAll)
{
    messages.answer(MessageAnswer::Ok);
    bool stayedOpen = false;
    const auto answer = ask(noteLabel(), [&](LabelText* form) {
        form->text1()->setPlainText(QStringLiteral("温度 😀 café 😀 〜"));
        form->okButton()->click();
        stayedOpen = form->isVisible() && form->focusWidget() == form->text1();
        form->text1()->setPlainText(QStringLiteral("温度 cafe 〜"));
        form->okButton()->click();
    });
    ASSERT_EQ(messages.asked().size(), 1U);
    EXPECT_EQ(messages.asked()[0].text, "テキストの 「😀」「é」 は文書に保存できない文字です。別の文字にしてください。");
    EXPECT_TRUE(stayedOpen);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->caption, "温度 cafe 〜") << "the wave dash is saved as its look-alike";
}

TEST(QtLabelTextEditor, ShowsAFreshDialogOverItsParentEachTime)
{
    test::ScriptedFontDialog fonts;
    test::ScriptedColorDialog colors;
    fonts.answer(mincho());
    QWidget parent;
    test::ScriptedMessageBoxes messages;
    QtLabelTextEditor editor(fonts, colors, messages, &parent);

    whenModal<LabelText>([&parent](LabelText* form) {
        EXPECT_EQ(form->parentWidget(), &parent);
        form->frameCk()->click();
        form->fontButton()->click();
        form->okButton()->click();
    });
    const auto first = editor.editLabel(noteLabel());
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->framed);
    EXPECT_EQ(first->font, mincho());

    whenModal<LabelText>([](LabelText* form) {
        EXPECT_FALSE(form->frameCk()->isChecked());
        form->okButton()->click();
    });
    EXPECT_EQ(editor.editLabel(*first), (LabelSettings{first->caption, false, mincho(), first->color}));
}

}  // namespace
}  // namespace probel
