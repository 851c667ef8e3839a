// SPDX-License-Identifier: MIT
#include "app/sheet_printing.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QMarginsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <array>
#include <exception>
#include <vector>

#include "app/graph_frame_guard.h"
#include "core/document/atomic_file.h"
#include "core/numbers/rounding.h"
#include "core/sheet/paper_size.h"
#include "platform/canvas/qpainter_canvas.h"
#include "platform/canvas/sheet_page_layout.h"

namespace probel {
namespace {

// Label text prints in the printer's own colour, whatever the label's colour on screen.
constexpr std::int32_t kPrinterTextColor = 0;
// A PDF stands in for a printer of this resolution.
constexpr int kPdfDotsPerInch = 600;
constexpr const char* kCreator = "Probel";

struct PaperEntry {
    std::int32_t code;
    QPageSize::PageSizeId pageSize;
    QPageLayout::Orientation orientation;
    int windowsPaperCode;
    int windowsOrientation;
};

constexpr std::array<PaperEntry, 10> kPaperTable = {{
    {297420, QPageSize::A3, QPageLayout::Portrait, kPrinterPaperA3, kPrinterPortrait},
    {420297, QPageSize::A3, QPageLayout::Landscape, kPrinterPaperA3, kPrinterLandscape},
    {210297, QPageSize::A4, QPageLayout::Portrait, kPrinterPaperA4, kPrinterPortrait},
    {297210, QPageSize::A4, QPageLayout::Landscape, kPrinterPaperA4, kPrinterLandscape},
    {148210, QPageSize::A5, QPageLayout::Portrait, kPrinterPaperA5, kPrinterPortrait},
    {210148, QPageSize::A5, QPageLayout::Landscape, kPrinterPaperA5, kPrinterLandscape},
    {250354, QPageSize::JisB4, QPageLayout::Portrait, kPrinterPaperB4, kPrinterPortrait},
    {354250, QPageSize::JisB4, QPageLayout::Landscape, kPrinterPaperB4, kPrinterLandscape},
    {182257, QPageSize::JisB5, QPageLayout::Portrait, kPrinterPaperB5, kPrinterPortrait},
    {257182, QPageSize::JisB5, QPageLayout::Landscape, kPrinterPaperB5, kPrinterLandscape},
}};

constexpr std::int32_t kUserPaperCode = 0;

// The page layout for the sheet's paper, without margins; empty when the device keeps its
// own paper (code 0, or a code that names no size).
std::optional<QPageLayout> pageLayoutFor(std::int32_t paperCode)
{
    const QMarginsF noMargins(0, 0, 0, 0);
    if (const auto paper = printerPaperFor(paperCode); paper && paper->pageSize.isValid()) {
        return QPageLayout(paper->pageSize, paper->orientation, noMargins, QPageLayout::Millimeter);
    }
    // A size outside the tables still prints at full scale, on a page of its own size.
    const auto size = paperSizeFromCode(paperCode);
    if (!size) {
        return std::nullopt;
    }
    return sheetPageLayout(*size);
}

// A printer takes the paper of the tables (a B4 sheet on JIS B4, where it fits at full
// scale); a PDF is a page of the sheet's own size.
enum class PageChoice { PrinterPaper, SheetSize };

// Device coordinates start at the paper's corner, so a place on the sheet is the same
// place on the page.
bool applyPaper(std::int32_t paperCode, PageChoice choice, QPagedPaintDevice& device)
{
    std::optional<QPageLayout> layout;
    if (const auto paper = paperSizeFromCode(paperCode); choice == PageChoice::SheetSize && paper) {
        layout = sheetPageLayout(*paper);
    } else {
        layout = pageLayoutFor(paperCode);
    }
    if (!layout) {
        layout = device.pageLayout();
        layout->setOrientation(QPageLayout::Portrait);
        layout->setMargins(QMarginsF(0, 0, 0, 0));
    }
    layout->setMode(QPageLayout::FullPageMode);
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        printer->setFullPage(true);
    }
    return device.setPageLayout(*layout);
}

double toDeviceUnits(double canvasPixels, double dotsPerInch)
{
    return canvasPixels * kTwipsPerPixel * dotsPerInch / kTwipsPerInch;
}

void printLabel(const ChartLabel& label, Canvas& canvas, double dpiX, double dpiY)
{
    if (!label.visible) {
        return;
    }
    CanvasFont font = label.font;
    font.bold = false;
    canvas.setFont(font);
    canvas.setColor(kPrinterTextColor);
    PointF at{toDeviceUnits(label.left, dpiX), toDeviceUnits(label.top, dpiY)};
    for (const std::string_view line : captionLines(label.caption)) {
        if (!line.empty()) {
            canvas.drawText(at, line);
        }
        at.y += canvas.textHeight(line);
    }
}

// Graphs in the order of their frame elements, which is their numbers' order.
std::vector<NormoBp*> graphsInFrameOrder(const ChartSheet& sheet)
{
    std::vector<std::pair<std::int32_t, NormoBp*>> numbered;
    for (std::int32_t position = 1; position <= sheet.myNormo().count(); ++position) {
        if (const auto number = sheet.graphNumberAt(position)) {
            numbered.emplace_back(*number, sheet.myNormo().find(position));
        }
    }
    std::sort(numbered.begin(), numbered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<NormoBp*> graphs;
    graphs.reserve(numbered.size());
    for (const auto& [number, graph] : numbered) {
        graphs.push_back(graph);
    }
    return graphs;
}

void printGraph(NormoBp& graph, QPainterCanvas& canvas, double dpiX, double dpiY)
{
    // The frame holds device pixels only while this graph draws.
    const GraphFrameGuard restore(graph);
    const auto left = screenToDevicePixels(graph.frameLeft(), dpiX);
    const auto top = screenToDevicePixels(graph.frameTop(), dpiY);
    const auto width = screenToDevicePixels(graph.frameWidth(), dpiX);
    const auto height = screenToDevicePixels(graph.frameHeight(), dpiY);
    if (!left || !top || !width || !height) {
        return;  // a frame far off any page: nothing to draw
    }
    CanvasFont font = graph.labelFont();
    font.bold = false;
    canvas.setFont(font);
    graph.setShowObj(&canvas);
    graph.setFrameLeft(*left);
    graph.setFrameTop(*top);
    graph.setFrameWidth(*width);
    graph.setFrameHeight(*height);
    graph.refresh();
}

// Draws the sheet on the device; the reason when it could not.
std::optional<std::string> printOnDevice(ChartSheet& sheet, QPagedPaintDevice& device, PageChoice choice)
{
    auto* printer = dynamic_cast<QPrinter*>(&device);
    if (printer != nullptr && !printer->isValid()) {
        return "プリンターが使えません。";
    }
    if (!applyPaper(sheet.myFormType, choice, device)) {
        return "用紙の大きさと向きを設定できません。";
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return "印刷を始められません。";
    }
    try {
        const double dpiX = device.logicalDpiX();
        const double dpiY = device.logicalDpiY();
        QPainterCanvas::Options options;
        options.printerPage = true;
        QPainterCanvas canvas(painter, std::move(options));
        for (const auto& [index, label] : sheet.sLabels()) {
            printLabel(label, canvas, dpiX, dpiY);
        }
        for (const auto& [index, label] : sheet.comLabels()) {
            printLabel(label, canvas, dpiX, dpiY);
        }
        for (NormoBp* graph : graphsInFrameOrder(sheet)) {
            printGraph(*graph, canvas, dpiX, dpiY);
        }
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

std::optional<PrinterPaper> printerPaperFor(std::int32_t paperCode)
{
    if (paperCode == kUserPaperCode) {
        return PrinterPaper{QPageSize(), QPageLayout::Portrait, kPrinterPaperUser, kPrinterPortrait};
    }
    const auto entry = std::find_if(kPaperTable.begin(), kPaperTable.end(),
                                    [paperCode](const PaperEntry& one) { return one.code == paperCode; });
    if (entry == kPaperTable.end()) {
        return std::nullopt;
    }
    return PrinterPaper{QPageSize(entry->pageSize), entry->orientation, entry->windowsPaperCode,
                        entry->windowsOrientation};
}

std::optional<std::int32_t> screenToDevicePixels(std::int32_t screenPixels, double dotsPerInch)
{
    // Multiplying before dividing keeps exact ties exact, so they round as ties.
    return toInt32HalfEven(static_cast<double>(screenPixels) * kTwipsPerPixel * dotsPerInch / kTwipsPerInch);
}

Status printSheet(ChartSheet& sheet, QPagedPaintDevice& device)
{
    if (const auto reason = printOnDevice(sheet, device, PageChoice::PrinterPaper)) {
        return Error{"印刷できません: " + *reason, {}, 0, 0};
    }
    return {};
}

Status printSheetToDefaultPrinter(ChartSheet& sheet)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return Error{"プリンターが見つかりません。", {}, 0, 0};
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setCreator(QString::fromLatin1(kCreator));
    printer.setDocName(QFileInfo(QString::fromStdString(sheet.fName)).fileName());
    return printSheet(sheet, printer);
}

Status exportSheetPdf(ChartSheet& sheet, const std::string& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    std::optional<std::string> failure;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromLatin1(kCreator));
        writer.setTitle(QFileInfo(QString::fromStdString(path)).completeBaseName());
        writer.setResolution(kPdfDotsPerInch);
        failure = printOnDevice(sheet, writer, PageChoice::SheetSize);
    }
    if (failure) {
        return Error{"ファイルを保存できません: " + path + ": " + *failure, path, 0, 0};
    }
    return writeFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace probel
