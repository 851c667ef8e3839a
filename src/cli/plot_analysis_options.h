// SPDX-License-Identifier: MIT
#pragma once

#include <set>
#include <string>

#include "cli/option_parser.h"
#include "cli/plot_sheet.h"
#include "core/graph/graph_analysis.h"

namespace probel::cli {

// The options of `plot` that choose what its graph draws over the series (--band, --level,
// --spec-lines, --percentiles, --legend, --graph-title, --beyond-axis) and the limits of
// every series (--lower, --upper): their names, for the option parser.
void addAnalysisOptionNames(std::set<std::string>& withValue, std::set<std::string>& switches);

// Reads them from `parser`; false with a usage message in `error` when a value is refused.
// Limits must be above zero on a logarithmic axis (`logAxis`).
bool parseAnalysisOptions(const OptionParser& parser, bool logAxis, GraphAnalysis& analysis, SeriesLimits& limits,
                          std::string& error);

}  // namespace probel::cli
