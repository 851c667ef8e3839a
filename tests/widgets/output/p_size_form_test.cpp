// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "dialogs/p_size_form.h"
#include "dialogs/qt_paper_size_chooser.h"

namespace probel {
namespace {

struct OptionCase {
    const char* caption;
    std::int32_t code;
};

constexpr OptionCase kOptions[] = {
    {"  A3 縦", 297420}, {"  A3 横", 420297}, {"  A4 縦", 210297}, {"  A4 横", 297210}, {"  A5 縦", 148210},
    {"  A5 横", 210148}, {"  B4 縦", 250354}, {"  B4 横", 354250}, {"  B5 縦", 182257}, {"  B5 横", 257182},
};

TEST(PSizeForm, OptionsCarryTheirCaptionsAndCodesAndA4UprightIsChosen)
{
    PSizeForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("用紙サイズの設定"));
    EXPECT_EQ(form.command1()->text(), QStringLiteral("OK"));
    for (int index = 0; index < PSizeForm::kOptionCount; ++index) {
        SCOPED_TRACE(index);
        QRadioButton* option = form.sizeOp(index);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->text(), QString::fromUtf8(kOptions[index].caption));
        EXPECT_EQ(option->property("tag").toString(), QString::number(kOptions[index].code));
        EXPECT_EQ(option->isChecked(), index == 2);
    }
    EXPECT_EQ(form.sizeOp(10), nullptr);
    EXPECT_EQ(form.sizeOp(-1), nullptr);
    EXPECT_EQ(form.setSize(), 210297);
}

TEST(PSizeForm, ClickingAnOptionChoosesItsCode)
{
    PSizeForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // Every option, then back to one already visited, so a stale value cannot pass.
    for (const int index : {0, 1, 3, 4, 5, 6, 7, 8, 9, 2, 7}) {
        SCOPED_TRACE(index);
        QRadioButton* option = form.sizeOp(index);
        QTest::mouseClick(option, Qt::LeftButton, {}, option->rect().center());
        EXPECT_TRUE(option->isChecked());
        EXPECT_EQ(form.setSize(), kOptions[index].code);
    }
    EXPECT_FALSE(form.sizeOp(2)->isChecked());
}

TEST(PSizeForm, OptionsStandInTwoColumnsInTableOrder)
{
    PSizeForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto at = [&form](int index) { return form.sizeOp(index)->geometry(); };
    for (int index = 1; index < PSizeForm::kOptionsInFirstColumn; ++index) {
        EXPECT_EQ(at(index).left(), at(0).left()) << index;
        EXPECT_GT(at(index).top(), at(index - 1).bottom()) << index;
    }
    for (int index = PSizeForm::kOptionsInFirstColumn; index < PSizeForm::kOptionCount; ++index) {
        EXPECT_GT(at(index).left(), at(0).right()) << index;
        EXPECT_EQ(at(index).left(), at(PSizeForm::kOptionsInFirstColumn).left()) << index;
        // B4 upright stands level with A3 upright, and so on down.
        EXPECT_EQ(at(index).top(), at(index - PSizeForm::kOptionsInFirstColumn).top()) << index;
    }
}

// Runs `answer` on the dialog once it is shown modally.
void whenDialogShows(std::function<void(PSizeForm&)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* form = qobject_cast<PSizeForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        answer(*form);
    });
}

TEST(PSizeForm, AskGivesTheChosenCodeAfterOkAndTheDefaultOtherwise)
{
    whenDialogShows([](PSizeForm& form) {
        QTest::mouseClick(form.sizeOp(9), Qt::LeftButton, {}, form.sizeOp(9)->rect().center());
        QTest::mouseClick(form.command1(), Qt::LeftButton);
    });
    EXPECT_EQ(PSizeForm::ask(nullptr), 257182);

    // A choice made and then the dialog closed without OK: the new sheet is A4 upright.
    whenDialogShows([](PSizeForm& form) {
        QTest::mouseClick(form.sizeOp(0), Qt::LeftButton, {}, form.sizeOp(0)->rect().center());
        form.close();
    });
    EXPECT_EQ(PSizeForm::ask(nullptr), 210297);

    whenDialogShows([](PSizeForm& form) {
        QTest::mouseClick(form.sizeOp(6), Qt::LeftButton, {}, form.sizeOp(6)->rect().center());
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_EQ(PSizeForm::ask(nullptr), 210297);
}

TEST(QtPaperSizeChooser, AnswersThroughTheDialog)
{
    QWidget parent;
    QtPaperSizeChooser chooser(&parent);
    whenDialogShows([&parent](PSizeForm& form) {
        EXPECT_EQ(form.parentWidget(), &parent);
        form.sizeOp(4)->click();
        form.command1()->click();
    });
    EXPECT_EQ(chooser.choosePaperCode(), 148210);
}

}  // namespace
}  // namespace probel

namespace probel {
namespace {

TEST(PSizeForm, AFixedSizeDialogWideEnoughForItsWholeTitle)
{
    PSizeForm form;
    form.show();
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "not resizable";
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    // Only with this flag does Qt tell the window manager which buttons the title bar has.
    EXPECT_TRUE(form.windowFlags() & Qt::CustomizeWindowHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_GT(form.width(), form.fontMetrics().horizontalAdvance(form.windowTitle()) + 60);
}

}  // namespace
}  // namespace probel
