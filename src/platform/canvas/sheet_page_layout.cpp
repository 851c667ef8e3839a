// SPDX-License-Identifier: MIT
#include "platform/canvas/sheet_page_layout.h"

#include <QMarginsF>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <algorithm>
#include <array>

namespace probel {
namespace {

// Upright sheet sizes in millimetres and the printer paper each is printed on.
struct PrinterPaperEntry {
    std::int32_t shortSide;
    std::int32_t longSide;
    QPageSize::PageSizeId paper;
};

constexpr std::array<PrinterPaperEntry, 5> kPrinterPapers = {{
    {297, 420, QPageSize::A3},
    {210, 297, QPageSize::A4},
    {148, 210, QPageSize::A5},
    {250, 354, QPageSize::JisB4},
    {182, 257, QPageSize::JisB5},
}};

}  // namespace

QPageLayout sheetPageLayout(const PaperSize& paper, PageFit fit)
{
    const std::int32_t shortSide = std::min(paper.widthMillimetres, paper.heightMillimetres);
    const std::int32_t longSide = std::max(paper.widthMillimetres, paper.heightMillimetres);
    QPageSize size(QSizeF(shortSide, longSide), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    if (fit == PageFit::PrinterPaper) {
        const auto entry = std::find_if(kPrinterPapers.begin(), kPrinterPapers.end(), [&](const auto& one) {
            return one.shortSide == shortSide && one.longSide == longSide;
        });
        if (entry != kPrinterPapers.end()) {
            size = QPageSize(entry->paper);
        }
    }
    const auto orientation =
        paper.widthMillimetres > paper.heightMillimetres ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace probel
