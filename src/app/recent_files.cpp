// SPDX-License-Identifier: MIT
#include "app/recent_files.h"

#include <algorithm>

#include "platform/desktop/settings_store.h"

namespace probel {
namespace {

constexpr auto kSection = "Recent";

std::string keyOf(int slot)
{
    return "File" + std::to_string(slot);
}

}  // namespace

RecentFiles::RecentFiles(SettingsStore& settings) : settings_(settings) {}

std::vector<std::string> RecentFiles::paths() const
{
    std::vector<std::string> paths;
    for (int slot = 1; slot <= kCapacity; ++slot) {
        std::string path = settings_.getSetting(kSection, keyOf(slot), "");
        // A hand-edited file may hold gaps and repeats; the menu shows neither.
        if (!path.empty() && std::find(paths.begin(), paths.end(), path) == paths.end()) {
            paths.push_back(std::move(path));
        }
    }
    return paths;
}

void RecentFiles::add(const std::string& path)
{
    if (path.empty()) {
        return;
    }
    std::vector<std::string> paths = this->paths();
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    store(paths);
}

void RecentFiles::remove(const std::string& path)
{
    std::vector<std::string> paths = this->paths();
    if (std::erase(paths, path) > 0) {
        store(paths);
    }
}

void RecentFiles::store(const std::vector<std::string>& paths)
{
    for (int slot = 1; slot <= kCapacity; ++slot) {
        const auto index = static_cast<std::size_t>(slot - 1);
        settings_.saveSetting(kSection, keyOf(slot), index < paths.size() ? paths[index] : std::string());
    }
}

}  // namespace probel
