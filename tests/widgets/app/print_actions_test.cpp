// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QPrinter>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/file_actions.h"
#include "app/output_actions.h"
#include "app/pic_form.h"
#include "app/sheet_printing.h"
#include "app_fixture.h"
#include "support/desktop/pdf_pages.h"

namespace probel::test {
namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
// Fine enough to see a line out of place, coarse enough to keep the test quick.
constexpr int kComparedDpi = 100;

class PrintActionsTest : public AppTest {
protected:
    // A sheet of A4 paper lying, so a page of the printer's usual A4 upright would show.
    PicForm& openSheet()
    {
        const std::vector<PicForm*> opened =
            window_->fileActions().openDocuments({writeDocument("lot.pbl", {.paperCode = 297210, .graphs = 2})});
        EXPECT_EQ(opened.size(), 1U);
        return *opened.front();
    }

    static QByteArray bytesOf(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The PDF files in the test's folder.
    QStringList pdfsWritten() const { return QDir(folder_.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

    static void expectOnePageOfA4Lying(const std::string& pdf)
    {
        const PdfPages pages = pdfPages(bytesOf(pdf));
        EXPECT_EQ(pages.count, 1);
        ASSERT_EQ(pages.mediaBoxes.size(), 1U);
        EXPECT_NEAR(pages.mediaBoxes[0].width(), 297 * kPointsPerMillimetre, 1.0);
        EXPECT_NEAR(pages.mediaBoxes[0].height(), 210 * kPointsPerMillimetre, 1.0);
    }

    // The sheet as printSheet puts it on a printer's page, written to `pdf`.
    static void printDirectly(const ChartSheet& sheet, const std::string& pdf)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        presetPrinter(sheet, printer);
        const Status printed = printSheet(sheet, printer);
        ASSERT_TRUE(printed.ok()) << printed.error().message;
    }

    static void expectSameLook(const std::string& pdf, const std::string& expected)
    {
        if (!havePdfRasteriser()) {
            return;
        }
        const auto page = rasterisePdf(QString::fromStdString(pdf), kComparedDpi);
        const auto wanted = rasterisePdf(QString::fromStdString(expected), kComparedDpi);
        ASSERT_TRUE(page && wanted);
        EXPECT_EQ(page->size(), wanted->size());
        EXPECT_TRUE(*page == *wanted) << "the two pages render to different pixels";
    }
};

TEST_F(PrintActionsTest, EntriesFollowTheActiveSheetAndCarryTheirNames)
{
    QAction* print = fileEntry("MenuPrint");
    QAction* preview = fileEntry("MenuPrintPreview");
    ASSERT_TRUE(print && preview);
    EXPECT_FALSE(print->isEnabled());
    EXPECT_FALSE(preview->isEnabled());
    EXPECT_EQ(print->text().toStdString(), "印刷(&P)…");
    EXPECT_EQ(preview->text().toStdString(), "印刷プレビュー(&V)…");
    EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));

    openSheet();
    EXPECT_TRUE(fileEntry("MenuPrint")->isEnabled());
    EXPECT_TRUE(fileEntry("MenuPrintPreview")->isEnabled());

    // Screen readers read the entries as the menu shows them.
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window_->menuFile());
    ASSERT_NE(menu, nullptr);
    QStringList names;
    for (int i = 0; i < menu->childCount(); ++i) {
        names.append(menu->child(i)->text(QAccessible::Name));
    }
    EXPECT_TRUE(names.contains(QStringLiteral("印刷(P)…"))) << names.join(u'|').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("印刷プレビュー(V)…"))) << names.join(u'|').toStdString();

    window_->mdiArea()->closeAllSubWindows();
    settle();
    EXPECT_FALSE(fileEntry("MenuPrint")->isEnabled());
    EXPECT_FALSE(fileEntry("MenuPrintPreview")->isEnabled());
}

TEST_F(PrintActionsTest, WithoutAPrinterPrintingSaysSoAndOpensNoDialog)
{
    openSheet();
    messages_.answer(MessageAnswer::Ok);
    fileEntry("MenuPrint")->trigger();
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text, "プリンターが見つかりません。");
    EXPECT_EQ(messages_.asked()[0].title, "印刷エラー");
    EXPECT_TRUE(printDialogs_.printDialogs().empty());
    EXPECT_TRUE(pdfsWritten().isEmpty());
    EXPECT_TRUE(window_->isEnabled());
}

TEST_F(PrintActionsTest, ThePrintDialogOffersTheSheetsPaperAndPrintsOnePageOfIt)
{
    PicForm& form = openSheet();
    const std::string printed = pathIn("printed.pdf");
    printDialogs_.installPdfPrinter(printed);
    printDialogs_.answer(true);
    fileEntry("MenuPrint")->trigger();

    ASSERT_EQ(printDialogs_.printDialogs().size(), 1U);
    const ShownPrinter& shown = printDialogs_.printDialogs()[0];
    EXPECT_EQ(shown.layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(shown.layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(shown.docName, QStringLiteral("lot.pbl"));
    EXPECT_TRUE(messages_.asked().empty());
    expectOnePageOfA4Lying(printed);
    const std::string expected = pathIn("expected.pdf");
    printDirectly(form.sheet(), expected);
    expectSameLook(printed, expected);
    EXPECT_TRUE(window_->isEnabled());
}

TEST_F(PrintActionsTest, AnotherPaperChosenInTheDialogGivesWayToTheSheetsPaper)
{
    openSheet();
    const std::string printed = pathIn("printed.pdf");
    printDialogs_.installPdfPrinter(printed);
    printDialogs_.answer(true, [](QPrinter& printer) {
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5)));
    });
    fileEntry("MenuPrint")->trigger();
    expectOnePageOfA4Lying(printed);
}

TEST_F(PrintActionsTest, CancellingThePrintDialogPrintsNothingAndSaysNothing)
{
    openSheet();
    const std::string printed = pathIn("printed.pdf");
    printDialogs_.installPdfPrinter(printed);
    printDialogs_.answer(false);
    fileEntry("MenuPrint")->trigger();
    EXPECT_EQ(printDialogs_.printDialogs().size(), 1U);
    EXPECT_FALSE(std::filesystem::exists(printed));
    EXPECT_TRUE(messages_.asked().empty());
}

TEST_F(PrintActionsTest, APrinterThatCannotPrintIsReportedAndTheWindowRestored)
{
    openSheet();
    // A printer that writes below a file: its job cannot start.
    const std::string blocker = writeDocument("blocker.pbl");
    printDialogs_.installPdfPrinter(blocker + "/printed.pdf");
    printDialogs_.answer(true);
    messages_.answer(MessageAnswer::Ok);
    fileEntry("MenuPrint")->trigger();
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text.rfind("印刷できません: ", 0), 0U) << messages_.asked()[0].text;
    EXPECT_EQ(messages_.asked()[0].title, "印刷エラー");
    EXPECT_TRUE(window_->isEnabled());
}

TEST_F(PrintActionsTest, ThePreviewShowsWhatPrintingPutsOnThePageAlsoWithoutAPrinter)
{
    PicForm& form = openSheet();
    const std::string previewed = pathIn("previewed.pdf");
    printDialogs_.setPreviewPdf(previewed);
    fileEntry("MenuPrintPreview")->trigger();

    ASSERT_EQ(printDialogs_.previews().size(), 1U);
    const ShownPrinter& shown = printDialogs_.previews()[0];
    EXPECT_EQ(shown.layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(shown.layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(shown.docName, QStringLiteral("lot.pbl"));
    EXPECT_TRUE(printDialogs_.printDialogs().empty()) << "the preview asks for no printer";
    EXPECT_TRUE(messages_.asked().empty());
    expectOnePageOfA4Lying(previewed);
    const std::string expected = pathIn("expected.pdf");
    printDirectly(form.sheet(), expected);
    expectSameLook(previewed, expected);
}

TEST_F(PrintActionsTest, APreviewThatCannotBeDrawnIsReported)
{
    PicForm& form = openSheet();
    const std::string blocker = writeDocument("blocker.pbl");
    printDialogs_.setPreviewPdf(blocker + "/previewed.pdf");
    messages_.answer(MessageAnswer::Ok);
    EXPECT_FALSE(window_->outputActions().menuPrintPreview(form));
    ASSERT_EQ(messages_.asked().size(), 1U);
    EXPECT_EQ(messages_.asked()[0].text.rfind("印刷できません: ", 0), 0U) << messages_.asked()[0].text;
}

TEST_F(PrintActionsTest, CtrlPOpensThePrintDialog)
{
    openSheet();
    printDialogs_.installPdfPrinter(pathIn("printed.pdf"));
    printDialogs_.answer(false);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    const QKeyCombination keys = QKeySequence(QKeySequence::Print)[0];
    QTest::keyClick(window_.get(), keys.key(), keys.keyboardModifiers());
    EXPECT_EQ(printDialogs_.printDialogs().size(), 1U);
}

}  // namespace
}  // namespace probel::test
