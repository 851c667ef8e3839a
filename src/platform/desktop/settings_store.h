// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace probel {

// Per-user settings: text values addressed by section and key, as the main window and the
// dialogs keep their placement and defaults. All texts are UTF-8. Sections and keys are
// plain names (no "/" or "\"); a value is stored and given back exactly as text, whatever it
// looks like ("True", "0012", "1,5").
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `defaultValue` when the section has no such key.
    virtual std::string getSetting(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const = 0;
    // Stores `value`, replacing what was there.
    virtual void saveSetting(const std::string& section, const std::string& key, const std::string& value) = 0;
};

}  // namespace probel
