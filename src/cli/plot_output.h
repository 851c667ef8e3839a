// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "cli/plot_sheet.h"
#include "core/util/result.h"

namespace probel {
class ChartSheet;
}

namespace probel::cli {

// How writing a plotted sheet ended: its layout (arrangePlotSheet) and then the file.
struct PlotOutcome {
    Status arranged;
    Status written;
    // Built without Qt: nothing was written, the plot needs Qt (kExitHandOver).
    bool handOver = false;
};

// Lays graph `number` of a freshly plotted sheet out with its labels (see arrangePlotSheet)
// and writes it to `path`: a document when `document`, else a picture in the format the
// path's extension names. Documents and SVG pages measure their text without Qt when every
// text on them can be measured so exactly as Qt would; otherwise, and for the other formats,
// Qt measures and draws (the tool built without Qt hands the plot over instead).
PlotOutcome writePlot(ChartSheet& sheet, std::int32_t number, const PlotExtras& extras, const std::string& path,
                      bool document);

}  // namespace probel::cli
