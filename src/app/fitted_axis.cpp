// SPDX-License-Identifier: MIT
#include "app/fitted_axis.h"

#include <algorithm>

#include "core/graph/axis_range.h"
#include "core/graph/normo_bp.h"

namespace probel {

void widenSpan(std::optional<ValueSpan>& span, const NormoData& series)
{
    if (!series.visible() || series.dataCount() == 0) {
        return;
    }
    const auto [low, high] = series.valueRange();
    if (!span) {
        span = ValueSpan{low, high};
        return;
    }
    span->low = std::min(span->low, low);
    span->high = std::max(span->high, high);
}

std::optional<GraphSettings> fittedAxis(const GraphSettings& settings, const ValueSpan& span)
{
    if (settings.logV && !(span.low > 0)) {
        return std::nullopt;
    }
    const Result<AxisRange> range =
        settings.logV ? logAxisRange(span.low, span.high) : linearAxisRange(span.low, span.high);
    if (!range) {
        return std::nullopt;
    }
    // The graph's own setters turn the ends of a logarithmic axis into the decades it stores.
    NormoBp graph;
    setGraphSettings(graph, settings);
    graph.setMin(range.value().min);
    graph.setMax(range.value().max);
    if (!settings.logV) {
        graph.setBunnkatu(range.value().divisions);
    }
    return graphSettings(graph);
}

}  // namespace probel
