// SPDX-License-Identifier: MIT
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/edit_menu.h"
#include "app/file_actions.h"
#include "app/menu_mnemonics.h"
#include "app/pic_form.h"
#include "app/recent_files.h"
#include "app/sheet_menus.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"

namespace probel::test {
namespace {

// The Alt letters of a caption: each '&' not doubled marks the character after it.
std::vector<QChar> altLetters(const QString& caption)
{
    std::vector<QChar> letters;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] != u'&') {
            letters.push_back(caption[i + 1]);
        }
        ++i;
    }
    return letters;
}

class MenuLettersTest : public AppTest {
protected:
    // Each entry of `entries` (a menu's actions, or the menu bar's) that is no separator has one
    // Alt letter, a letter or digit no other entry has; returns the letters by caption.
    std::map<QChar, std::string> expectOneLetterEach(const QList<QAction*>& entries, const std::string& menu)
    {
        std::map<QChar, std::string> taken;
        for (const QAction* entry : entries) {
            if (entry->isSeparator()) {
                continue;
            }
            const std::string caption = entry->text().toStdString();
            const std::vector<QChar> letters = altLetters(entry->text());
            EXPECT_EQ(letters.size(), 1U) << menu << ": " << caption;
            if (letters.empty()) {
                continue;
            }
            const QChar letter = letters.front().toUpper();
            EXPECT_TRUE(letter.isLetterOrNumber() && letter.unicode() < 0x80) << menu << ": " << caption;
            const auto [where, added] = taken.emplace(letter, caption);
            EXPECT_TRUE(added) << menu << ": " << caption << " and " << where->second << " share "
                               << QString(letter).toStdString();
        }
        return taken;
    }

    // Every menu of the menu bar, opened as the user opens it, and the submenus in it.
    void expectLettersInMenu(QMenu& menu, std::vector<std::string>& walked)
    {
        emit menu.aboutToShow();
        walked.push_back(menu.objectName().toStdString());
        const std::map<QChar, std::string> letters = expectOneLetterEach(menu.actions(), menu.title().toStdString());
        if (&menu == window_->menuFile()) {
            // P and V are kept for 印刷 and 印刷プレビュー.
            for (const auto& [letter, caption] : letters) {
                if (letter == u'P' || letter == u'V') {
                    EXPECT_NE(caption.find("印刷"), std::string::npos) << caption << " takes a letter of printing";
                }
            }
        }
        for (QAction* entry : menu.actions()) {
            if (QMenu* submenu = entry->menu()) {
                expectLettersInMenu(*submenu, walked);
            }
        }
    }

    // The sheet's context menus, as the right button opens them; each is looked at and closed.
    void watchContextMenus(std::vector<std::string>& shown)
    {
        window_->sheetMenus().setPopUp([this, &shown](QMenu& menu, QPoint) -> QAction* {
            shown.push_back(menu.objectName().toStdString());
            expectOneLetterEach(menu.actions(), menu.objectName().toStdString());
            return nullptr;
        });
    }
};

TEST_F(MenuLettersTest, EveryEntryOfTheMainMenusHasAnAltLetterOfItsOwn)
{
    // Eleven sheets: the Window menu lists each with a letter, also past the ninth.
    RecentFiles recent(settings_);
    for (int i = 0; i < 11; ++i) {
        paperSizes_.answer(210297);
        ASSERT_NE(window_->fileActions().npdNew(), nullptr);
        recent.add(pathIn("recent&" + std::to_string(i) + ".pbl"));
    }
    // The Edit menu's entries name the change they take back.
    changeContent(*window_->activeSheet());
    window_->activeSheet()->undoStack()->undo();
    ASSERT_TRUE(window_->editMenu().redoAction()->isEnabled());
    changeContent(*window_->activeSheet());

    std::vector<std::string> walked;
    expectOneLetterEach(window_->menuBar()->actions(), "menu bar");
    for (QAction* entry : window_->menuBar()->actions()) {
        if (QMenu* menu = entry->menu()) {
            expectLettersInMenu(*menu, walked);
        }
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"MenuFile", "MenuRecent", "MenuEdit", "MenuWindow"}));
    EXPECT_EQ(window_->menuWindow()->actions().size(), 3 + 1 + 11);
    EXPECT_EQ(window_->findChild<QMenu*>(QStringLiteral("MenuRecent"))->actions().size(), 8);
}

TEST_F(MenuLettersTest, EveryEntryOfTheSheetsContextMenusHasAnAltLetterOfItsOwn)
{
    std::vector<std::string> shown;
    watchContextMenus(shown);
    const std::string document = writeDocument("menus.pbl");
    const std::string example = std::string(PROBEL_SOURCE_DIR) + "/examples/sample-sheet.pbl";
    ASSERT_EQ(window_->fileActions().openDocuments({document, example}).size(), 2U);
    PicForm* empty = window_->picForms().find(document);
    PicForm* withData = window_->picForms().find(example);
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(withData, nullptr);
    ASSERT_NE(withData->sheet().graph(*withData->sheet().graphNumberAt(1))->dataIfAny(), nullptr);

    rightPress(empty->mainPic(), QPoint(600, 900));
    rightPress(empty->comLabel(1));
    rightPress(empty->sekFrame(1));
    rightPress(withData->sekFrame(*withData->sheet().graphNumberAt(1)));
    EXPECT_EQ(shown, (std::vector<std::string>{"CMenu", "ComMenu", "SekMenu", "SekMenu"}));
}

TEST(MenuMnemonicsTest, ListEntriesKeepALetterOfTheirOwnPastTheNinth)
{
    EXPECT_EQ(numberedEntry(1, QStringLiteral("R&D.pbl"), QStringLiteral("CHV")).toStdString(), "&1 R&&D.pbl");
    EXPECT_EQ(numberedEntry(9, QStringLiteral("a"), QString()).toStdString(), "&9 a");
    EXPECT_EQ(numberedEntry(10, QStringLiteral("a"), QString()).toStdString(), "1&0 a");
    // A and B are free; C is the menu's own.
    EXPECT_EQ(numberedEntry(11, QStringLiteral("a"), QStringLiteral("CHV")).toStdString(), "&A 11 a");
    EXPECT_EQ(numberedEntry(13, QStringLiteral("a"), QStringLiteral("CHV")).toStdString(), "&D 13 a");
    // 10 digits and the 23 letters left: the 34th has none.
    EXPECT_EQ(numberedEntry(33, QStringLiteral("a"), QStringLiteral("CHV")).toStdString(), "&Z 33 a");
    EXPECT_EQ(numberedEntry(34, QStringLiteral("a"), QStringLiteral("CHV")).toStdString(), "34 a");
    EXPECT_EQ(mnemonicOf(QStringLiteral("R&&D(&S)")), QChar(u'S'));
    EXPECT_TRUE(mnemonicOf(QStringLiteral("R&&D")).isNull());
}

}  // namespace
}  // namespace probel::test
