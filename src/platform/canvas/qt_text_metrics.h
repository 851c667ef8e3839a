// SPDX-License-Identifier: MIT
#pragma once

#include <QFontMetricsF>
#include <QImage>

#include <optional>

#include "platform/canvas/text_metrics.h"

namespace probel {

// Text measured by Qt on a device of the page's resolution, as QPainterCanvas measures it on
// a page image. Needs a QGuiApplication.
class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(double pageDotsPerInch);

    void setFont(const CanvasFont& font, double dotsPerInch) override;
    double width(std::string_view text) override;
    double ascent() const override;
    double lineSpacing() const override;

private:
    QImage device_;
    std::optional<QFontMetricsF> metrics_;
};

}  // namespace probel
