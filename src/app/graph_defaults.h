// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class NormoBp;
class SettingsStore;

// The defaults every new graph starts from, kept per user in the section "SekSetForm" as
// text (numbers in decimal, Booleans as True or False) and written by the graph settings
// dialog's OK. A missing or unreadable key gives the built-in default: line style 2, colours
// 0, frame 200 × 200, frame style 0, linear axis 0 … 100, no unit, step 10, both scales shown,
// 10 divisions.

// Sets the graph from the defaults, in the order a graph takes them (LogV before Min and Max,
// which a logarithmic axis stores as decades). The frame's place and the font are not
// defaults and stay as they are.
void applyGraphDefaults(NormoBp& graph, const SettingsStore& settings);

// Whether the graph's axis (its kind, ends and divisions) is the built-in one, linear 0 … 100
// in 10 divisions: nobody has chosen it. Defaults the user stored are a choice (OK stores
// what was typed for the graph, so the graph would always match them).
bool hasDefaultAxis(const NormoBp& graph);

// Stores the graph's values as the new defaults, each read back from the graph.
void storeGraphDefaults(const NormoBp& graph, SettingsStore& settings);

}  // namespace probel
