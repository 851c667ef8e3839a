// SPDX-License-Identifier: MIT
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/file_actions.h"
#include "app/output_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"

#include <unistd.h>

namespace probel::test {
namespace {

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

using FileActionsTest = AppTest;

TEST_F(FileActionsTest, FileMenuEnablesSavingClosingAndOutputOnlyWithASheet)
{
    struct Expected {
        bool close, save, saveAs, print, pdf, bitmap;
    };
    const auto check = [this](const Expected& expected, const char* when) {
        EXPECT_EQ(fileEntry("MenuClose")->isEnabled(), expected.close) << when;
        EXPECT_EQ(fileEntry("NPDNewSave")->isEnabled(), expected.save) << when;
        EXPECT_EQ(fileEntry("NPDSave")->isEnabled(), expected.saveAs) << when;
        EXPECT_EQ(fileEntry("MenuPrint")->isEnabled(), expected.print) << when;
        EXPECT_EQ(fileEntry("MenuPdf")->isEnabled(), expected.pdf) << when;
        EXPECT_EQ(fileEntry("MenuBitmap")->isEnabled(), expected.bitmap) << when;
        EXPECT_TRUE(fileEntry("NPDNew")->isEnabled()) << when;
        EXPECT_TRUE(fileEntry("NPDOpen")->isEnabled()) << when;
    };
    check({false, false, false, false, false, false}, "no sheet");

    paperSizes_.answer(210297);
    PicForm* untitled = window_->fileActions().npdNew();
    ASSERT_NE(untitled, nullptr);
    // 上書き保存 of a sheet without a file asks for a name, as 名前を付けて保存 does.
    check({true, true, true, true, true, true}, "new sheet never saved");

    const std::string path = writeDocument("saved.pbl");
    ASSERT_EQ(window_->fileActions().openDocuments({path}).size(), 1U);
    check({true, true, true, true, true, true}, "sheet read from its file");

    window_->mdiArea()->closeAllSubWindows();
    settle();
    check({false, false, false, false, false, false}, "every sheet closed");
}

TEST_F(FileActionsTest, FileMenuHoldsTheEntriesInOrderWithSeparators)
{
    std::vector<std::string> captions;
    for (const QAction* action : window_->menuFile()->actions()) {
        captions.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    }
    const std::vector<std::string> expected = {"新規作成(&N)",
                                               "開く(&O)",
                                               "閉じる(&C)",
                                               "-",
                                               "上書き保存(&S)",
                                               "名前を付けて保存(&A)",
                                               "-",
                                               "印刷(&P)…",
                                               "印刷プレビュー(&V)…",
                                               "PDF保存(&D)",
                                               "-",
                                               "ビットマップ保存(&B)",
                                               "画像として保存(&I)…",
                                               "-",
                                               "最近使ったファイル(&R)",
                                               "-",
                                               "終了(&X)"};
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(window_->menuFile()->title().toStdString(), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(window_->findChild<QAction*>(QStringLiteral("MenuQuit"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(window_->windowTitle().toStdString(), "NormoProbel");
}

TEST_F(FileActionsTest, NewSheetsTakeTheFirstFreeGeneratedNameAndTheChosenPaper)
{
    paperSizes_.answer(297210);
    paperSizes_.answer(210297);
    PicForm* first = window_->fileActions().npdNew();
    PicForm* second = window_->fileActions().npdNew();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->fName(), "新規作成1");
    EXPECT_EQ(first->windowTitle().toStdString(), "新規作成1[*]");
    EXPECT_EQ(first->myFormType(), 297210);
    EXPECT_EQ(first->mainPic()->size(), QSize(1123, 794));
    EXPECT_FALSE(first->moveFlag());
    EXPECT_EQ(second->fName(), "新規作成2");
    EXPECT_EQ(window_->picForms().find("新規作成2"), second);

    // With one of two closed, the count gives 2 again, which is still in use.
    first->parentWidget()->close();
    settle();
    ASSERT_EQ(window_->picForms().count(), 1);
    paperSizes_.answer(210297);
    PicForm* third = window_->fileActions().npdNew();
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->fName(), "新規作成3");
    EXPECT_EQ(paperSizes_.asked(), 3);
}

TEST_F(FileActionsTest, OpenReadsEveryChosenFileTheLastChosenFirst)
{
    const std::string a = writeDocument("a.pbl", {.graphs = 2});
    const std::string b = writeDocument("b.pbl", {.paperCode = 297210});
    const std::string c = writeDocument("c.pbl", {.labelCaption = ""});
    fileDialogs_.answerOpen({a, b, c});
    const std::vector<PicForm*> opened = window_->fileActions().npdOpen();

    ASSERT_EQ(fileDialogs_.calls().size(), 1U);
    EXPECT_EQ(fileDialogs_.calls()[0].filter, "Probelﾌｧｲﾙ(*.pbl)|*.pbl|全てのﾌｧｲﾙ(*.*)|*.*");
    ASSERT_EQ(opened.size(), 3U);
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{c, b, a}));
    EXPECT_EQ(window_->activeSheet(), window_->picForms().find(a));

    const PicForm* sheetA = window_->picForms().find(a);
    EXPECT_EQ(sheetA->windowTitle().toStdString(), a + "[*]");
    EXPECT_FALSE(sheetA->moveFlag());
    ASSERT_NE(sheetA->sekFrame(1), nullptr);
    ASSERT_NE(sheetA->sekFrame(2), nullptr);
    EXPECT_EQ(sheetA->sekFrame(2)->geometry(), QRect(340, 60, 260, 320));
    EXPECT_EQ(sheetA->sekFrame(1)->toolTip().toStdString(), "右クリックでデータ、グラフの設定");
    ASSERT_NE(sheetA->comLabel(1), nullptr);
    EXPECT_EQ(sheetA->comLabel(1)->pos(), QPoint(100, 420));
    EXPECT_EQ(sheetA->comLabel(1)->toolTip().toStdString(), "右クリックでテキストの設定");
    EXPECT_EQ(window_->picForms().find(b)->mainPic()->size(), QSize(1123, 794));
    EXPECT_EQ(window_->picForms().find(c)->comLabel(1), nullptr);
}

TEST_F(FileActionsTest, AFileAlreadyOpenIsNotOpenedTwiceByNameOrThroughALink)
{
    const std::string path = writeDocument("lot.pbl");
    const std::string link = pathIn("link-to-lot.pbl");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(window_->fileActions().openDocuments({path}).size(), 1U);
    PicForm* open = window_->picForms().find(path);
    ASSERT_NE(open, nullptr);
    changeContent(*open);

    fileDialogs_.answerOpen({path, link});
    EXPECT_TRUE(window_->fileActions().npdOpen().empty());
    EXPECT_TRUE(window_->fileActions().openDocuments({pathIn("./lot.pbl")}).empty());
    EXPECT_EQ(window_->picForms().count(), 1);
    EXPECT_TRUE(open->moveFlag()) << "the open sheet is left as it was";
}

TEST_F(FileActionsTest, NamesDifferingOnlyInLetterCaseAreTwoFiles)
{
    const std::string lower = writeDocument("lot.pbl");
    const std::string upper = writeDocument("LOT.pbl", {.graphs = 3});
    EXPECT_EQ(window_->fileActions().openDocuments({lower, upper}).size(), 2U);
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{lower, upper}));
    EXPECT_NE(window_->picForms().find(upper)->sekFrame(3), nullptr);
}

TEST_F(FileActionsTest, AnUnreadableDocumentIsReportedWithFileAndLineAndLeavesNoSheet)
{
    const std::string path = pathIn("broken.pbl");
    {
        std::ofstream out(path, std::ios::binary);
        out << "\"0100\"\r\n1\r\n1\r\n0\r\n210297\r\nnot a number\r\n";
    }
    messages_.answer(MessageAnswer::Ok);
    EXPECT_TRUE(window_->fileActions().openDocuments({path}).empty());
    EXPECT_TRUE(window_->picForms().empty());
    EXPECT_TRUE(window_->mdiArea()->subWindowList().isEmpty());
    ASSERT_EQ(messages_.asked().size(), 1U);
    const std::string& text = messages_.asked()[0].text;
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_NE(text.find("行目"), std::string::npos) << text;
}

TEST_F(FileActionsTest, AMissingFileIsSkippedWithAMessageNamingItAndTheOthersOpen)
{
    const std::string present = writeDocument("present.pbl");
    const std::string missing = pathIn("missing.pbl");
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().openDocuments({missing, present}).size(), 1U);
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_NE(messages_.asked()[0].text.find(missing), std::string::npos);
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{present}));
}

TEST_F(FileActionsTest, CancellingTheOpenDialogOpensNothing)
{
    fileDialogs_.answerOpen({});
    EXPECT_TRUE(window_->fileActions().npdOpen().empty());
    EXPECT_TRUE(window_->picForms().empty());
}

// A name typed without an extension is saved with .pbl, so that 開く's filter shows it; the
// sheet is renamed and rekeyed by that path.
TEST_F(FileActionsTest, SaveAsAddsTheExtensionToANameTypedWithoutOneAndRekeysTheSheet)
{
    paperSizes_.answer(148210);
    PicForm* form = window_->fileActions().npdNew();
    ASSERT_NE(form, nullptr);
    changeContent(*form);
    fileDialogs_.answerSave(pathIn("shaft"));

    EXPECT_EQ(window_->fileActions().npdSave(*form), SaveOutcome::Saved);
    ASSERT_EQ(fileDialogs_.calls().size(), 1U);
    EXPECT_EQ(fileDialogs_.calls()[0].filter, "Probelﾌｧｲﾙ(*.pbl)|*.pbl");
    EXPECT_EQ(fileDialogs_.calls()[0].defaultExtension, "pbl");
    EXPECT_EQ(fileDialogs_.calls()[0].initialDir, QDir::homePath().toStdString()) << "nothing chosen before";
    EXPECT_EQ(fileDialogs_.calls()[0].initialName, "新規作成1.pbl");
    const std::string saved = pathIn("shaft.pbl");
    EXPECT_TRUE(std::filesystem::is_regular_file(saved));
    EXPECT_FALSE(std::filesystem::exists(pathIn("shaft")));
    EXPECT_EQ(form->fName(), saved);
    EXPECT_EQ(form->windowTitle().toStdString(), saved + "[*]");
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{saved}));
    EXPECT_FALSE(form->moveFlag());
    EXPECT_TRUE(fileEntry("NPDNewSave")->isEnabled());

    // Saving again starts in the file's folder with its name; one typed with an extension is
    // taken as typed.
    const std::string other = pathIn("lot.v2");
    fileDialogs_.answerSave(other);
    EXPECT_EQ(window_->fileActions().npdSave(*form), SaveOutcome::Saved);
    EXPECT_EQ(fileDialogs_.calls()[1].initialDir, folder_.path().toStdString());
    EXPECT_EQ(fileDialogs_.calls()[1].initialName, "shaft.pbl");
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{other}));
    EXPECT_EQ(window_->picForms().count(), 1);
}

// Every file dialog starts in the active sheet's folder, else in the folder chosen last; the
// exports suggest the sheet's name with their own extension.
TEST_F(FileActionsTest, FileDialogsStartBesideTheSheetOrWhereTheLastOneEnded)
{
    const std::string lot = writeDocument("lot.pbl", {.graphs = 1, .labelCaption = ""});
    fileDialogs_.answerOpen({lot});
    window_->fileActions().npdOpen();
    EXPECT_EQ(fileDialogs_.calls()[0].initialDir, QDir::homePath().toStdString());
    PicForm& form = *window_->activeSheet();

    fileDialogs_.answerOpen({});
    window_->fileActions().npdOpen();
    EXPECT_EQ(fileDialogs_.calls()[1].initialDir, folder_.path().toStdString()) << "beside the active sheet";

    fileDialogs_.answerSave(pathIn("lot-page"));
    window_->outputActions().menuPdf(form);
    EXPECT_EQ(fileDialogs_.calls()[2].initialDir, folder_.path().toStdString());
    EXPECT_EQ(fileDialogs_.calls()[2].initialName, "lot.pdf");
    EXPECT_TRUE(std::filesystem::is_regular_file(pathIn("lot-page.pdf")));
    fileDialogs_.answerSave({});
    window_->outputActions().menuBitmap(form);
    EXPECT_EQ(fileDialogs_.calls()[3].initialName, "lot.bmp");
    fileDialogs_.answerSave({});
    window_->outputActions().menuImage(form);
    EXPECT_EQ(fileDialogs_.calls()[4].initialName, "lot.png");

    // A sheet never saved starts where the last dialog ended.
    paperSizes_.answer(148210);
    PicForm* fresh = window_->fileActions().npdNew();
    ASSERT_NE(fresh, nullptr);
    fileDialogs_.answerSave({});
    window_->fileActions().npdSave(*fresh);
    EXPECT_EQ(fileDialogs_.calls()[5].initialDir, folder_.path().toStdString());
}

TEST_F(FileActionsTest, SaveWritesTheSheetOverItsFileAndClearsTheFlag)
{
    const std::string path = writeDocument("lot.pbl", {.graphs = 1, .labelCaption = ""});
    ASSERT_EQ(window_->fileActions().openDocuments({path}).size(), 1U);
    PicForm* form = window_->picForms().find(path);
    ChartLabel label;
    label.caption = "追加した文字";
    label.visible = true;
    form->edit<ChangeTextLabel>(1, std::nullopt, label);

    EXPECT_EQ(window_->fileActions().npdNewSave(*form), SaveOutcome::Saved);
    EXPECT_FALSE(form->moveFlag());
    EXPECT_EQ(form->fName(), path);
    EXPECT_NE(fileBytes(path).find("\x92\xc7\x89\xc1"), std::string::npos) << "the new label (CP932) is in the file";
    EXPECT_TRUE(fileDialogs_.calls().empty());
}

TEST_F(FileActionsTest, SaveAsOntoTheFileOfAnotherOpenSheetIsRefusedInTheDialog)
{
    const std::string first = writeDocument("first.pbl");
    const std::string second = writeDocument("second.pbl");
    ASSERT_EQ(window_->fileActions().openDocuments({first, second}).size(), 2U);
    PicForm* form = window_->picForms().find(second);
    const std::string before = fileBytes(first);
    const std::string third = pathIn("third.pbl");
    fileDialogs_.answerSave(first);
    fileDialogs_.answerSave(third);  // the dialog stays open and the user names another file
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().npdSave(*form), SaveOutcome::Saved);
    ASSERT_EQ(fileDialogs_.calls().size(), 1U);
    EXPECT_EQ(fileDialogs_.calls()[0].refused, (std::vector<std::string>{first}));
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_NE(messages_.asked()[0].text.find("別のウィンドウで開いています"), std::string::npos);
    EXPECT_EQ(fileBytes(first), before);
    EXPECT_EQ(form->fName(), third);
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{first, third}));
}

TEST_F(FileActionsTest, SaveAsOntoTheDeletedFileOfAnotherOpenSheetIsRefused)
{
    const std::string first = writeDocument("first.pbl");
    const std::string second = writeDocument("second.pbl");
    ASSERT_EQ(window_->fileActions().openDocuments({first, second}).size(), 2U);
    std::filesystem::remove(first);  // deleted behind the program's back; its sheet stays open
    PicForm* form = window_->picForms().find(second);
    fileDialogs_.answerSave(first);  // refused; the user then cancels the dialog
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().npdSave(*form), SaveOutcome::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_EQ(form->fName(), second);
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{first, second}));
}

// A failed write leaves the old file, the sheet's name and its MoveFlag as they were.
class SaveFailureTest : public AppTest {
protected:
    // The sheet of the document `path`, opened and changed.
    PicForm& openChanged(const std::string& path)
    {
        EXPECT_EQ(window_->fileActions().openDocuments({path}).size(), 1U);
        PicForm* form = window_->picForms().find(path);
        ChartLabel changed = *form->sheet().comLabel(1);
        changed.caption = "変更";
        form->edit<ChangeTextLabel>(1, *form->sheet().comLabel(1), changed);
        return *form;
    }
    void expectNothingChanged(PicForm& form, const std::string& name, const std::string& oldPath,
                              const std::string& oldBytes)
    {
        ASSERT_EQ(messages_.asked().size(), 1U);
        EXPECT_EQ(messages_.asked()[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(form.fName(), name);
        EXPECT_EQ(window_->picForms().find(name), &form);
        EXPECT_TRUE(form.moveFlag());
        if (!oldPath.empty()) {
            EXPECT_EQ(fileBytes(oldPath), oldBytes);
        }
    }
};

TEST_F(SaveFailureTest, SaveAsIntoAMissingFolder)
{
    paperSizes_.answer(210297);
    PicForm* form = window_->fileActions().npdNew();
    changeContent(*form);
    const std::string target = pathIn("no-such-folder/lot.pbl");
    fileDialogs_.answerSave(target);
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().npdSave(*form), SaveOutcome::Failed);
    expectNothingChanged(*form, "新規作成1", {}, {});
    EXPECT_NE(messages_.asked()[0].text.find(target), std::string::npos) << messages_.asked()[0].text;
}

TEST_F(SaveFailureTest, SaveIntoAFolderThatBecameReadOnly)
{
    if (runningAsRoot()) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    const std::string path = writeDocument("lot.pbl");
    PicForm& form = openChanged(path);
    const std::string before = fileBytes(path);
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner);
    messages_.answer(MessageAnswer::Ok);
    const SaveOutcome outcome = window_->fileActions().npdNewSave(form);
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(outcome, SaveOutcome::Failed);
    expectNothingChanged(form, path, path, before);
}

// The file's own mode says read-only, so this holds for root as well.
TEST_F(SaveFailureTest, SaveOverAReadOnlyFile)
{
    const std::string path = writeDocument("lot.pbl");
    PicForm& form = openChanged(path);
    const std::string before = fileBytes(path);
    QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    messages_.answer(MessageAnswer::Ok);
    EXPECT_EQ(window_->fileActions().npdNewSave(form), SaveOutcome::Failed);
    expectNothingChanged(form, path, path, before);
    EXPECT_NE(messages_.asked()[0].text.find("読み取り専用"), std::string::npos) << messages_.asked()[0].text;
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(path).permissions(), perms::owner_read | perms::group_read | perms::others_read);
}

TEST_F(SaveFailureTest, SaveAsOntoAFullFileSystemKeepsTheOldFile)
{
    if (!runningAsRoot()) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const std::string mountPoint = pathIn("small");
    std::filesystem::create_directory(mountPoint);
    const std::string mount = "mount -t tmpfs -o size=64k probel-test " + mountPoint + " 2>/dev/null";
    if (std::system(mount.c_str()) != 0) {
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    }
    // Unmounted however the test ends, so the temporary folder can go.
    struct Unmount {
        std::string command;
        ~Unmount() { EXPECT_EQ(std::system(command.c_str()), 0); }
    } unmount{"umount " + mountPoint};
    const std::string target = mountPoint + "/lot.pbl";
    {
        std::ofstream(target, std::ios::binary) << "old contents";
        std::ofstream filler(mountPoint + "/filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 64 && filler.write(block.data(), static_cast<std::streamsize>(block.size())); ++i) {
            filler.flush();
        }
    }
    paperSizes_.answer(210297);
    PicForm* form = window_->fileActions().npdNew();
    arrangeSheet(*form, [](ChartSheet& sheet) {
        for (int i = 0; i < 40; ++i) {
            sheet.comLabel(sheet.addComLabel())->caption = std::string(200, 'a');
        }
    });
    changeContent(*form);
    fileDialogs_.answerSave(target);
    messages_.answer(MessageAnswer::Ok);
    const SaveOutcome outcome = window_->fileActions().npdSave(*form);
    EXPECT_EQ(outcome, SaveOutcome::Failed);
    expectNothingChanged(*form, "新規作成1", target, "old contents");
}

}  // namespace
}  // namespace probel::test
