// SPDX-License-Identifier: MIT
#include "app/sheet_printing.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPainter>
#include <QPrinter>

#include <exception>
#include <optional>

#include "platform/canvas/qpainter_canvas.h"
#include "platform/canvas/sheet_page_layout.h"
#include "platform/canvas/svg_page.h"

namespace probel {
namespace {

// Device coordinates start at the paper's corner, so a place on the sheet is the same
// place on the page.
bool applyPaper(const ChartSheet& sheet, QPagedPaintDevice& device)
{
    QPageLayout layout;
    if (const auto paper = sheet.paperSize()) {
        layout = sheetPageLayout(*paper, PageFit::PrinterPaper);
    } else {
        layout = device.pageLayout();
        layout.setOrientation(QPageLayout::Portrait);
        layout.setMargins(QMarginsF(0, 0, 0, 0));
    }
    layout.setMode(QPageLayout::FullPageMode);
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        printer->setFullPage(true);
    }
    return device.setPageLayout(layout);
}

// Draws the sheet on the device; the reason when it could not.
std::optional<std::string> printOnDevice(const ChartSheet& sheet, QPagedPaintDevice& device)
{
    auto* printer = dynamic_cast<QPrinter*>(&device);
    if (printer != nullptr && !printer->isValid()) {
        return "プリンターが使えません。";
    }
    if (!applyPaper(sheet, device)) {
        return "用紙の大きさと向きを設定できません。";
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return "印刷を始められません。";
    }
    try {
        QPainterCanvas::Options options;
        options.printerPage = true;
        QPainterCanvas canvas(painter, std::move(options));
        drawSheetPage(sheet, canvas,
                      PageStyle{PageKind::Printed, static_cast<double>(device.logicalDpiX()),
                                static_cast<double>(device.logicalDpiY())});
    } catch (const std::exception& failure) {
        // Half a page is not sent to the printer.
        if (printer != nullptr) {
            printer->abort();
        }
        if (painter.isActive()) {
            painter.end();
        }
        return std::string(failure.what());
    }
    if (!painter.end()) {
        return "印刷を終えられません。";
    }
    if (printer != nullptr) {
        if (printer->printerState() == QPrinter::Aborted) {
            return "印刷が中止されました。";
        }
        if (printer->printerState() == QPrinter::Error) {
            return "プリンターがエラーを返しました。";
        }
    }
    return std::nullopt;
}

}  // namespace

Status printSheet(const ChartSheet& sheet, QPagedPaintDevice& device)
{
    if (const auto reason = printOnDevice(sheet, device)) {
        return Error{"印刷できません: " + *reason, {}, 0, 0};
    }
    return {};
}

void presetPrinter(const ChartSheet& sheet, QPrinter& printer)
{
    printer.setCreator(QString::fromLatin1(kPageCreator));
    printer.setDocName(QFileInfo(QString::fromStdString(sheet.fName)).fileName());
    applyPaper(sheet, printer);
}

}  // namespace probel
