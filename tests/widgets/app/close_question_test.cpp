// SPDX-License-Identifier: MIT
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app_fixture.h"

namespace probel::test {
namespace {

class CloseQuestionTest : public AppTest {
protected:
    PicForm* modifiedUntitledSheet()
    {
        paperSizes_.answer(210297);
        PicForm* form = window_->fileActions().npdNew();
        changeContent(*form);
        return form;
    }
    // The document's sheet with its first text label's caption changed.
    PicForm* modifiedSheetOf(const std::string& path, const std::string& caption = "変更")
    {
        window_->fileActions().openDocuments({path});
        PicForm* form = window_->picForms().find(path);
        ChartLabel changed = *form->sheet().comLabel(1);
        changed.caption = caption;
        form->edit<ChangeTextLabel>(1, *form->sheet().comLabel(1), changed);
        return form;
    }
    // Closes the sheet's window as its close button does; true when it is gone.
    bool closeWindowOf(PicForm* form)
    {
        const bool closed = form->parentWidget()->close();
        settle();
        return closed;
    }
};

TEST_F(CloseQuestionTest, AnUnmodifiedSheetClosesWithoutAsking)
{
    const std::string path = writeDocument("lot.pbl");
    window_->fileActions().openDocuments({path});
    EXPECT_TRUE(closeWindowOf(window_->picForms().find(path)));
    EXPECT_TRUE(window_->picForms().empty());
    EXPECT_TRUE(messages_.asked().empty());
}

TEST_F(CloseQuestionTest, TheQuestionNamesTheWholeGeneratedNameOrTheFileName)
{
    PicForm* untitled = modifiedUntitledSheet();
    PicForm* titled = modifiedSheetOf(writeDocument("lot1.pbl"));
    messages_.answer(MessageAnswer::Cancel);
    messages_.answer(MessageAnswer::Cancel);
    EXPECT_FALSE(closeWindowOf(untitled));
    EXPECT_FALSE(closeWindowOf(titled));
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_EQ(messages_.asked()[0].text, "新規作成1への変更を保存しますか?");
    EXPECT_EQ(messages_.asked()[0].title, "ファイルの保存");
    EXPECT_EQ(messages_.asked()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(messages_.asked()[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages_.asked()[1].text, "lot1.pblへの変更を保存しますか?");
}

TEST_F(CloseQuestionTest, CancelKeepsTheSheetOpenWithItsContent)
{
    PicForm* form = modifiedSheetOf(writeDocument("lot.pbl", {.graphs = 2}));
    messages_.answer(MessageAnswer::Cancel);
    EXPECT_FALSE(closeWindowOf(form));
    ASSERT_EQ(window_->picForms().count(), 1);
    EXPECT_EQ(window_->picForms().forms()[0], form);
    EXPECT_TRUE(form->moveFlag());
    EXPECT_EQ(form->sheet().myNormo().count(), 2);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CloseQuestionTest, NoClosesWithoutSaving)
{
    const std::string path = writeDocument("lot.pbl");
    const auto written = std::filesystem::last_write_time(path);
    PicForm* form = modifiedSheetOf(path, "not saved");
    messages_.answer(MessageAnswer::No);
    EXPECT_TRUE(closeWindowOf(form));
    EXPECT_TRUE(window_->picForms().empty());
    EXPECT_EQ(std::filesystem::last_write_time(path), written);
}

TEST_F(CloseQuestionTest, YesSavesAnUntitledSheetThroughSaveAsThenCloses)
{
    PicForm* form = modifiedUntitledSheet();
    const std::string target = pathIn("named.pbl");
    messages_.answer(MessageAnswer::Yes);
    fileDialogs_.answerSave(target);
    EXPECT_TRUE(closeWindowOf(form));
    EXPECT_TRUE(std::filesystem::is_regular_file(target));
    EXPECT_TRUE(window_->picForms().empty());
}

TEST_F(CloseQuestionTest, YesSavesATitledSheetOverItsFileWithoutADialog)
{
    const std::string path = writeDocument("lot.pbl");
    PicForm* form = modifiedSheetOf(path, "saved on closing");
    messages_.answer(MessageAnswer::Yes);
    EXPECT_TRUE(closeWindowOf(form));
    EXPECT_TRUE(fileDialogs_.calls().empty());
    window_->fileActions().openDocuments({path});
    ASSERT_EQ(window_->picForms().count(), 1);
    EXPECT_EQ(window_->picForms().forms()[0]->sheet().comLabel(1)->caption, "saved on closing");
}

TEST_F(CloseQuestionTest, YesWithTheSaveDialogCancelledClosesWithoutSaving)
{
    PicForm* form = modifiedUntitledSheet();
    messages_.answer(MessageAnswer::Yes);
    fileDialogs_.answerSave("");
    EXPECT_TRUE(closeWindowOf(form));
    EXPECT_TRUE(window_->picForms().empty());
}

TEST_F(CloseQuestionTest, YesWithAFailedWriteKeepsTheSheetOpen)
{
    PicForm* form = modifiedUntitledSheet();
    messages_.answer(MessageAnswer::Yes);
    fileDialogs_.answerSave(pathIn("missing-folder/lot.pbl"));
    messages_.answer(MessageAnswer::Ok);
    EXPECT_FALSE(closeWindowOf(form));
    EXPECT_EQ(window_->picForms().count(), 1);
    EXPECT_TRUE(form->moveFlag());
}

TEST_F(CloseQuestionTest, ShutDownAsksEverySheetBeforeAnyWindowClosesAndCancelStopsIt)
{
    PicForm* first = modifiedUntitledSheet();
    PicForm* second = modifiedSheetOf(writeDocument("lot.pbl"));
    PicForm* unchanged = window_->fileActions().openDocuments({writeDocument("other.pbl")}).at(0);
    messages_.answer(MessageAnswer::No);
    messages_.answer(MessageAnswer::Cancel);

    EXPECT_FALSE(window_->close());
    settle();
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_EQ(messages_.asked()[0].text, "新規作成1への変更を保存しますか?");
    EXPECT_EQ(messages_.asked()[1].text, "lot.pbl" + std::string("への変更を保存しますか?"));
    EXPECT_EQ(window_->picForms().forms(), (std::vector<PicForm*>{first, second, unchanged}));
    EXPECT_EQ(window_->mdiArea()->subWindowList().size(), 3);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(first->moveFlag()) << "answered No, but the shut-down did not happen";
    EXPECT_FALSE(settings_.contains("MDIOutput", "WindowState")) << "the placement is saved only on closing";

    // The next attempt asks again, and closes everything without asking twice.
    messages_.answer(MessageAnswer::No);
    messages_.answer(MessageAnswer::No);
    EXPECT_TRUE(window_->close());
    settle();
    EXPECT_EQ(messages_.asked().size(), 4U);
    EXPECT_TRUE(window_->picForms().empty());
    EXPECT_EQ(settings_.getSetting("MDIOutput", "WindowState", "none"), "0");
}

}  // namespace
}  // namespace probel::test
