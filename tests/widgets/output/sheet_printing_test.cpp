// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include "app/sheet_printing.h"
#include "core/util/error_text.h"
#include "output_fixtures.h"
#include "platform/canvas/page_export.h"
#include "platform/canvas/sheet_page_layout.h"
#include "platform/canvas/svg_page.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::addFramedGraph;
using test::addTextLabel;
using test::emptySheet;

struct PaperCase {
    std::int32_t code;
    QPageSize::PageSizeId pageSize;
    QPageLayout::Orientation orientation;
};

QPageLayout printerLayout(std::int32_t code)
{
    return sheetPageLayout(*paperSizeFromCode(code), PageFit::PrinterPaper);
}

TEST(PrinterPaperTable, EveryCodeOfTheDialogHasItsPaperAndOrientation)
{
    const PaperCase cases[] = {
        {297420, QPageSize::A3, QPageLayout::Portrait},    {420297, QPageSize::A3, QPageLayout::Landscape},
        {210297, QPageSize::A4, QPageLayout::Portrait},    {297210, QPageSize::A4, QPageLayout::Landscape},
        {148210, QPageSize::A5, QPageLayout::Portrait},    {210148, QPageSize::A5, QPageLayout::Landscape},
        {250354, QPageSize::JisB4, QPageLayout::Portrait}, {354250, QPageSize::JisB4, QPageLayout::Landscape},
        {182257, QPageSize::JisB5, QPageLayout::Portrait}, {257182, QPageSize::JisB5, QPageLayout::Landscape},
    };
    for (const PaperCase& one : cases) {
        SCOPED_TRACE(one.code);
        const QPageLayout paper = printerLayout(one.code);
        EXPECT_EQ(paper.pageSize().id(), one.pageSize);
        EXPECT_EQ(paper.orientation(), one.orientation);
        EXPECT_EQ(paper.margins(), QMarginsF(0, 0, 0, 0));
        // The sheet fits on the paper at full scale.
        const QSizeF millimetres = paper.pageSize().size(QPageSize::Millimeter);
        const auto sheet = paperSizeFromCode(one.code);
        const bool lying = one.orientation == QPageLayout::Landscape;
        EXPECT_LE(sheet->widthMillimetres, (lying ? millimetres.height() : millimetres.width()) + 0.5);
        EXPECT_LE(sheet->heightMillimetres, (lying ? millimetres.width() : millimetres.height()) + 0.5);
    }
}

TEST(PrinterPaperTable, OtherSizesPrintOnAPageOfExactlyTheirSize)
{
    for (const std::int32_t code : {210296, 100100, 354251}) {
        SCOPED_TRACE(code);
        const auto sheet = paperSizeFromCode(code);
        const QPageLayout paper = printerLayout(code);
        EXPECT_EQ(paper.pageSize().id(), QPageSize::Custom);
        EXPECT_EQ(paper.fullRect(QPageLayout::Millimeter).size(),
                  QSizeF(sheet->widthMillimetres, sheet->heightMillimetres));
    }
}

TEST(ScreenToDevicePixels, ScalesByTwipsAndRoundsHalvesToEven)
{
    struct Case {
        std::int32_t screen;
        double dpi;
        std::int32_t device;
    };
    const Case cases[] = {
        {400, 600, 2500},                 // 400 × 15 ÷ 2.4
        {100, 96, 100},   {1, 1200, 12},  // 12.5 goes down to even
        {3, 1200, 38},                    // 37.5 goes up to even
        {5, 300, 16},                     // 15.625
        {-3, 1200, -38},  {0, 600, 0},
    };
    for (const Case& one : cases) {
        EXPECT_EQ(screenToDevicePixels(one.screen, one.dpi), one.device) << one.screen << " at " << one.dpi;
    }
    EXPECT_FALSE(screenToDevicePixels(2000000000, 1200).has_value());
}

// Prints onto a PDF in memory and returns the bytes (empty when printing failed).
QByteArray printedPdf(ChartSheet& sheet, int dotsPerInch = 600)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Status printed;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dotsPerInch);
        printed = printSheet(sheet, writer);
    }
    EXPECT_TRUE(printed.ok()) << printed.error().message;
    return printed.ok() ? bytes : QByteArray();
}

constexpr double kPointsPerMillimetre = 72 / 25.4;

TEST(PrintSheet, OnePageOfTheSheetsPaperInItsOrientation)
{
    struct Case {
        std::int32_t code;
        double widthMm;
        double heightMm;
    };
    const Case cases[] = {
        {210297, 210, 297}, {257182, 257, 182},  // JIS B5 lying
        {250354, 257, 364},                      // JIS B4 holds the 250 × 354 sheet
        {420297, 420, 297}, {100150, 100, 150},  // a code outside the tables prints on its own size
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.code);
        auto sheet = emptySheet(one.code);
        addFramedGraph(*sheet, 10, 10, 100, 100);
        const test::PdfPages pages = test::pdfPages(printedPdf(*sheet));
        EXPECT_EQ(pages.count, 1);
        ASSERT_EQ(pages.mediaBoxes.size(), 1u);
        EXPECT_NEAR(pages.mediaBoxes[0].width(), one.widthMm * kPointsPerMillimetre, 1.0);
        EXPECT_NEAR(pages.mediaBoxes[0].height(), one.heightMm * kPointsPerMillimetre, 1.0);
    }
}

class PrintedPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::havePdfRasteriser()) {
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
        }
        ASSERT_TRUE(folder_.valid());
    }

    // The sheet printed to a PDF at 600 dpi and rendered back at the screen's 96 dpi, so a
    // sheet pixel and a page pixel are the same place.
    QImage printAndRender(ChartSheet& sheet)
    {
        const std::string path = folder_.path("page.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(kPrinterDpi);
        printer.setOutputFileName(QString::fromStdString(path));
        const Status saved = printSheet(sheet, printer);
        EXPECT_TRUE(saved.ok()) << saved.error().message;
        const auto page = test::rasterisePdf(QString::fromStdString(path), kScreenDpi);
        EXPECT_TRUE(page.has_value());
        return page.value_or(QImage());
    }

    static constexpr int kScreenDpi = 96;
    static constexpr int kPrinterDpi = 600;
    test::ScratchFolder folder_;
};

TEST_F(PrintedPage, GraphFrameLandsAtFullScale)
{
    auto sheet = emptySheet();
    const std::int32_t number = addFramedGraph(*sheet, 100, 200, 400, 300);
    sheet->graph(number)->setLineDrawStyle(kPenInvisible);
    const QImage page = printAndRender(*sheet);
    ASSERT_EQ(page.size(), QSize(794, 1123));
    const QRect frame = test::inkBox(page, test::darkPixel);
    EXPECT_NEAR(frame.left(), 100, 1);
    EXPECT_NEAR(frame.top(), 200, 1);
    EXPECT_NEAR(frame.right(), 500, 1);
    EXPECT_NEAR(frame.bottom(), 500, 1);
}

TEST_F(PrintedPage, LabelTextAtItsPlaceLineByLineInNormalWeightAndPrinterColour)
{
    auto sheet = emptySheet();
    // (100, 200) canvas pixels are (1500, 3000) twips.
    addTextLabel(*sheet, "■■\r\n■", 100, 200, 20, 0x0000FF, true);
    const QImage page = printAndRender(*sheet);
    ASSERT_FALSE(page.isNull());
    const QRect ink = test::inkBox(page, test::darkPixel);
    ASSERT_FALSE(ink.isEmpty());
    // A 20-point line is about 27 pixels high; the glyph box starts a little inside it.
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.left(), 104);
    EXPECT_GE(ink.top(), 200);
    EXPECT_LE(ink.top(), 210);
    // Two lines, the second below the first, both from the label's left edge.
    const int middle = ink.top() + ink.height() / 2;
    const QRect first = test::inkBox(page, test::darkPixel, QRect(0, ink.top(), page.width(), middle - ink.top()));
    const QRect second = test::inkBox(page, test::darkPixel, QRect(0, middle, page.width(), ink.bottom() - middle + 1));
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_EQ(first.left(), second.left());
    EXPECT_GT(first.width(), second.width() * 3 / 2);
    EXPECT_GT(second.top(), first.bottom());
    // The red of the label is not printed.
    EXPECT_TRUE(test::inkBox(page, test::reddishPixel).isEmpty());

    // Bold is not printed either: the same label in normal weight prints the same page.
    auto normal = emptySheet();
    addTextLabel(*normal, "■■\r\n■", 100, 200, 20, 0, false);
    EXPECT_EQ(printAndRender(*normal), page);
}

TEST(PrintSheet, FramesAndSurfacesAreAsBeforeAfterPrinting)
{
    RecordingCanvas screen(794, 1123);
    auto sheet = emptySheet();
    const std::int32_t first = addFramedGraph(*sheet, 100, 200, 400, 300);
    const std::int32_t second = addFramedGraph(*sheet, 33, 47, 123, 77);
    sheet->bindGraphs(&screen);
    ASSERT_FALSE(printedPdf(*sheet, 1200).isEmpty());
    for (const auto& [number, left, top, width, height] :
         {std::tuple{first, 100, 200, 400, 300}, std::tuple{second, 33, 47, 123, 77}}) {
        const NormoBp& graph = *sheet->graph(number);
        EXPECT_EQ(graph.showObj(), &screen);
        EXPECT_EQ(graph.frameLeft(), left);
        EXPECT_EQ(graph.frameTop(), top);
        EXPECT_EQ(graph.frameWidth(), width);
        EXPECT_EQ(graph.frameHeight(), height);
    }
    EXPECT_TRUE(screen.calls().empty()) << "printing must not draw on the screen picture";
}

TEST(PrintSheet, PrinterThatCannotStartIsReportedAndChangesNothing)
{
    RecordingCanvas screen(794, 1123);
    auto sheet = emptySheet();
    const std::int32_t number = addFramedGraph(*sheet, 100, 200, 400, 300);
    sheet->bindGraphs(&screen);
    test::ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    // A printer that prints to a file below a file: its job cannot start.
    const std::string blocker = folder.path("blocker");
    ASSERT_TRUE(exportSheetPage(*emptySheet(), blocker, PageFormat::Pdf).ok());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.path("blocker/job.pdf")));
    const Status printed = printSheet(*sheet, printer);
    ASSERT_FALSE(printed.ok());
    EXPECT_EQ(printed.error().message.rfind("印刷できません: ", 0), 0u) << printed.error().message;
    EXPECT_EQ(sheet->graph(number)->showObj(), &screen);
    EXPECT_EQ(sheet->graph(number)->frameLeft(), 100);
    EXPECT_EQ(sheet->graph(number)->frameWidth(), 400);
    EXPECT_TRUE(screen.calls().empty());
}

TEST(PresetPrinter, OffersTheSheetsPaperAndNamesTheJobAfterTheFile)
{
    auto sheet = emptySheet(257182);
    sheet->fName = "/home/作業/ロット 3.pbl";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    presetPrinter(*sheet, printer);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::JisB5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().margins(), QMarginsF(0, 0, 0, 0));
    EXPECT_TRUE(printer.fullPage());
    EXPECT_EQ(printer.docName(), QStringLiteral("ロット 3.pbl"));
    EXPECT_EQ(printer.creator(), QString::fromLatin1(kPageCreator));
}

TEST(PrintSheet, PrintsOnTheSheetsPaperWhateverPaperThePrinterHad)
{
    test::ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    auto sheet = emptySheet(297210);
    addFramedGraph(*sheet, 10, 10, 100, 100);
    const std::string path = folder.path("job.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    presetPrinter(*sheet, printer);
    // The paper the user picked in the print dialog.
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A3), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    ASSERT_TRUE(printSheet(*sheet, printer).ok());
    const test::PdfPages pages = test::pdfPages(test::fileBytes(path));
    EXPECT_EQ(pages.count, 1);
    ASSERT_EQ(pages.mediaBoxes.size(), 1u);
    EXPECT_NEAR(pages.mediaBoxes[0].width(), 297 * kPointsPerMillimetre, 1.0);
    EXPECT_NEAR(pages.mediaBoxes[0].height(), 210 * kPointsPerMillimetre, 1.0);
}

TEST(SheetPdf, WritesThePageAndNamesThePathWhenItCannot)
{
    test::ScratchFolder folder;
    ASSERT_TRUE(folder.valid());
    auto sheet = emptySheet(297210);
    addFramedGraph(*sheet, 100, 100, 400, 300);
    const std::string path = folder.path("sheet.pdf");
    ASSERT_TRUE(exportSheetPage(*sheet, path, PageFormat::Pdf).ok());
    const test::PdfPages pages = test::pdfPages(test::fileBytes(path));
    EXPECT_EQ(pages.count, 1);
    ASSERT_EQ(pages.mediaBoxes.size(), 1u);
    EXPECT_NEAR(pages.mediaBoxes[0].width(), 297 * kPointsPerMillimetre, 1.0);

    // Unlike the printer, which takes JIS B4 for it, the PDF has the sheet's own 250 × 354 mm.
    auto b4 = emptySheet(250354);
    const std::string b4Path = folder.path("b4.pdf");
    ASSERT_TRUE(exportSheetPage(*b4, b4Path, PageFormat::Pdf).ok());
    const test::PdfPages b4Pages = test::pdfPages(test::fileBytes(b4Path));
    ASSERT_EQ(b4Pages.mediaBoxes.size(), 1u);
    EXPECT_NEAR(b4Pages.mediaBoxes[0].width(), 250 * kPointsPerMillimetre, 1.0);
    EXPECT_NEAR(b4Pages.mediaBoxes[0].height(), 354 * kPointsPerMillimetre, 1.0);

    // A folder that is a file: nothing can be written below it.
    const std::string blocked = folder.path("sheet.pdf/inner.pdf");
    const Status failed = exportSheetPage(*sheet, blocked, PageFormat::Pdf);
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(errorText(failed.error()).find(blocked), std::string::npos) << errorText(failed.error());
    EXPECT_EQ(test::pdfPages(test::fileBytes(path)).count, 1);
}

}  // namespace
}  // namespace probel
