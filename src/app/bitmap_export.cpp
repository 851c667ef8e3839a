// SPDX-License-Identifier: MIT
#include "app/bitmap_export.h"

#include <QImage>

#include <exception>

#include "app/graph_frame_guard.h"
#include "core/document/atomic_file.h"
#include "core/numbers/rounding.h"
#include "platform/canvas/bmp_writer.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

// The screen's resolution: 15 twips per pixel.
constexpr double kScreenDotsPerInch = kTwipsPerInch / kTwipsPerPixel;
constexpr double kMetresPerInch = 0.0254;

Error exportError(const std::string& path, const std::string& reason)
{
    return Error{"ファイルを保存できません: " + path + ": " + reason, path, 0, 0};
}

// The sheet's picture as the screen shows it, with the label texts written into it.
bool drawSheetPicture(ChartSheet& sheet, QImage& image)
{
    QPainterCanvas::Options options;
    options.size = image.size();
    options.dotsPerInch = kScreenDotsPerInch;
    QPainterCanvas canvas(image, std::move(options));
    if (!canvas.isActive()) {
        return false;
    }
    const GraphFrameGuard restore(sheet);
    sheet.redrawGraphs(canvas);
    sheet.drawLabelTexts(canvas);
    return true;
}

}  // namespace

Status exportSheetBitmap(ChartSheet& sheet, const std::string& path)
{
    const auto paper = sheet.paperSize();
    if (!paper || paper->widthPixels <= 0 || paper->heightPixels <= 0) {
        return exportError(path, "用紙の大きさが正しくありません。");
    }
    std::string bytes;
    try {
        QImage image(paper->widthPixels, paper->heightPixels, QImage::Format_RGB32);
        if (image.isNull()) {
            return exportError(path, "画像のメモリを確保できません。");
        }
        const int dotsPerMetre = static_cast<int>(roundHalfEven(kScreenDotsPerInch / kMetresPerInch));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        if (!drawSheetPicture(sheet, image)) {
            return exportError(path, "画像に描画できません。");
        }
        bytes = encodeBmp24(image);
    } catch (const std::exception& failure) {
        return exportError(path, failure.what());
    }
    if (bytes.empty()) {
        return exportError(path, "BMP 形式に変換できません。");
    }
    return writeFileAtomically(path, bytes);
}

}  // namespace probel
