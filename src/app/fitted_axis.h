// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/graph/graph_settings.h"
#include "core/stats/normo_data.h"
#include "dialogs/graph_settings_editor.h"

namespace probel {

// The axis of a graph fitted to its values by the rule of probel-cli plot: what the graph
// settings dialog's 自動 offers, and what a graph's first series gives an axis nobody set.

// `span` widened to hold the values of `series` when it is drawn (visible).
void widenSpan(std::optional<ValueSpan>& span, const NormoData& series);

// The smallest and largest value of the visible series; empty when none holds a value.
template <class SeriesRange>
std::optional<ValueSpan> drawnValueSpan(const SeriesRange& series)
{
    std::optional<ValueSpan> span;
    for (const NormoData& one : series) {
        widenSpan(span, one);
    }
    return span;
}

// `settings` with the axis ends (and a linear axis' divisions) fitted to `span`, on the kind
// of axis the settings have; empty when none fits (a logarithmic axis cannot hold a value of
// zero or below).
std::optional<GraphSettings> fittedAxis(const GraphSettings& settings, const ValueSpan& span);

}  // namespace probel
