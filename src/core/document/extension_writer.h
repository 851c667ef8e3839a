// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/sheet/chart_sheet.h"
#include "core/util/result.h"

namespace probel {

// The extension block of a sheet's document (docs/pbl-format.md, Extension block), in code
// page 932 with CR LF line ends: the header, one record per setting that differs from its
// default, graphs and their series by position and text labels in index order as the rest of
// the document numbers them, then the unknown records the sheet holds. Empty when there is
// nothing to write, so a sheet that uses none of these settings gives the document the
// earlier program writes. Fails, naming the setting, when a value could not be read back: a
// band level or percentage out of range, a title code page 932 cannot hold.
Result<std::string> extensionBlockBytes(const ChartSheet& sheet);

}  // namespace probel
