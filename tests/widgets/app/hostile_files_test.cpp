// SPDX-License-Identifier: MIT
#include <QUndoStack>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "app/drop_actions.h"
#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/recent_files.h"
#include "app_fixture.h"
#include "core/document/sheet_writer.h"

namespace probel::test {
namespace {

namespace fs = std::filesystem;

// Files nobody would write by hand but anybody may be handed: a sparse file as large as a disk,
// a link another user planted in a shared folder, a recent entry that became something else.
// Each is refused with a message, and every open sheet stays as it was.
class HostileFilesTest : public AppTest {
protected:
    // A file that claims 100 GiB and takes no room on the disk.
    std::string sparseFile(const std::string& name)
    {
        const std::string path = pathIn(name);
        {
            std::ofstream create(path);
        }
        fs::resize_file(path, std::uintmax_t{100} << 30);
        return path;
    }

    PicForm& changedSheet()
    {
        EXPECT_EQ(window_->fileActions().openDocuments({writeDocument("lot.pbl")}).size(), 1U);
        PicForm& form = *window_->activeSheet();
        changeContent(form);
        return form;
    }

    static std::string bytes(const PicForm& form) { return sheetFileBytes(form.sheet()).value(); }
};

TEST_F(HostileFilesTest, ASparseDocumentHandedOverIsRefusedByItsSizeAndTheOpenSheetsStay)
{
    PicForm& open = changedSheet();
    const std::string before = bytes(open);
    const std::string sparse = sparseFile("s.pbl");
    messages_.answer(MessageAnswer::Ok);
    EXPECT_TRUE(window_->fileActions().openDocuments({sparse}).empty());
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text,
              "ファイルを開けません: " + sparse + ": 大きすぎます (100 GiB)。読めるのは 64 MiB までです");
    EXPECT_EQ(window_->picForms().count(), 1);
    EXPECT_EQ(bytes(open), before);
    EXPECT_TRUE(open.moveFlag());
}

TEST_F(HostileFilesTest, ASparseTableDroppedOnAGraphChangesNothing)
{
    PicForm& form = changedSheet();
    const std::string before = bytes(form);
    const int steps = form.undoStack()->count();
    const std::string sparse = sparseFile("s.csv");
    messages_.answer(MessageAnswer::Ok);
    window_->dropActions().dropFilesOnGraph(form, 1, {sparse});
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_NE(messages_.asked()[0].text.find("100 GiB"), std::string::npos) << messages_.asked()[0].text;
    EXPECT_EQ(bytes(form), before);
    EXPECT_EQ(form.undoStack()->count(), steps);
}

// Another user links report.pbl in a shared folder to a document of ours: opening the link
// must not open (and a later Ctrl+S must not replace) our document under its name.
TEST_F(HostileFilesTest, ALinkPlantedInASharedFolderIsNotOpenedAndNotSavedThrough)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a link to another user needs root";
    }
    const std::string victim = writeDocument("victim.pbl");
    const std::string shared = pathIn("sticky");
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string planted = shared + "/report.pbl";
    fs::create_symlink(victim, planted);
    constexpr uid_t kOtherUser = 65534;
    ASSERT_EQ(::lchown(planted.c_str(), kOtherUser, kOtherUser), 0);

    messages_.answer(MessageAnswer::Ok);
    EXPECT_TRUE(window_->fileActions().openDocuments({planted}).empty());
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text,
              "ファイルを開けません: " + planted + ": 他のユーザーが共有フォルダーに置いたリンクはたどりません");
    EXPECT_TRUE(window_->picForms().empty());
    EXPECT_TRUE(RecentFiles(settings_).paths().empty());

    // Saving a new sheet under the link's name is refused too, and the victim keeps its bytes.
    const auto victimBytes = fs::file_size(victim);
    paperSizes_.answer(210297);
    PicForm* form = window_->fileActions().npdNew();
    changeContent(*form);
    fileDialogs_.answerSave(planted);
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().npdSave(*form), SaveOutcome::Failed);
    EXPECT_EQ(form->fName(), "新規作成1");
    EXPECT_EQ(fs::file_size(victim), victimBytes);
}

TEST_F(HostileFilesTest, ARecentEntryThatBecameAFolderOrAPipeIsNamedForWhatItIs)
{
    const std::string folder = pathIn("was-a-document.pbl");
    fs::create_directory(folder);
    const std::string pipe = pathIn("pipe.pbl");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    RecentFiles(settings_).add(folder);
    RecentFiles(settings_).add(pipe);
    messages_.answer(MessageAnswer::Ok);
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().openRecent(folder), nullptr);
    EXPECT_EQ(window_->fileActions().openRecent(pipe), nullptr);
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_EQ(messages_.asked()[0].text,
              "\"" + folder + "\" はフォルダーで、ファイルではありません。\n最近使ったファイルの一覧から外します。");
    EXPECT_EQ(messages_.asked()[1].text,
              "\"" + pipe + "\" は名前付きパイプで、ファイルではありません。\n最近使ったファイルの一覧から外します。");
    EXPECT_TRUE(RecentFiles(settings_).paths().empty());
}

}  // namespace
}  // namespace probel::test
