// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/sheet/chart_sheet.h"
#include "core/util/result.h"

namespace probel {

// Saves the whole paper of the sheet as an uncompressed 24-bit Windows bitmap at `path`
// (whatever its extension), one canvas pixel per image pixel (A4 upright is 794 × 1123):
// the graphs as on screen, then the label texts (ChartSheet::drawLabelTexts: in their
// colours, normal weight). The graphs' frames and bindings are put back as they were and
// the screen picture is not drawn on; the caller runs the full redraw afterwards as after
// any command. The file is replaced atomically: on failure the old file stays and the error
// names the path and the reason.
Status exportSheetBitmap(ChartSheet& sheet, const std::string& path);

}  // namespace probel
