// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace probel {

class SettingsStore;

// The documents last opened or saved, newest first, at most kCapacity, kept in the settings
// section "Recent" as "File1" … "File8", so they survive a restart.
class RecentFiles {
public:
    static constexpr int kCapacity = 8;

    explicit RecentFiles(SettingsStore& settings);

    std::vector<std::string> paths() const;
    // Puts `path` first; an entry for the same path further down goes.
    void add(const std::string& path);
    void remove(const std::string& path);

private:
    void store(const std::vector<std::string>& paths);

    SettingsStore& settings_;
};

}  // namespace probel
