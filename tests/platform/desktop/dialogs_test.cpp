// SPDX-License-Identifier: MIT
#include "platform/canvas/font_substitution.h"
#include "platform/desktop/qt_color_dialog.h"
#include "platform/desktop/qt_file_dialogs.h"
#include "platform/desktop/qt_font_dialog.h"
#include "support/desktop/modal_driver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace probel {
namespace {

constexpr auto kOpenFilter = "Probelﾌｧｲﾙ(*.pbl)|*.pbl|全てのﾌｧｲﾙ(*.*)|*.*";
constexpr auto kSaveFilter = "Probelﾌｧｲﾙ(*.pbl)|*.pbl";

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

void typeFileNames(QFileDialog* dialog, const QString& text)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(text);
}

class JapaneseDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::useJapaneseQtTexts(); }
};
using QtFileDialogsTest = JapaneseDialogTest;
using QtColorDialogTest = JapaneseDialogTest;
using QtFontDialogTest = JapaneseDialogTest;

struct SeenDialog {
    QString title;
    QString folder;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
};

// QFileDialog::accept() is protected; through QDialog it is the file dialog's own accept,
// which checks the names and asks before replacing as a click on its button would.
void pressAccept(QDialog* dialog)
{
    dialog->accept();
}

SeenDialog see(QFileDialog* dialog)
{
    // What users read in the file type list.
    QStringList shownFilters;
    if (const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < types->count(); ++i) {
            shownFilters.append(types->itemText(i));
        }
    }
    return {dialog->windowTitle(), dialog->directory().absolutePath(), shownFilters, dialog->fileMode()};
}

TEST_F(QtFileDialogsTest, OpenReturnsEveryChosenFileAsAnAbsolutePath)
{
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("a.pbl")));
    touch(folder.filePath(QStringLiteral("データ 2.pbl")));

    QtFileDialogs dialogs;
    SeenDialog seen;
    test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        seen = see(dialog);
        typeFileNames(dialog, QStringLiteral("\"a.pbl\" \"データ 2.pbl\""));
        pressAccept(dialog);
    });
    const auto chosen = dialogs.openFiles("開く", kOpenFilter, folder.path().toStdString());

    EXPECT_EQ(seen.title, QStringLiteral("開く"));
    EXPECT_EQ(seen.folder, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.filters, (QStringList{QStringLiteral("Probelﾌｧｲﾙ(*.pbl)"), QStringLiteral("全てのﾌｧｲﾙ(*.*)")}));
    EXPECT_EQ(seen.mode, QFileDialog::ExistingFiles);
    const std::vector<std::string> expected = {folder.filePath(QStringLiteral("a.pbl")).toStdString(),
                                               folder.filePath(QStringLiteral("データ 2.pbl")).toStdString()};
    EXPECT_EQ(chosen, expected);
}

TEST_F(QtFileDialogsTest, DatesSizesAndTypesAreJapaneseWhateverTheLocale)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString file = folder.filePath(QStringLiteral("data.pbl"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(300, 'x'));
    }
    QtFileDialogs dialogs;
    QString folderType;
    QString size;
    QString date;
    test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        auto* model = dialog->findChild<QFileSystemModel*>();
        if (model != nullptr && QTest::qWaitFor([&] { return model->index(file).isValid(); })) {
            folderType = model->index(folder.filePath(QStringLiteral("sub")), 2).data().toString();
            size = model->index(file).siblingAtColumn(1).data().toString();
            date = model->index(file).siblingAtColumn(3).data().toString();
        }
        dialog->reject();
    });
    dialogs.openFiles("開く", kOpenFilter, folder.path().toStdString());
    EXPECT_EQ(folderType, QStringLiteral("フォルダ"));
    EXPECT_EQ(size, QStringLiteral("300 バイト"));
    const QDate today = QFileInfo(file).lastModified().date();
    EXPECT_TRUE(date.startsWith(today.toString(QStringLiteral("yyyy/MM/dd")))) << date.toStdString();
}

TEST_F(QtFileDialogsTest, CancelledOpenGivesNothing)
{
    QTemporaryDir folder;
    QtFileDialogs dialogs;
    test::whenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_TRUE(dialogs.openFiles("開く", kOpenFilter, folder.path().toStdString()).empty());
}

TEST_F(QtFileDialogsTest, SaveTakesTheNameAsTypedWithoutAddingAnExtension)
{
    QTemporaryDir folder;
    QtFileDialogs dialogs;
    QString shownName;
    test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        const auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        shownName = edit != nullptr ? edit->text() : QString();
        typeFileNames(dialog, QStringLiteral("report"));
        pressAccept(dialog);
    });
    const std::string chosen =
        dialogs.saveFile("名前を付けて保存", kSaveFilter, folder.path().toStdString(), "old.pbl", {}, "");
    EXPECT_EQ(shownName, QStringLiteral("old.pbl"));
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("report")).toStdString());
}

// A name typed without an extension gets the dialog's, so the file shows under the filter next
// time; the check and the replace question are about that name. One typed with an extension
// is taken as typed.
TEST_F(QtFileDialogsTest, SaveAddsTheExtensionToANameTypedWithoutOne)
{
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("shaft.pbl")));
    QtFileDialogs dialogs;
    // The replace question is answered only where one is expected: an answer left waiting
    // would take the next test's box.
    const auto save = [&](const QString& typed, std::vector<std::string>& checked, int& questions) {
        test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
            if (typed == QStringLiteral("shaft")) {
                test::whenModal<QMessageBox>([&](QMessageBox* box) {
                    ++questions;
                    box->button(QMessageBox::Yes)->click();
                });
            }
            typeFileNames(dialog, typed);
            pressAccept(dialog);
        });
        return dialogs.saveFile(
            "名前を付けて保存", kSaveFilter, folder.path().toStdString(), "",
            [&](const std::string& path) {
                checked.push_back(path);
                return true;
            },
            "pbl");
    };
    std::vector<std::string> checked;
    int questions = 0;
    EXPECT_EQ(save(QStringLiteral("shaft"), checked, questions),
              folder.filePath(QStringLiteral("shaft.pbl")).toStdString());
    EXPECT_EQ(checked, std::vector<std::string>{folder.filePath(QStringLiteral("shaft.pbl")).toStdString()});
    EXPECT_EQ(questions, 1) << "shaft.pbl is there: the user is asked before it is replaced";

    checked.clear();
    questions = 0;
    EXPECT_EQ(save(QStringLiteral("lot.v2"), checked, questions),
              folder.filePath(QStringLiteral("lot.v2")).toStdString());
    EXPECT_EQ(questions, 0);
}

TEST(DefaultExtensionTest, IsAddedOnlyToAFileNameWithoutADot)
{
    EXPECT_EQ(withDefaultExtension("/home/a/shaft", "pbl"), "/home/a/shaft.pbl");
    EXPECT_EQ(withDefaultExtension("/home/a.b/shaft", "pdf"), "/home/a.b/shaft.pdf") << "a dot in a folder's name";
    EXPECT_EQ(withDefaultExtension("/home/a/shaft.PBL", "pbl"), "/home/a/shaft.PBL");
    EXPECT_EQ(withDefaultExtension("/home/a/lot.v2", "pbl"), "/home/a/lot.v2");
    EXPECT_EQ(withDefaultExtension("/home/a/shaft", ""), "/home/a/shaft");
    EXPECT_EQ(withDefaultExtension("", "pbl"), "") << "a cancelled dialog stays cancelled";
}

TEST_F(QtFileDialogsTest, SaveAsksBeforeReplacingAnExistingFile)
{
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("exists.pbl")));
    QtFileDialogs dialogs;
    int questions = 0;
    bool stillOpenAfterNo = false;
    test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        test::whenModal<QMessageBox>([&](QMessageBox* box) {
            ++questions;
            box->button(QMessageBox::No)->click();
        });
        typeFileNames(dialog, QStringLiteral("exists.pbl"));
        pressAccept(dialog);  // asks, and the answer No keeps the dialog open
        stillOpenAfterNo = dialog->isVisible();
        test::whenModal<QMessageBox>([&](QMessageBox* box) {
            ++questions;
            box->button(QMessageBox::Yes)->click();
        });
        pressAccept(dialog);
    });
    const std::string chosen =
        dialogs.saveFile("名前を付けて保存", kSaveFilter, folder.path().toStdString(), "", {}, "");
    EXPECT_EQ(questions, 2);
    EXPECT_TRUE(stillOpenAfterNo);
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("exists.pbl")).toStdString());
}

TEST_F(QtFileDialogsTest, CancelledSaveGivesAnEmptyName)
{
    QtFileDialogs dialogs;
    test::whenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(dialogs.saveFile("名前を付けて保存", kSaveFilter, "", "", {}, ""), "");
}

TEST_F(QtFileDialogsTest, ARefusedNameIsNeverOfferedForReplacing)
{
    QTemporaryDir folder;
    touch(folder.filePath(QStringLiteral("shown.pbl")));
    touch(folder.filePath(QStringLiteral("free.pbl")));
    QtFileDialogs dialogs;
    std::vector<std::string> checked;
    const FileDialogs::NameCheck acceptable = [&](const std::string& path) {
        checked.push_back(path);
        return path.find("shown") == std::string::npos;
    };
    int questions = 0;
    bool stillOpenAfterRefusal = false;
    test::whenModal<QFileDialog>([&](QFileDialog* dialog) {
        // Answers the first replace question, whichever name it comes for.
        test::whenModal<QMessageBox>([&](QMessageBox* box) {
            ++questions;
            box->button(QMessageBox::Yes)->click();
        });
        // Chosen once the folder is listed, so the list's selection and the name agree.
        auto* model = dialog->findChild<QFileSystemModel*>();
        const QString free = folder.filePath(QStringLiteral("free.pbl"));
        if (model == nullptr || !QTest::qWaitFor([&] { return model->index(free).isValid(); })) {
            ADD_FAILURE() << "the folder was not listed";
            dialog->reject();
            return;
        }
        // Typed, as a user would. A row selected in the list wins over the typed name, and
        // the list follows typing only once it has caught up with the listing: no row stays
        // selected, so the name typed is the one taken whatever the timing.
        const auto typeAlone = [dialog](const QString& name) {
            for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
                view->clearSelection();
            }
            typeFileNames(dialog, name);
            for (auto* view : dialog->findChildren<QAbstractItemView*>()) {
                view->clearSelection();
            }
        };
        typeAlone(QStringLiteral("shown.pbl"));
        pressAccept(dialog);  // refused by the check: no replace question, the dialog stays
        stillOpenAfterRefusal = dialog->isVisible();
        typeAlone(QStringLiteral("free.pbl"));
        pressAccept(dialog);
    });
    const std::string chosen =
        dialogs.saveFile("名前を付けて保存", kSaveFilter, folder.path().toStdString(), "", acceptable, "");
    EXPECT_TRUE(stillOpenAfterRefusal);
    EXPECT_EQ(questions, 1) << "only the accepted name is offered for replacing";
    EXPECT_EQ(checked, (std::vector<std::string>{folder.filePath(QStringLiteral("shown.pbl")).toStdString(),
                                                 folder.filePath(QStringLiteral("free.pbl")).toStdString()}));
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("free.pbl")).toStdString());
}

TEST_F(QtColorDialogTest, StartsFromTheGivenColourAndReturnsTheChosenOne)
{
    QtColorDialog dialog;
    QColor shown;
    test::whenModal<QColorDialog>([&](QColorDialog* colors) {
        shown = colors->currentColor();
        colors->setCurrentColor(QColor(0x01, 0x02, 0x03));
        colors->accept();
    });
    EXPECT_EQ(dialog.chooseColor(0x00332211), std::optional<std::int32_t>(0x00030201));
    EXPECT_EQ(shown, QColor(0x11, 0x22, 0x33));

    test::whenModal<QColorDialog>([](QColorDialog* colors) { colors->reject(); });
    EXPECT_EQ(dialog.chooseColor(0x00FF0000), std::nullopt);
}

TEST_F(QtFontDialogTest, AcceptingUnchangedGivesBackTheSameFont)
{
    // Windows names this system lacks keep their name; every style survives the round trip.
    const std::vector<CanvasFont> fonts = {
        {"ＭＳ Ｐゴシック", 11, true, false, false, false},
        {"ＭＳ 明朝", 9, false, false, false, false},
        {"DejaVu Sans", 12, false, true, false, true},
        {"DejaVu Serif", 10, true, true, true, false},
    };
    // As the program runs: Windows names are drawn with their IPA substitutes.
    installFontSubstitutions();
    QtFontDialog dialog;
    for (const auto& initial : fonts) {
        QString shownFamily;
        test::whenModal<QFontDialog>([&](QFontDialog* chooser) {
            shownFamily = chooser->currentFont().family();
            chooser->accept();
        });
        const auto kept = dialog.chooseFont(initial);
        const QString substitute = ipaFamilyFor(QString::fromStdString(initial.name));
        // Under the name the font database gives the family in the program's language.
        const QString drawnFamily = QFontInfo(QFont(substitute)).family();
        EXPECT_EQ(shownFamily, substitute.isEmpty() ? QString::fromStdString(initial.name) : drawnFamily);
        ASSERT_TRUE(kept.has_value());
        EXPECT_EQ(kept->name, initial.name);
        EXPECT_EQ(kept->size, initial.size) << initial.name;
        EXPECT_EQ(kept->bold, initial.bold) << initial.name;
        EXPECT_EQ(kept->italic, initial.italic) << initial.name;
        EXPECT_EQ(kept->strikethru, initial.strikethru) << initial.name;
        EXPECT_EQ(kept->underline, initial.underline) << initial.name;
    }
}

TEST_F(QtFontDialogTest, ReturnsTheChosenFontAndNothingWhenCancelled)
{
    QtFontDialog dialog;
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setStyleName(QStringLiteral("Italic"));  // as the user picks it from the list
    chosen.setPointSize(14);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    test::whenModal<QFontDialog>([&](QFontDialog* fonts) {
        fonts->setCurrentFont(chosen);
        fonts->accept();
    });
    const auto result = dialog.chooseFont(CanvasFont{});
    ASSERT_TRUE(result.has_value());
    const CanvasFont expected{"DejaVu Serif", 14, false, true, true, true};
    EXPECT_EQ(*result, expected);

    test::whenModal<QFontDialog>([](QFontDialog* fonts) { fonts->reject(); });
    EXPECT_EQ(dialog.chooseFont(CanvasFont{}), std::nullopt);
}

}  // namespace
}  // namespace probel
