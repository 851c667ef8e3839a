// SPDX-License-Identifier: MIT
#include "platform/canvas/page_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "core/document/atomic_file.h"
#include "core/numbers/rounding.h"
#include "core/util/file_errors.h"
#include "platform/canvas/bmp_writer.h"
#include "platform/canvas/png_writer.h"
#include "platform/canvas/qpainter_canvas.h"
#include "platform/canvas/qt_text_metrics.h"
#include "platform/canvas/sheet_page_layout.h"
#include "platform/canvas/svg_page.h"

namespace probel {
namespace {

constexpr double kMetresPerInch = 0.0254;

QSize pixelSize(const PaperSize& paper)
{
    return QSize(paper.widthPixels, paper.heightPixels);
}

QPainterCanvas::Options pageOptions(const PaperSize& paper, bool printerPage)
{
    QPainterCanvas::Options options;
    options.printerPage = printerPage;
    options.size = pixelSize(paper);
    options.dotsPerInch = kPageDotsPerInch;
    return options;
}

// Draws on a fresh white canvas; false when the painter could not start on the device.
bool drawPage(QPaintDevice& device, const PaperSize& paper, bool printerPage, const PageDrawing& draw)
{
    QPainterCanvas canvas(device, pageOptions(paper, printerPage));
    if (!canvas.isActive()) {
        return false;
    }
    canvas.clear();
    draw(canvas);
    return true;
}

Result<std::string> encodedRaster(const std::string& path, const QImage& image, PageFormat format)
{
    if (format == PageFormat::Bmp) {
        std::string bytes = encodeBmp24(image);
        if (bytes.empty()) {
            return saveFileError(path, "BMP 形式に変換できません。");
        }
        return bytes;
    }
    std::string encoded = encodePng(image);
    if (encoded.empty()) {
        return saveFileError(path, "PNG 形式に変換できません。");
    }
    return encoded;
}

Result<std::string> pdfBytes(const std::string& path, const PaperSize& paper, const PageDrawing& draw)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QString::fromLatin1(kPageCreator));
        writer.setTitle(QString::fromStdString(pageTitle(path)));
        writer.setResolution(static_cast<int>(kPageDotsPerInch));
        if (!writer.setPageLayout(sheetPageLayout(paper))) {
            return saveFileError(path, "PDF のページの大きさを設定できません。");
        }
        if (!drawPage(writer, paper, true, draw)) {
            return saveFileError(path, "PDF を作れません。");
        }
    }
    return encoded.toStdString();
}

}  // namespace

Status exportPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw)
{
    const auto format = pageFormatForPath(path);
    if (!format) {
        return saveFileError(path, "拡張子が .png, .bmp, .svg, .pdf のどれでもありません。");
    }
    return exportPage(path, paper, draw, *format);
}

Status exportPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw, PageFormat format)
{
    if (paper.widthPixels <= 0 || paper.heightPixels <= 0) {
        return saveFileError(path, "用紙の大きさが正しくありません。");
    }
    Result<std::string> bytes = Error{};
    switch (format) {
    case PageFormat::Png:
    case PageFormat::Bmp: {
        const Result<QImage> image = drawRasterPage(path, paper, draw);
        if (!image) {
            return image.error();
        }
        return writeRasterPage(path, image.value(), format);
    }
    case PageFormat::Svg: {
        QtTextMetrics metrics(kPageDotsPerInch);
        return writeSvgPage(path, paper, draw, metrics);
    }
    case PageFormat::Pdf:
        bytes = pdfBytes(path, paper, draw);
        break;
    }
    if (!bytes) {
        return bytes.error();
    }
    return writeFileAtomically(path, bytes.value());
}

Status exportSheetPage(const ChartSheet& sheet, const std::string& path, std::optional<PageFormat> format)
{
    const auto paper = sheet.paperSize();
    if (!paper) {
        return saveFileError(path, "用紙の大きさが正しくありません。");
    }
    const PageDrawing draw = sheetPicture(sheet);
    return format ? exportPage(path, *paper, draw, *format) : exportPage(path, *paper, draw);
}

Result<QImage> drawRasterPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw)
{
    if (paper.widthPixels <= 0 || paper.heightPixels <= 0) {
        return saveFileError(path, "用紙の大きさが正しくありません。");
    }
    QImage image(pixelSize(paper), QImage::Format_RGB32);
    if (image.isNull()) {
        return saveFileError(path, "画像のメモリを確保できません。");
    }
    const int dotsPerMetre = static_cast<int>(roundHalfEven(kPageDotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    // drawPage clears the whole picture to white first.
    if (!drawPage(image, paper, false, draw)) {
        return saveFileError(path, "画像に描画できません。");
    }
    return image;
}

Status writeRasterPage(const std::string& path, const QImage& image, PageFormat format)
{
    const Result<std::string> bytes = encodedRaster(path, image, format);
    if (!bytes) {
        return bytes.error();
    }
    return writeFileAtomically(path, bytes.value());
}

}  // namespace probel
