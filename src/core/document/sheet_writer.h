// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/sheet/chart_sheet.h"
#include "core/util/result.h"

namespace probel {

// The bytes of the .pbl document of a sheet (docs/pbl-format.md): one field per line, CR LF line ends, texts in
// code page 932, positions in twips (15 per canvas pixel). A double quote in a text is saved
// as "”" (the format has no escape for it). Fails, naming the field, when a text holds a
// character code page 932 cannot hold, a series has no values or a number is not finite.
// Does not change the sheet (not even the visibility reading the raw values would give).
Result<std::string> sheetFileBytes(const ChartSheet& sheet);

// Writes sheetFileBytes to `path`, replacing the file atomically. Every refusal comes before
// anything is written, so an old file at `path` stays as it was: a field the document cannot
// hold fails with FileAction::SavingDocument, the file itself as writeFileAtomically fails.
// Does not touch the sheet's name or modified flag; the caller does that.
Status writeSheetFile(const ChartSheet& sheet, const std::string& path);

}  // namespace probel
