// SPDX-License-Identifier: MIT
#include "dialogs/data_select.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace probel {
namespace {

TEST(DataSelect, ListsTheSeriesShowsTheClickedCommentAndGivesItsNumber)
{
    DataSelect dialog("データの選択", {"ロットA", "ロットB\r\n二行目", "*\r\n"});
    EXPECT_EQ(dialog.windowTitle().toStdString(), "データの選択");
    ASSERT_EQ(dialog.dataList()->count(), 3);
    EXPECT_EQ(dialog.dataList()->item(0)->text().toStdString(), "データ - 1  ロットA");
    EXPECT_EQ(dialog.dataList()->item(1)->text().toStdString(), "データ - 2  ロットB 二行目");
    EXPECT_EQ(dialog.dataList()->item(2)->text().toStdString(), "データ - 3") << "the blank comment of a new series";
    EXPECT_EQ(dialog.dataList()->accessibleName().toStdString(), "データ");
    EXPECT_EQ(dialog.comment()->accessibleName().toStdString(), "コメント");

    dialog.dataList()->setCurrentRow(1);
    EXPECT_EQ(dialog.comment()->toPlainText().toStdString(), "ロットB\n二行目");
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosen(), 2);
}

TEST(DataSelect, OkWithoutAChoiceOrWithoutSeriesChoosesNothing)
{
    DataSelect unchosen("データの削除", {"ロットA"});
    EXPECT_FALSE(unchosen.okButton()->isEnabled()) << "OK waits for a choice";
    unchosen.okButton()->click();
    EXPECT_FALSE(unchosen.chosen().has_value());
    unchosen.dataList()->item(0)->setSelected(true);
    EXPECT_TRUE(unchosen.okButton()->isEnabled());
    unchosen.dataList()->clearSelection();
    EXPECT_FALSE(unchosen.okButton()->isEnabled());
    static_cast<QDialog&>(unchosen).accept();  // Enter on the list with nothing chosen
    EXPECT_FALSE(unchosen.chosen().has_value());

    DataSelect empty("データの削除", {});
    EXPECT_EQ(empty.dataList()->count(), 0);
    empty.okButton()->click();
    EXPECT_FALSE(empty.chosen().has_value());
}

}  // namespace
}  // namespace probel
