// SPDX-License-Identifier: MIT
#pragma once

#include <QPageLayout>

#include "core/sheet/paper_size.h"

namespace probel {

// How a sheet's paper becomes a page.
enum class PageFit {
    // A page of exactly the sheet's paper (PDF and picture exports).
    ExactSize,
    // The standard printer paper the sheet's paper is: A3, A4 and A5 as they are, a B4 or B5
    // sheet on JIS B4 or B5 paper (which holds it at full scale); any other size exactly.
    PrinterPaper,
};

// The page for a sheet's paper, without margins: given upright and turned for a lying sheet,
// so standard papers keep their names. Sizes are matched exactly: Qt would otherwise take a
// near standard size (250 × 354 mm as ISO B4, 250 × 353 mm) and cut the sheet's edge.
QPageLayout sheetPageLayout(const PaperSize& paper, PageFit fit = PageFit::ExactSize);

}  // namespace probel
