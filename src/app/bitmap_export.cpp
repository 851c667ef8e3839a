// SPDX-License-Identifier: MIT
#include "app/bitmap_export.h"

#include "platform/canvas/page_export.h"

namespace probel {

Status exportSheetBitmap(const ChartSheet& sheet, const std::string& path)
{
    return exportSheetPage(sheet, path, PageFormat::Bmp);
}

}  // namespace probel
