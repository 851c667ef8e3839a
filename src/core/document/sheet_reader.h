// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/sheet/chart_sheet.h"
#include "core/util/result.h"

namespace probel {

// Reading .pbl documents. Every reader builds a new sheet and returns it only when the whole
// document has been read: graphs numbered 1 .. N in file order with their frames loaded and
// shown, series IDs 1 .. S in every graph, a detail label for every series marked for one,
// text labels 1 .. L, the paper code from the file. Graphs are not bound to any surface;
// their frames are those of the file (the window binds them keeping the frames).
//
// The layout, field by field, is described in docs/pbl-format.md.
//
// A damaged document is refused with an Error of FileAction::ReadingDocument that holds the
// file, the 1-based line where reading stopped (lines inside a multi-line text count) and a
// message saying what was wrong: a missing, extra or malformed field, a count the rest of the
// file cannot hold (checked before anything is allocated), a series without values, bytes
// outside code page 932, a damaged extension block.

enum class SheetLayout { Current, Old };

// How much of a document a reader takes. WithExtension also reads the extension block after
// the last text label (docs/pbl-format.md, Extension block). CountedFieldsOnly stops after
// the last text label, as the earlier program does, and ignores whatever follows: the sheet
// that program shows, without the settings it has no field for.
enum class SheetReading { WithExtension, CountedFieldsOnly };

// The layout by the first field: "0100" or "010000" (quoted or not) is the current layout,
// anything else the old one, which starts with the graph count.
SheetLayout sheetLayout(std::string_view bytes);

// The current layout: the version field is read and dropped, the rest read as the old layout.
Result<std::unique_ptr<ChartSheet>> readSheetFileBytes(std::string_view bytes, const std::string& fileName,
                                                       SheetReading reading = SheetReading::WithExtension);
// The old layout, from the graph count on.
Result<std::unique_ptr<ChartSheet>> readOldSheetFileBytes(std::string_view bytes, const std::string& fileName,
                                                          SheetReading reading = SheetReading::WithExtension);
// Either reader, chosen by sheetLayout. `fileName` is only used in messages.
Result<std::unique_ptr<ChartSheet>> readSheetBytes(std::string_view bytes, const std::string& fileName,
                                                   SheetReading reading = SheetReading::WithExtension);

// Reads the document at `path`; the sheet's fName becomes `path`.
// A file that cannot be opened or read fails as readWholeFile does.
Result<std::unique_ptr<ChartSheet>> readSheetFile(const std::string& path,
                                                  SheetReading reading = SheetReading::WithExtension);

}  // namespace probel
