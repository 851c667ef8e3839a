// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/settings_store.h"

#include <map>
#include <string>
#include <utility>

namespace probel::test {

// A settings store held in memory, so tests can preset defaults and check what was saved.
// Sections and keys are compared letter for letter, as in the program's INI store.
class InMemorySettingsStore : public SettingsStore {
public:
    using Values = std::map<std::pair<std::string, std::string>, std::string>;

    std::string getSetting(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    void saveSetting(const std::string& section, const std::string& key, const std::string& value) override;

    bool contains(const std::string& section, const std::string& key) const;
    // Every stored value, by (section, key).
    const Values& values() const { return values_; }
    // How many times saveSetting was called.
    int saveCount() const { return saveCount_; }

private:
    Values values_;
    int saveCount_ = 0;
};

}  // namespace probel::test
