// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace probel {

class SettingsStore;

// Where a file dialog starts and the name it suggests.
struct DialogStart {
    std::string folder;
    std::string fileName;
};

// The folder a file dialog starts in: that of the file the active sheet names (when the folder
// is there), else the folder last chosen in a file dialog (when it is still there), else the
// home folder. `activeFName` is empty without an active sheet.
std::string dialogFolder(std::string_view activeFName, const SettingsStore& settings);

// That folder, and the sheet's name with `extension` ("pbl", "pdf", ...) in place of its own:
// "shaft.pbl" suggests "shaft.pdf", a sheet never saved ("新規作成1") "新規作成1.pdf".
DialogStart dialogStart(std::string_view activeFName, const SettingsStore& settings, std::string_view extension);

// Keeps the folder of a chosen file for the next dialog; an empty path (a cancelled dialog)
// keeps the one before.
void rememberDialogFolder(const std::string& chosenPath, SettingsStore& settings);

}  // namespace probel
