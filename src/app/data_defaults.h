// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class SettingsStore;
struct DataDialogInput;
struct DataDialogValues;

// The choices of the data dialog kept per user as the defaults of the next new series, in
// the section "DataNewForm" as text (check boxes as 0 or 1). The marker colour is written but
// a new series always starts black.

// Fills the dialog's line style, regression line, marker, detail check boxes and formats from
// the stored defaults (line style 0, line on, size 10, "○", no details, formats "0.##").
void readDataDefaults(DataDialogInput& input, const SettingsStore& settings);

// Stores what OK confirmed.
void storeDataDefaults(const DataDialogValues& values, SettingsStore& settings);

}  // namespace probel
