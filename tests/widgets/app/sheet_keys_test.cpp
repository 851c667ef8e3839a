// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app/window_actions.h"
#include "app_fixture.h"

namespace probel::test {
namespace {

using Entries = std::vector<std::string>;

class SheetKeysTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window_->resize(1000, 800);
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    PicForm& open(const std::string& name)
    {
        const std::vector<PicForm*> opened = window_->fileActions().openDocuments({writeDocument(name)});
        EXPECT_EQ(opened.size(), 1U);
        return *opened.front();
    }

    // A left click on the empty paper at `at` as the window system gives it, to the window;
    // the pointer stays there.
    void clickPaper(PicForm& form, QPoint at)
    {
        QCursor::setPos(form.mainPic()->mapToGlobal(at));
        const QPoint inWindow = form.mainPic()->mapTo(window_.get(), at);
        ASSERT_EQ(window_->childAt(inWindow), form.mainPic()) << "the point is in view";
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
        settle();
    }

    // The keys as the window system gives them: to the window, which hands them to the focus.
    void pressShiftF10()
    {
        QTest::keyClick(window_->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        settle();
    }
    // The menu key: the window system asks the window for a context menu from the keyboard.
    void pressMenuKey()
    {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0), QCursor::pos());
        QApplication::sendEvent(window_->windowHandle(), &request);
        settle();
    }

    static std::string focusName()
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? "nothing"
                                : focus->objectName().toStdString() + " " + focus->metaObject()->className();
    }
};

TEST_F(SheetKeysTest, AClickOnThePaperGivesThatSheetTheKeysForItsMenu)
{
    PicForm& first = open("first.pbl");
    PicForm& second = open("second.pbl");
    ASSERT_EQ(window_->activeSheet(), &second);
    // Side by side, so the sheet behind is in view.
    arrangeSheets(*window_->mdiArea(), WindowArrangement::SideBySide);
    ASSERT_EQ(window_->activeSheet(), &second);
    // The keys are elsewhere before the click.
    window_->statusBar()->setFocusPolicy(Qt::StrongFocus);
    window_->statusBar()->setFocus();
    ASSERT_NE(QApplication::focusWidget(), &first);

    clickPaper(first, QPoint(320, 150));
    EXPECT_EQ(window_->activeSheet(), &first);
    EXPECT_EQ(QApplication::focusWidget(), &first) << focusName();

    pressShiftF10();
    ASSERT_EQ(shownMenus_.size(), 1U);
    EXPECT_EQ(shownMenus_.back().front(), "CMenu");
    EXPECT_EQ(first.paperClickPoint(), QPointF(320, 150));

    pressMenuKey();
    ASSERT_EQ(shownMenus_.size(), 2U);
    EXPECT_EQ(shownMenus_.back().front(), "CMenu");
    EXPECT_EQ(QApplication::focusWidget(), &first) << "the keys stay with the sheet after its menu";
}

TEST_F(SheetKeysTest, AClickOnTheMaximisedSheetsPaperGivesItTheKeys)
{
    open("behind.pbl");
    PicForm& form = open("front.pbl");
    auto* sub = qobject_cast<QMdiSubWindow*>(form.parentWidget());
    ASSERT_NE(sub, nullptr);
    sub->showMaximized();
    settle();
    window_->statusBar()->setFocusPolicy(Qt::StrongFocus);
    window_->statusBar()->setFocus();

    clickPaper(form, QPoint(300, 500));
    EXPECT_TRUE(sub->isMaximized());
    EXPECT_EQ(QApplication::focusWidget(), &form) << focusName();

    pressShiftF10();
    ASSERT_EQ(shownMenus_.size(), 1U);
    EXPECT_EQ(shownMenus_.back().front(), "CMenu");
    EXPECT_EQ(form.paperClickPoint(), QPointF(300, 500));
}

TEST_F(SheetKeysTest, ShiftF10OverAGraphOrALabelOpensItsMenuAndOtherF10sDoNot)
{
    PicForm& form = open("objects.pbl");
    clickPaper(form, QPoint(400, 150));
    ASSERT_EQ(QApplication::focusWidget(), &form) << focusName();

    QCursor::setPos(form.sekFrame(1)->mapToGlobal(QPoint(20, 20)));
    pressShiftF10();
    QCursor::setPos(form.comLabel(1)->mapToGlobal(QPoint(2, 2)));
    pressShiftF10();
    QTest::keyClick(window_->windowHandle(), Qt::Key_F10, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    ASSERT_EQ(shownMenus_.size(), 2U);
    EXPECT_EQ(shownMenus_[0].front(), "SekMenu");
    EXPECT_EQ(shownMenus_[1].front(), "ComMenu");
}

// With the pointer off the paper (the keyboard alone), the menu key opens the menu of the
// graph last selected (a new graph is selected), or after Esc the paper's menu near the
// top-left of the paper in view.
TEST_F(SheetKeysTest, OffThePaperTheMenuKeyOpensTheSelectedGraphsMenuOrThePapers)
{
    PicForm& form = open("objects.pbl");
    clickPaper(form, QPoint(400, 150));
    ASSERT_EQ(QApplication::focusWidget(), &form) << focusName();
    QCursor::setPos(window_->mapToGlobal(QPoint(-50, -50)));
    form.selectGraph(1);
    pressShiftF10();
    QTest::keyClick(window_->windowHandle(), Qt::Key_Escape);
    settle();
    pressShiftF10();
    ASSERT_EQ(shownMenus_.size(), 2U);
    EXPECT_EQ(shownMenus_[0].front(), "SekMenu");
    EXPECT_EQ(shownMenus_[1].front(), "CMenu");
    EXPECT_EQ(form.paperClickPoint(), form.visibleTopLeft() + QPointF(20, 20));
}

}  // namespace
}  // namespace probel::test
