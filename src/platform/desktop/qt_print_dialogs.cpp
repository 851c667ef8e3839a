// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_print_dialogs.h"

#include <QList>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>

namespace probel {
namespace {

// Room for the page at a size where its labels can be read.
constexpr QSize kPreviewSize(900, 1000);

}  // namespace

QtPrintDialogs::QtPrintDialogs(QWidget* parent) : parent_(parent) {}

void QtPrintDialogs::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

bool QtPrintDialogs::selectDesktopPrinter(QPrinter& printer)
{
    QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (chosen.isNull()) {
        const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
        if (installed.isEmpty()) {
            return false;
        }
        chosen = installed.front();
    }
    printer.setPrinterName(chosen.printerName());
    return true;
}

bool QtPrintDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    // A document is one page: a selection or a current page mean nothing here. Qt shows the page
    // range where CUPS can pick pages itself; it can only name page 1.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrintDialogs::preview(QPrinter& printer, const std::function<void(QPrinter&)>& draw)
{
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    QSize size = dialog.sizeHint().expandedTo(kPreviewSize);
    if (const QScreen* screen = dialog.screen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    dialog.resize(size);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw](QPrinter* target) { draw(*target); });
    dialog.exec();
}

}  // namespace probel
