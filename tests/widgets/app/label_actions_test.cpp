// SPDX-License-Identifier: MIT
#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QUndoStack>

#include <gtest/gtest.h>

#include "app/edit_menu.h"
#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"

namespace probel::test {
namespace {

using Entries = std::vector<std::string>;

class LabelActionsTest : public AppTest {
protected:
    PicForm& openSheet(const TestDocument& content = {})
    {
        window_->fileActions().openDocuments({writeDocument("lot.pbl", content)});
        PicForm* form = window_->activeSheet();
        EXPECT_NE(form, nullptr);
        return *form;
    }

    // Right-clicks the empty paper and chooses "テキストの追加".
    void addText(PicForm& form, const std::optional<LabelSettings>& answer, QPoint clicked = QPoint(700, 1000))
    {
        labelEditor_.answer(answer);
        nextMenuChoice_ = "PopMenuComNew";
        rightPress(form.mainPic(), clicked);
    }

    static LabelSettings settings(const std::string& caption, bool framed = false)
    {
        return LabelSettings{caption, framed, CanvasFont{"ＭＳ 明朝", 14, true, false, false, false}, 0x00FF00};
    }
};

TEST_F(LabelActionsTest, MenusOfferTheEntriesOfTheirObject)
{
    PicForm& form = openSheet();
    rightPress(form.mainPic(), QPoint(123, 47));
    rightPress(form.comLabel(1));
    rightPress(form.sekFrame(1));
    const std::vector<Entries> expected = {
        {"CMenu", "テキストの追加(&T)", "-", "グラフの追加(&G)", "-", "用紙をコピー(&P)", "-", "ｷｬﾝｾﾙ(&C)"},
        {"ComMenu", "テキストの編集(&E)", "テキストの削除(&D)", "-", "ｷｬﾝｾﾙ(&C)"},
        {"SekMenu", "データの追加(&A)", "表から貼り付け(&T)", "-", "グラフの編集(&G)", "グラフの削除(&R)", "-",
         "グラフをコピー(&P)", "統計量をコピー(&S)", "-", "ｷｬﾝｾﾙ(&C)"},
    };
    EXPECT_EQ(shownMenus_, expected);
    EXPECT_EQ(form.paperClickPoint(), QPointF(123, 47));
    EXPECT_FALSE(form.moveFlag()) << "a menu closed without a choice changes nothing";
}

TEST_F(LabelActionsTest, AddingPutsTheLabelWhereThePaperWasClickedUnderTheLowestFreeNumber)
{
    PicForm& form = openSheet({.labelCaption = ""});
    arrangeSheet(form, [](ChartSheet& sheet) { sheet.comLabelTemplate().font.name = "テンプレート"; });
    addText(form, settings("一行目\r\n二行目", true), QPoint(137, 64));
    ASSERT_EQ(labelEditor_.presets().size(), 1U);
    EXPECT_EQ(labelEditor_.presets()[0].font.name, "テンプレート");
    const ChartLabel* added = form.sheet().comLabel(1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->caption, "一行目\r\n二行目");
    EXPECT_EQ(added->left, 130) << "on the 10-pixel grid";
    EXPECT_EQ(added->top, 60);
    EXPECT_EQ(added->tag, "1");
    EXPECT_EQ(added->font.name, "ＭＳ 明朝");
    EXPECT_EQ(added->foreColor, 0x00FF00);
    EXPECT_TRUE(added->visible);
    EXPECT_TRUE(form.moveFlag());
    EXPECT_EQ(form.comLabel(1)->accessibleName().toStdString(), "一行目 二行目");

    // Clicked near the paper's corner: the label is moved back onto the paper, whole.
    addText(form, settings("二つ目の少し長いテキスト"), QPoint(780, 1115));
    const ChartLabel& second = *form.sheet().comLabel(2);
    const LabelExtent extent = form.measuredLabel(second);
    EXPECT_FLOAT_EQ(second.left + static_cast<float>(extent.width), 794);
    EXPECT_FLOAT_EQ(second.top + static_cast<float>(extent.height), 1123);
    EXPECT_LT(second.left, 700);
    EXPECT_EQ(second.tag, "0");

    // A deleted number is given out again.
    messages_.answer(MessageAnswer::Ok);
    nextMenuChoice_ = "PopMenuComDel";
    rightPress(form.comLabel(1));
    addText(form, settings("三つ目"));
    EXPECT_EQ(form.sheet().comLabel(1)->caption, "三つ目");
}

TEST_F(LabelActionsTest, CancelledDialogAddsOrChangesNothing)
{
    PicForm& form = openSheet();
    addText(form, std::nullopt);
    nextMenuChoice_ = "PopMenuComRe";
    labelEditor_.answer(std::nullopt);
    rightPress(form.comLabel(1));
    EXPECT_EQ(form.sheet().comLabels().size(), 1U);
    EXPECT_EQ(form.sheet().comLabel(1)->caption, "ロットA");
    EXPECT_FALSE(form.moveFlag());
    EXPECT_EQ(form.undoStack()->count(), 0);
}

TEST_F(LabelActionsTest, EditingKeepsThePlaceAndTakesTheFrameFromTheDialog)
{
    PicForm& form = openSheet();
    arrangeSheet(form, [](ChartSheet& sheet) { sheet.comLabel(1)->tag = "1"; });
    nextMenuChoice_ = "PopMenuComRe";
    labelEditor_.answer(settings("ロットB"));
    rightPress(form.comLabel(1));
    ASSERT_EQ(labelEditor_.presets().size(), 1U);
    EXPECT_EQ(labelEditor_.presets()[0].caption, "ロットA");
    const ChartLabel& edited = *form.sheet().comLabel(1);
    EXPECT_EQ(edited.caption, "ロットB");
    EXPECT_EQ(edited.tag, "0");
    EXPECT_EQ(edited.left, 100);
    EXPECT_EQ(edited.top, 420);
    EXPECT_TRUE(form.moveFlag());
}

TEST_F(LabelActionsTest, DeletingAsksMarksTheSheetAndUndoBringsTheLabelBack)
{
    PicForm& form = openSheet();
    const ChartLabel before = *form.sheet().comLabel(1);
    messages_.answer(MessageAnswer::Cancel);
    nextMenuChoice_ = "PopMenuComDel";
    rightPress(form.comLabel(1));
    ASSERT_NE(form.sheet().comLabel(1), nullptr);
    EXPECT_FALSE(form.moveFlag());

    messages_.answer(MessageAnswer::Ok);
    nextMenuChoice_ = "PopMenuComDel";
    rightPress(form.comLabel(1));
    EXPECT_EQ(form.sheet().comLabel(1), nullptr);
    EXPECT_EQ(form.comLabel(1), nullptr);
    EXPECT_TRUE(form.moveFlag()) << "a deletion that is not saved must not be lost silently";
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_EQ(messages_.asked()[1].text, "削除しますか?");
    EXPECT_EQ(messages_.asked()[1].title, "テキストの削除");
    EXPECT_EQ(messages_.asked()[1].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(messages_.asked()[1].icon, MessageIcon::Exclamation);

    EditMenu& edit = window_->editMenu();
    window_->updateFileMenu();
    EXPECT_TRUE(edit.undoAction()->isEnabled());
    EXPECT_EQ(edit.undoAction()->text().toStdString(), "元に戻す(&U): テキストの削除");
    edit.undoAction()->trigger();
    const ChartLabel* back = form.sheet().comLabel(1);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->caption, before.caption);
    EXPECT_EQ(back->left, before.left);
    EXPECT_EQ(back->font, before.font);
    EXPECT_NE(form.comLabel(1), nullptr);
    EXPECT_EQ(edit.undoAction()->text().toStdString(), "元に戻す(&U)");
    EXPECT_FALSE(edit.undoAction()->isEnabled());
    EXPECT_EQ(edit.redoAction()->text().toStdString(), "やり直し(&R): テキストの削除");
}

TEST_F(LabelActionsTest, TheEditMenuFollowsTheActiveSheet)
{
    PicForm& first = openSheet();
    addText(first, settings("一つ目"));
    paperSizes_.answer(210297);
    window_->fileActions().npdNew();
    window_->updateFileMenu();
    EditMenu& edit = window_->editMenu();
    EXPECT_FALSE(edit.undoAction()->isEnabled()) << "the new sheet has nothing to undo";
    first.bringToFront();
    window_->updateFileMenu();
    EXPECT_TRUE(edit.undoAction()->isEnabled());
    const QList<QKeySequence> redoKeys = edit.redoAction()->shortcuts();
    EXPECT_TRUE(redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    EXPECT_EQ(edit.undoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    std::vector<std::string> menus;
    for (const QAction* menu : window_->menuBar()->actions()) {
        menus.push_back(menu->text().toStdString());
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集(&E)", "ｳｨﾝﾄﾞｳ(&W)"}));
}

}  // namespace
}  // namespace probel::test
