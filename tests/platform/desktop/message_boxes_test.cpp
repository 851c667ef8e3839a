// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_message_boxes.h"
#include "platform/desktop/qt_translations.h"
#include "support/desktop/modal_driver.h"

#include <QAbstractButton>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace probel {
namespace {

class QtMessageBoxesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::useJapaneseQtTexts(); }
};

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttonTexts;
    QString defaultButtonText;
};

ShownBox describe(QMessageBox* box)
{
    ShownBox shown{box->windowTitle(), box->text(), box->icon(), {}, {}};
    // Standard buttons in the order the box offers them.
    for (const auto standard : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel}) {
        if (QAbstractButton* button = box->button(standard)) {
            shown.buttonTexts.append(button->text());
        }
    }
    if (box->defaultButton() != nullptr) {
        shown.defaultButtonText = box->defaultButton()->text();
    }
    return shown;
}

TEST_F(QtMessageBoxesTest, JapaneseTranslationOfQtIsInstalled)
{
    EXPECT_TRUE(installJapaneseTranslations(*qApp));
    EXPECT_TRUE(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

struct ButtonCase {
    MessageButtons buttons;
    QStringList texts;    // Yes, No, Ok, Cancel as present
    QString defaultText;  // the first button
    QMessageBox::StandardButton clicked;
    MessageAnswer answer;
    MessageAnswer onEscape;
};

TEST_F(QtMessageBoxesTest, ButtonsAreJapaneseAndAnswerAsClicked)
{
    const QString ok = QStringLiteral("OK");
    const QString cancel = QStringLiteral("キャンセル");
    const QString yes = QStringLiteral("はい(&Y)");
    const QString no = QStringLiteral("いいえ(&N)");
    const std::vector<ButtonCase> cases = {
        {MessageButtons::Ok, {ok}, ok, QMessageBox::Ok, MessageAnswer::Ok, MessageAnswer::Ok},
        {MessageButtons::OkCancel, {ok, cancel}, ok, QMessageBox::Cancel, MessageAnswer::Cancel, MessageAnswer::Cancel},
        {MessageButtons::OkCancel, {ok, cancel}, ok, QMessageBox::Ok, MessageAnswer::Ok, MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel,
         {yes, no, cancel},
         yes,
         QMessageBox::No,
         MessageAnswer::No,
         MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel,
         {yes, no, cancel},
         yes,
         QMessageBox::Yes,
         MessageAnswer::Yes,
         MessageAnswer::Cancel},
        {MessageButtons::YesNo, {yes, no}, yes, QMessageBox::Yes, MessageAnswer::Yes, MessageAnswer::No},
        {MessageButtons::YesNo, {yes, no}, yes, QMessageBox::No, MessageAnswer::No, MessageAnswer::No},
    };
    QtMessageBoxes boxes;
    for (const auto& c : cases) {
        ShownBox shown;
        test::whenModal<QMessageBox>([&](QMessageBox* box) {
            shown = describe(box);
            box->button(c.clicked)->click();
        });
        EXPECT_EQ(boxes.show("削除しますか?", "グラフの削除", c.buttons, MessageIcon::Exclamation), c.answer);
        EXPECT_EQ(shown.buttonTexts, c.texts);
        EXPECT_EQ(shown.defaultButtonText, c.defaultText);
        EXPECT_EQ(shown.title, QStringLiteral("グラフの削除"));
        EXPECT_EQ(shown.text, QStringLiteral("削除しますか?"));

        test::whenModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        EXPECT_EQ(boxes.show("text", "title", c.buttons, MessageIcon::Question), c.onEscape);
    }
}

TEST_F(QtMessageBoxesTest, IconsMatchTheirKind)
{
    const std::vector<std::pair<MessageIcon, QMessageBox::Icon>> cases = {
        {MessageIcon::Stop, QMessageBox::Critical},
        {MessageIcon::Question, QMessageBox::Question},
        {MessageIcon::Exclamation, QMessageBox::Warning},
        {MessageIcon::Information, QMessageBox::Information},
    };
    QtMessageBoxes boxes;
    for (const auto& [icon, expected] : cases) {
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        test::whenModal<QMessageBox>([&](QMessageBox* box) {
            shown = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        boxes.show("データが不正です。", "データエラー", MessageButtons::Ok, icon);
        EXPECT_EQ(shown, expected);
    }
}

}  // namespace
}  // namespace probel
