// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class NormoBp;

// Shows the graph on the surface it is bound to (NormoBp::setShowObj): spreads equal series
// limits (NormoBp::spreadEqualSeriesLimits), draws it with drawGraph() in its own frame without
// clearing first, then asks for a repaint (not on a printer page). Nothing happens without a
// surface. Not a busy-pointer owner: the UI shows one.
void refreshGraph(NormoBp& graph);

}  // namespace probel
