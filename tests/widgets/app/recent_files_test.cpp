// SPDX-License-Identifier: MIT
#include "app/recent_files.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/file_actions.h"
#include "app/mdi_output.h"
#include "app/pic_form.h"
#include "app_fixture.h"

namespace probel::test {
namespace {

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAndAtMostEight)
{
    InMemorySettingsStore settings;
    RecentFiles recent(settings);
    for (int i = 1; i <= 10; ++i) {
        recent.add("/d/" + std::to_string(i) + ".pbl");
    }
    recent.add("/d/5.pbl");
    EXPECT_EQ(recent.paths(), (std::vector<std::string>{"/d/5.pbl", "/d/10.pbl", "/d/9.pbl", "/d/8.pbl", "/d/7.pbl",
                                                        "/d/6.pbl", "/d/4.pbl", "/d/3.pbl"}));
    EXPECT_EQ(settings.getSetting("Recent", "File1", "-"), "/d/5.pbl");
    recent.remove("/d/9.pbl");
    EXPECT_EQ(RecentFiles(settings).paths().size(), 7U) << "read back from the store";
    EXPECT_EQ(settings.getSetting("Recent", "File8", "-"), "");

    // A hand-edited section with gaps and a repeat.
    InMemorySettingsStore edited;
    edited.saveSetting("Recent", "File2", "/a.pbl");
    edited.saveSetting("Recent", "File5", "/a.pbl");
    edited.saveSetting("Recent", "File6", "/b.pbl");
    EXPECT_EQ(RecentFiles(edited).paths(), (std::vector<std::string>{"/a.pbl", "/b.pbl"}));
}

using RecentFilesMenuTest = AppTest;

std::vector<std::string> recentEntries(MDIOutput& window)
{
    emit window.menuFile()->aboutToShow();
    std::vector<std::string> entries;
    for (const QAction* action : window.findChild<QMenu*>(QStringLiteral("MenuRecent"))->actions()) {
        entries.push_back(action->text().toStdString());
    }
    return entries;
}

TEST_F(RecentFilesMenuTest, OpenedAndSavedDocumentsAreListedAcrossARestart)
{
    const std::string first = writeDocument("first.pbl");
    const std::string second = writeDocument("R&D.pbl");
    ASSERT_EQ(window_->fileActions().openDocuments({first}).size(), 1U);
    PicForm* form = window_->activeSheet();
    fileDialogs_.answerSave(second);
    ASSERT_EQ(window_->fileActions().npdSave(*form), SaveOutcome::Saved);
    EXPECT_EQ(recentEntries(*window_), (std::vector<std::string>{"&1 " + pathIn("R&&D.pbl"), "&2 " + first}));

    // The next start reads the same settings.
    ASSERT_TRUE(window_->close());
    window_ =
        std::make_unique<MDIOutput>(AppServices{messages_, fileDialogs_, paperSizes_, settings_, labelEditor_,
                                                graphEditor_, dataEditor_, seriesChooser_, clipboard_, printDialogs_});
    window_->show();
    const std::vector<std::string> listed = recentEntries(*window_);
    ASSERT_EQ(listed.size(), 2U);
    window_->findChild<QMenu*>(QStringLiteral("MenuRecent"))->actions()[1]->trigger();
    ASSERT_NE(window_->activeSheet(), nullptr);
    EXPECT_EQ(window_->activeSheet()->fName(), first);
    EXPECT_EQ(recentEntries(*window_).front(), "&1 " + first) << "opening it again puts it first";
}

TEST_F(RecentFilesMenuTest, AFileThatIsGoneIsReportedAndDropped)
{
    const std::string gone = writeDocument("gone.pbl");
    ASSERT_EQ(window_->fileActions().openDocuments({gone}).size(), 1U);
    ASSERT_TRUE(window_->activeSheet()->close());
    std::filesystem::remove(gone);
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().openRecent(gone), nullptr);
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_NE(messages_.asked()[0].text.find("一覧から外します"), std::string::npos);
    EXPECT_TRUE(recentEntries(*window_).empty());
    EXPECT_FALSE(window_->findChild<QMenu*>(QStringLiteral("MenuRecent"))->isEnabled());
}

}  // namespace
}  // namespace probel::test
