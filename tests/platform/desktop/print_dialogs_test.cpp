// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_print_dialogs.h"
#include "support/desktop/modal_driver.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace probel {
namespace {

TEST(QtPrintDialogs, WithoutAnInstalledPrinterNoneIsSelectedAndThePrinterKeepsItsOutput)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed";
    }
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/tmp/kept.pdf"));
    QtPrintDialogs dialogs;
    EXPECT_FALSE(dialogs.selectDesktopPrinter(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), QStringLiteral("/tmp/kept.pdf"));
}

TEST(QtPrintDialogs, AnInstalledPrinterIsSelected)
{
    const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
    if (installed.isEmpty()) {
        GTEST_SKIP() << "no printer is installed";
    }
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QtPrintDialogs dialogs;
    ASSERT_TRUE(dialogs.selectDesktopPrinter(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    const QString expected =
        QPrinterInfo::defaultPrinter().isNull() ? installed.front().printerName() : QPrinterInfo::defaultPrinterName();
    EXPECT_EQ(printer.printerName(), expected);
}

// Qt's printer as the program starts from when the desktop has no printer.
TEST(QtPrintDialogs, ThePreviewShowsThePageDrawnWithoutAPrinter)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()));
    QtPrintDialogs dialogs;
    int drawn = 0;
    QString title;
    int pages = 0;
    QPageLayout::Orientation shownOrientation = QPageLayout::Portrait;
    test::whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
        title = dialog->windowTitle();
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return preview->pageCount() > 0; }));
            pages = preview->pageCount();
            shownOrientation = preview->orientation();
        }
        dialog->reject();
    });
    dialogs.preview(printer, [&drawn](QPrinter& target) {
        ++drawn;
        QPainter painter(&target);
        painter.drawRect(100, 100, 1000, 1000);
    });
    EXPECT_EQ(title, QStringLiteral("印刷プレビュー"));
    EXPECT_GE(drawn, 1);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(shownOrientation, QPageLayout::Landscape);
}

TEST(QtPrintDialogs, ThePrintDialogOffersOnlyPageOneAndCancelPrintsNothing)
{
    QPrinter printer(QPrinter::HighResolution);
    QtPrintDialogs dialogs;
    QString title;
    bool selection = true;
    bool currentPage = true;
    bool printToFile = false;
    int firstPage = 0;
    int lastPage = 0;
    int highestInRange = 0;
    test::whenModal<QPrintDialog>([&](QPrintDialog* dialog) {
        title = dialog->windowTitle();
        selection = dialog->testOption(QAbstractPrintDialog::PrintSelection);
        currentPage = dialog->testOption(QAbstractPrintDialog::PrintCurrentPage);
        printToFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
        firstPage = dialog->minPage();
        lastPage = dialog->maxPage();
        if (const auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"))) {
            highestInRange = to->maximum();
        }
        dialog->reject();
    });
    EXPECT_FALSE(dialogs.choosePrinter(printer));
    EXPECT_EQ(title, QStringLiteral("印刷"));
    EXPECT_FALSE(selection);
    EXPECT_FALSE(currentPage);
    EXPECT_TRUE(printToFile);
    EXPECT_EQ(firstPage, 1);
    EXPECT_EQ(lastPage, 1);
    EXPECT_EQ(highestInRange, 1) << "the range's spin box";
}

}  // namespace
}  // namespace probel
