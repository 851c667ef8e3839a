// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/graph/canvas.h"
#include "core/graph/paper_geometry.h"
#include "core/stats/weibull_fit.h"

namespace probel {

class NormoBp;
class NormoData;

// A series' Weibull line on Weibull paper, fitted as the graph says (method and plotting
// positions); empty when its values cannot be fitted (fewer than two, all equal, or a value
// of zero or below), so nothing of it is drawn.
std::optional<WeibullFit> seriesWeibullFit(const NormoBp& graph, const NormoData& series);

// The fitted line across the frame, in the series' pen, cut to what the canvas shows.
void drawWeibullLine(const PaperGeometry& paper, Canvas& canvas, const NormoData& series);
// The pointwise band of the maximum likelihood line at `levelPercent`, as two dotted curves in
// the series' colour (the pen and colour are the caller's).
void drawWeibullBand(const PaperGeometry& paper, Canvas& canvas, const NormoData& series, int levelPercent);

}  // namespace probel
