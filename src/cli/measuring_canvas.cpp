// SPDX-License-Identifier: MIT
#include "cli/measuring_canvas.h"

#if PROBEL_HAVE_CANVAS

#include <QImage>

#include "core/graph/canvas.h"
#include "core/numbers/rounding.h"
#include "core/sheet/paper_size.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel::cli {
namespace {
// Exported pages have the screen's 15 twips per pixel.
constexpr double kPageDotsPerInch = kTwipsPerInch / kTwipsPerPixel;
constexpr double kMetresPerInch = 0.0254;
}  // namespace

void withMeasuringCanvas(const PaperSize& paper, const std::function<void(Canvas&)>& measure)
{
    // Fonts are measured with the device's resolution, so the small image has the page's.
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(roundHalfEven(kPageDotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainterCanvas::Options options;
    options.size = QSize(paper.widthPixels, paper.heightPixels);
    options.dotsPerInch = kPageDotsPerInch;
    QPainterCanvas canvas(image, options);
    measure(canvas);
}

}  // namespace probel::cli

#endif
