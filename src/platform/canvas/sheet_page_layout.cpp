// SPDX-License-Identifier: MIT
#include "platform/canvas/sheet_page_layout.h"

#include <QMarginsF>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <algorithm>

namespace probel {

QPageLayout sheetPageLayout(const PaperSize& paper)
{
    const double shortSide = std::min(paper.widthMillimetres, paper.heightMillimetres);
    const double longSide = std::max(paper.widthMillimetres, paper.heightMillimetres);
    const QPageSize size(QSizeF(shortSide, longSide), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const auto orientation =
        paper.widthMillimetres > paper.heightMillimetres ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace probel
