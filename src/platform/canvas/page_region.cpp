// SPDX-License-Identifier: MIT
#include "platform/canvas/page_region.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <memory>

#include "core/graph/normo_bp.h"
#include "platform/canvas/page_export.h"
#include "platform/canvas/qt_text_metrics.h"
#include "platform/canvas/svg_canvas.h"
#include "platform/canvas/svg_page.h"

namespace probel {
namespace {

constexpr const char* kClipboardName = "クリップボード";
// Room around a frame for the probability labels at its left, the limit labels and the title
// above it, the value labels and the unit below it.
constexpr std::int32_t kLeftRoom = 60;
constexpr std::int32_t kTopRoom = 70;
constexpr std::int32_t kRightRoom = 20;
constexpr std::int32_t kBottomRoom = 45;

Result<std::string> pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return Error{"画像を PNG にできません。", kClipboardName, 0};
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string svgOf(const ChartSheet& sheet, const PaperSize& paper, const PageRegion& region)
{
    SvgPage page{paper.widthPixels, paper.heightPixels, kPageDotsPerInch, "Probel", kPageCreator, std::nullopt};
    page.view = SvgPage::View{region.left, region.top, region.width, region.height};
    std::string svg;
    QtTextMetrics metrics(kPageDotsPerInch);
    {
        SvgCanvas canvas(
            page, [&svg](std::string_view piece) { svg.append(piece); }, metrics);
        canvas.clear();
        sheetPicture(sheet)(canvas);
        canvas.finish();
    }
    return svg;
}

}  // namespace

Result<PagePicture> pagePicture(const ChartSheet& sheet)
{
    const auto paper = sheet.paperSize();
    if (!paper) {
        return Error{"用紙の大きさが正しくありません。", kClipboardName, 0};
    }
    return pagePicture(sheet, PageRegion{0, 0, paper->widthPixels, paper->heightPixels});
}

Result<PagePicture> pagePicture(const ChartSheet& sheet, PageRegion region)
{
    const auto paper = sheet.paperSize();
    if (!paper || region.width <= 0 || region.height <= 0) {
        return Error{"用紙の大きさが正しくありません。", kClipboardName, 0};
    }
    const Result<QImage> page = drawRasterPage(kClipboardName, *paper, sheetPicture(sheet));
    if (!page) {
        return page.error();
    }
    const QImage part = page.value().copy(region.left, region.top, region.width, region.height);
    Result<std::string> png = pngOf(part);
    if (!png) {
        return png.error();
    }
    std::shared_ptr<const ChartSheet> snapshot = sheet.unboundCopy();
    return PagePicture{std::move(png).value(),
                       [snapshot, paper = *paper, region] { return svgOf(*snapshot, paper, region); }};
}

PageRegion graphRegion(const ChartSheet& sheet, std::int32_t number)
{
    const NormoBp* graph = sheet.graph(number);
    const auto paper = sheet.paperSize();
    if (graph == nullptr || !paper) {
        return {};
    }
    const std::int64_t left = std::max<std::int64_t>(0, std::int64_t{graph->frameLeft()} - kLeftRoom);
    const std::int64_t top = std::max<std::int64_t>(0, std::int64_t{graph->frameTop()} - kTopRoom);
    const std::int64_t right =
        std::min<std::int64_t>(paper->widthPixels, std::int64_t{graph->frameLeft()} + graph->frameWidth() + kRightRoom);
    const std::int64_t bottom = std::min<std::int64_t>(
        paper->heightPixels, std::int64_t{graph->frameTop()} + graph->frameHeight() + kBottomRoom);
    if (right <= left || bottom <= top) {
        return {};
    }
    return PageRegion{static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                      static_cast<std::int32_t>(right - left), static_cast<std::int32_t>(bottom - top)};
}

}  // namespace probel
