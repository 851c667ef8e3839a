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
};

// Lays graph `number` of a freshly plotted sheet out with its labels (see arrangePlotSheet)
// and writes it to `path`: a document when `document`, else a picture in the format the
// path's extension names. Qt measures the text, as the program does.
PlotOutcome writePlot(ChartSheet& sheet, std::int32_t number, const PlotExtras& extras, const std::string& path,
                      bool document);

}  // namespace probel::cli
