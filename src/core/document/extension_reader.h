// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/document/extension_scanner.h"
#include "core/sheet/chart_sheet.h"

namespace probel {

// Whether a line after a document's last text label opens an extension block: its first
// word is the block's header word. Anything else there is data the document should not hold.
bool opensExtensionBlock(std::string_view line);

// Reads the extension block in `bytes`, what follows a document's last text label starting
// at line `firstLine`, into `sheet`, which holds the rest of the document already: graphs,
// series and text labels numbered as the file numbers them. Settings of this version go to
// their objects; records it does not know go, in order, to sheet.unknownExtensionRecords.
// Empty when the whole block reads; otherwise why not and the line, and the sheet is to be
// thrown away: a header that is not "ProbelExtension 1", a malformed record, a value out of
// range, a setting given twice or for an object the document does not have, bytes outside
// code page 932.
std::optional<ExtensionFault> readExtensionBlock(std::string_view bytes, std::int64_t firstLine, ChartSheet& sheet);

}  // namespace probel
