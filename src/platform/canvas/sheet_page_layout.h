// SPDX-License-Identifier: MIT
#pragma once

#include <QPageLayout>

#include "core/sheet/paper_size.h"

namespace probel {

// A page of exactly the sheet's paper, without margins: given upright and turned for a lying
// sheet, so standard papers keep their names. The size is matched exactly: Qt would otherwise
// take a near standard size (250 × 354 mm as ISO B4, 250 × 353 mm) and cut the sheet's edge.
QPageLayout sheetPageLayout(const PaperSize& paper);

}  // namespace probel
