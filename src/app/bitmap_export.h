// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/sheet/chart_sheet.h"
#include "core/util/result.h"

namespace probel {

// "ビットマップ保存": the whole paper of the sheet as an uncompressed 24-bit Windows bitmap at
// `path` (whatever its extension), one canvas pixel per image pixel (A4 upright is 794 × 1123),
// drawn as every picture export draws it (exportSheetPage). The sheet is only read. The file
// is replaced atomically: on failure the old file stays and the error names the path and the
// reason.
Status exportSheetBitmap(const ChartSheet& sheet, const std::string& path);

}  // namespace probel
