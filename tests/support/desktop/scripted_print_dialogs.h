// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/print_dialogs.h"

#include <QPageLayout>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace probel::test {

// How a printer was set when a print dialog or a preview was shown.
struct ShownPrinter {
    QPageLayout layout;
    QString docName;
    QString outputFile;
};

// A desktop for printing tests: no printer, until installPdfPrinter gives one that prints into
// a PDF file. Print dialogs are answered from a script and recorded; a dialog shown with no
// answer left fails the running test and is cancelled. A preview draws its page once, into
// the PDF file previewPdf names (as printing from the preview would) or, without one, onto the
// printer as it is.
class ScriptedPrintDialogs : public PrintDialogs {
public:
    // The desktop's printer from now on: it writes its pages into `pdfPath`.
    void installPdfPrinter(std::string pdfPath) { printerPdf_ = std::move(pdfPath); }
    // Where previews draw their page.
    void setPreviewPdf(std::string pdfPath) { previewPdf_ = std::move(pdfPath); }
    // The next print dialog prints (true) or is cancelled; `inDialog` changes the printer first,
    // as the user's choices in the dialog would.
    void answer(bool print, std::function<void(QPrinter&)> inDialog = {});

    bool selectDesktopPrinter(QPrinter& printer) override;
    bool choosePrinter(QPrinter& printer) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& draw) override;

    const std::vector<ShownPrinter>& printDialogs() const { return printDialogs_; }
    const std::vector<ShownPrinter>& previews() const { return previews_; }
    std::size_t unusedAnswers() const { return answers_.size(); }

private:
    struct Answer {
        bool print = false;
        std::function<void(QPrinter&)> inDialog;
    };
    std::string printerPdf_;
    std::string previewPdf_;
    std::deque<Answer> answers_;
    std::vector<ShownPrinter> printDialogs_;
    std::vector<ShownPrinter> previews_;
};

}  // namespace probel::test
