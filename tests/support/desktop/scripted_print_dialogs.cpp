// SPDX-License-Identifier: MIT
#include "support/desktop/scripted_print_dialogs.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <utility>

namespace probel::test {
namespace {

ShownPrinter shown(const QPrinter& printer)
{
    return {printer.pageLayout(), printer.docName(), printer.outputFileName()};
}

void printInto(QPrinter& printer, const std::string& pdfPath)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfPath));
}

}  // namespace

void ScriptedPrintDialogs::answer(bool print, std::function<void(QPrinter&)> inDialog)
{
    answers_.push_back(Answer{print, std::move(inDialog)});
}

bool ScriptedPrintDialogs::selectDesktopPrinter(QPrinter& printer)
{
    if (printerPdf_.empty()) {
        return false;
    }
    printInto(printer, printerPdf_);
    return true;
}

bool ScriptedPrintDialogs::choosePrinter(QPrinter& printer)
{
    printDialogs_.push_back(shown(printer));
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    const Answer answer = std::move(answers_.front());
    answers_.pop_front();
    if (answer.inDialog) {
        answer.inDialog(printer);
    }
    return answer.print;
}

void ScriptedPrintDialogs::preview(QPrinter& printer, const std::function<void(QPrinter&)>& draw)
{
    previews_.push_back(shown(printer));
    if (!previewPdf_.empty()) {
        printInto(printer, previewPdf_);
    }
    draw(printer);
}

}  // namespace probel::test
