// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/stats/sigma_divisor.h"
#include "core/util/result.h"

namespace probel {
class Canvas;
class ChartSheet;
class NormoBp;
}  // namespace probel

namespace probel::cli {

// Specification limits given for every series. A limit not given stays at the axis end, as the
// data dialog starts with it; Cp then reads the given limit only, as the dialog's "上限の無視"
// and "下限の無視" have it.
struct SeriesLimits {
    std::optional<double> lower;
    std::optional<double> upper;

    bool any() const { return lower || upper; }
};

// What `plot` puts on its sheet besides the graph.
struct PlotExtras {
    // A detail label for every series.
    bool detailLabels = false;
    // A text label above the graph (line breaks start new lines); empty for none.
    std::string title;
    // Number format of every statistic of the series, as the data dialog's format boxes.
    std::string format = "0.##";
    SeriesLimits limits;
    // What every series' σ divides by.
    SigmaDivisor sigmaDivisor = SigmaDivisor::Count;
};

// Completes the series of a graph as the data dialog leaves them, so the sheet opens and edits
// in the program like one made there: a comment for each (the add command's "データ - " and
// the ID when the column had no header), the graph's axis ends as limits unless limits are
// given, the format for every statistic, and the dialog's check boxes in Tag and Label — with
// detail labels: details, mean lines and σ on; Cp on when a limit is given, the percentage
// when both are.
void completePlotSeries(NormoBp& graph, const PlotExtras& extras);

// Lays out graph `number` of the sheet on its paper: the frame at a tenth of the paper from
// every edge, the title (a new text label) above it and each series' detail label (created
// with its caption, font and colour) beside or below it, none overlapping, all on the paper;
// what the graph's analysis writes above its frame (limit values, its own title) gets room of
// its own. Text is measured on `measure`. Fails when any of it does not fit on the paper or
// leaves the graph too little room.
Status arrangePlotSheet(ChartSheet& sheet, std::int32_t number, const PlotExtras& extras, Canvas& measure);

}  // namespace probel::cli
