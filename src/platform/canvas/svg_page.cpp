// SPDX-License-Identifier: MIT
#include "platform/canvas/svg_page.h"

#include "core/document/atomic_file.h"
#include "core/sheet/sheet_page.h"
#include "platform/canvas/svg_canvas.h"

namespace probel {
std::string pageTitle(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}

PageDrawing sheetPicture(const ChartSheet& sheet)
{
    return [&sheet](Canvas& page) { drawSheetPage(sheet, page, PageStyle{PageKind::Picture}); };
}

Status writeSvgPage(const std::string& path, const PaperSize& paper, const PageDrawing& draw, TextMetrics& metrics)
{
    const SvgPage page{paper.widthPixels, paper.heightPixels, kPageDotsPerInch,
                       pageTitle(path),   kPageCreator,       std::nullopt};
    return writeFileAtomically(path, [&](const ByteSink& sink) {
        SvgCanvas canvas(page, sink, metrics);
        canvas.clear();
        draw(canvas);
        canvas.finish();
    });
}

}  // namespace probel
