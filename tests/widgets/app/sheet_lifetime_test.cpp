// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/edit_menu.h"
#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"
#include "core/document/sheet_writer.h"

namespace probel::test {
namespace {

// A sheet window from opening to closing: its one undo history across 名前を付けて保存, the
// modified mark, and the ways it closes (its own keys, the shut-down).
class SheetLifetimeTest : public AppTest {
protected:
    PicForm& open(const std::string& name)
    {
        EXPECT_EQ(window_->fileActions().openDocuments({writeDocument(name)}).size(), 1U);
        return *window_->activeSheet();
    }

    // Moves the first text label sideways, as a drag with the mouse leaves it: one step.
    static void moveLabel(PicForm& form, float by)
    {
        const ChartLabel& label = *form.sheet().comLabel(1);
        form.edit<MoveLabel>(LabelArray::Text, 1, LabelPlace{label.left, label.top},
                             LabelPlace{label.left + by, label.top});
    }
    static float labelLeft(const PicForm& form) { return form.sheet().comLabel(1)->left; }

    void saveAs(PicForm& form, const std::string& name)
    {
        fileDialogs_.answerSave(pathIn(name));
        EXPECT_EQ(window_->fileActions().npdSave(form), SaveOutcome::Saved);
    }

    static std::string bytes(const PicForm& form) { return sheetFileBytes(form.sheet()).value(); }

    QAction* action(const char* name) const
    {
        auto* found = window_->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The key as the keyboard gives it to the sheet in front, shortcuts and all.
    void press(const PicForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        window_->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form.parentWidget()));
        QTest::keyClick(form.mainPic(), key, modifiers);
        settle();
    }
};

TEST_F(SheetLifetimeTest, UndoAfterSaveAsTakesBackTheNewestChangeAndKeepsTheOneBefore)
{
    PicForm& form = open("lot.pbl");
    moveLabel(form, 10);
    saveAs(form, "renamed.pbl");
    moveLabel(form, 20);
    QAction* undo = window_->editMenu().undoAction();
    QAction* redo = window_->editMenu().redoAction();

    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(labelLeft(form), 110) << "the change after the save is the one taken back";
    EXPECT_FALSE(form.moveFlag()) << "back at what the file holds";
    undo->trigger();
    EXPECT_EQ(labelLeft(form), 100) << "the change before the save is still in the history";
    EXPECT_TRUE(form.moveFlag());
    EXPECT_FALSE(undo->isEnabled());
    redo->trigger();
    redo->trigger();
    EXPECT_EQ(labelLeft(form), 130);
    EXPECT_EQ(form.undoStack()->count(), 2);
}

// Before, the window's first history outlived a save under a new name, still connected: closing
// the window cleared it and redrew a sheet that was already gone (a crash under ASan).
TEST_F(SheetLifetimeTest, ClosingASheetAfterSaveAsLeavesTheOtherSheetsAsTheyWere)
{
    PicForm& other = open("other.pbl");
    moveLabel(other, 30);
    PicForm& form = open("lot.pbl");
    moveLabel(form, 10);
    saveAs(form, "renamed.pbl");
    moveLabel(form, 10);
    const QPointer<PicForm> closing = &form;

    messages_.answer(MessageAnswer::No);
    ASSERT_TRUE(form.parentWidget()->close());
    settle();
    EXPECT_TRUE(closing.isNull());
    EXPECT_EQ(window_->picForms().forms(), std::vector<PicForm*>{&other});
    EXPECT_EQ(labelLeft(other), 130);
    EXPECT_TRUE(other.moveFlag());
    EXPECT_EQ(window_->editMenu().undoAction()->text().toStdString(), "元に戻す(&U): テキストの移動");
}

TEST_F(SheetLifetimeTest, QuittingAfterSaveAsAsksOnlyForTheModifiedSheetWhoseContentWaitsIntact)
{
    PicForm& saved = open("lot.pbl");
    moveLabel(saved, 10);
    saveAs(saved, "renamed.pbl");
    PicForm& other = open("other.pbl");
    moveLabel(other, 30);
    const std::string otherBytes = bytes(other);
    const auto untouched = [this, &other, &saved, &otherBytes] {
        EXPECT_EQ(window_->picForms().count(), 2);
        EXPECT_EQ(bytes(other), otherBytes);
        EXPECT_EQ(labelLeft(saved), 110);
    };

    messages_.answer(MessageAnswer::Cancel, untouched);
    action("MenuQuit")->trigger();
    settle();
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text, "other.pblへの変更を保存しますか?");
    EXPECT_EQ(window_->picForms().count(), 2);
    EXPECT_TRUE(window_->isVisible());

    messages_.answer(MessageAnswer::No, untouched);
    action("MenuQuit")->trigger();
    settle();
    EXPECT_EQ(messages_.asked().size(), 2U);
    EXPECT_TRUE(window_->picForms().empty());
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(SheetLifetimeTest, TheCaptionMarksChangesUntilSavedOrUndoneToTheSavedState)
{
    PicForm& form = open("lot.pbl");
    const auto* window = qobject_cast<QMdiSubWindow*>(form.parentWidget());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_EQ(form.windowTitle().toStdString(), pathIn("lot.pbl") + "[*]");

    moveLabel(form, 10);
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_TRUE(window->isWindowModified()) << "the sheet window's title bar shows the mark";
    EXPECT_EQ(window_->fileActions().npdNewSave(form), SaveOutcome::Saved);
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_FALSE(window->isWindowModified());

    moveLabel(form, 10);
    form.undoStack()->undo();
    EXPECT_FALSE(form.isWindowModified()) << "undone back to what was saved";
    EXPECT_FALSE(form.moveFlag());
    form.undoStack()->undo();
    EXPECT_TRUE(form.isWindowModified()) << "undone past the save";
}

TEST_F(SheetLifetimeTest, ControlSOnANewSheetAsksForANameAsSaveAsDoes)
{
    paperSizes_.answer(210297);
    PicForm* form = window_->fileActions().npdNew();
    changeContent(*form);
    const std::string target = pathIn("first.pbl");
    fileDialogs_.answerSave(target);
    press(*form, Qt::Key_S);
    ASSERT_EQ(fileDialogs_.calls().size(), 1U);
    EXPECT_EQ(form->fName(), target);
    EXPECT_FALSE(form->moveFlag());

    changeContent(*form);
    press(*form, Qt::Key_S);
    EXPECT_EQ(fileDialogs_.calls().size(), 1U) << "a sheet with a file is saved over it";
    EXPECT_FALSE(form->moveFlag());
}

TEST_F(SheetLifetimeTest, ControlWAndControlF4CloseTheActiveSheetAlsoAfterACancelledQuestion)
{
    PicForm& first = open("first.pbl");
    PicForm& second = open("second.pbl");
    moveLabel(second, 10);
    messages_.answer(MessageAnswer::Cancel);
    press(second, Qt::Key_W);
    ASSERT_EQ(messages_.asked().size(), 1U) << "Ctrl+W reaches the close question";
    EXPECT_EQ(window_->picForms().count(), 2);

    messages_.answer(MessageAnswer::No);
    press(second, Qt::Key_W);
    EXPECT_EQ(messages_.asked().size(), 2U);
    EXPECT_EQ(window_->picForms().forms(), std::vector<PicForm*>{&first});

    press(first, Qt::Key_F4);
    EXPECT_TRUE(window_->picForms().empty());
    EXPECT_EQ(action("MenuClose")->text().toStdString(), "閉じる(&C)");
}

TEST_F(SheetLifetimeTest, ACancelledDialogOrAnOkThatChangesNothingLeavesTheSheetUnmodified)
{
    PicForm& form = open("lot.pbl");
    labelEditor_.answer(std::nullopt);
    nextMenuChoice_ = "PopMenuComRe";
    rightPress(form.comLabel(1));
    EXPECT_FALSE(form.moveFlag());
    labelEditor_.answer(LabelSettings{"ロットA", false, form.sheet().comLabel(1)->font, 0});
    nextMenuChoice_ = "PopMenuComRe";
    rightPress(form.comLabel(1));
    EXPECT_FALSE(form.moveFlag());
    EXPECT_EQ(form.undoStack()->count(), 0);
    ASSERT_TRUE(form.parentWidget()->close()) << "no question for a sheet nobody changed";
}

}  // namespace
}  // namespace probel::test
