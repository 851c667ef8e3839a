// SPDX-License-Identifier: MIT
#include "platform/canvas/qt_text_metrics.h"

#include <QString>

#include <cmath>

#include "platform/canvas/qt_font.h"

namespace probel {
namespace {
constexpr double kMetresPerInch = 0.0254;
}

QtTextMetrics::QtTextMetrics(double pageDotsPerInch) : device_(1, 1, QImage::Format_RGB32)
{
    // Qt converts points to pixels with the device's resolution: the page's.
    const int dotsPerMetre = static_cast<int>(std::lround(pageDotsPerInch / kMetresPerInch));
    device_.setDotsPerMeterX(dotsPerMetre);
    device_.setDotsPerMeterY(dotsPerMetre);
    setFont(CanvasFont{}, pageDotsPerInch);
}

void QtTextMetrics::setFont(const CanvasFont& font, double dotsPerInch)
{
    metrics_.emplace(canvasQtFont(font, dotsPerInch, device_.logicalDpiY()), &device_);
}

double QtTextMetrics::width(std::string_view text)
{
    return metrics_->horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtTextMetrics::ascent() const
{
    return metrics_->ascent();
}

double QtTextMetrics::lineSpacing() const
{
    return metrics_->lineSpacing();
}

}  // namespace probel
