// SPDX-License-Identifier: MIT
#include "app/dialog_start.h"

#include <QDir>

#include <filesystem>
#include <system_error>

#include "app/path_names.h"
#include "platform/desktop/settings_store.h"

namespace probel {
namespace {

constexpr auto kSection = "FileDialogs";
constexpr auto kLastFolderKey = "LastFolder";

bool isFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

}  // namespace

std::string dialogFolder(std::string_view activeFName, const SettingsStore& settings)
{
    if (namesFilePath(activeFName)) {
        const std::filesystem::path folder = std::filesystem::path(activeFName).parent_path();
        if (isFolder(folder)) {
            return folder.string();
        }
    }
    const std::string last = settings.getSetting(kSection, kLastFolderKey, "");
    if (isFolder(last)) {
        return last;
    }
    return QDir::homePath().toStdString();
}

DialogStart dialogStart(std::string_view activeFName, const SettingsStore& settings, std::string_view extension)
{
    const std::string stem = std::filesystem::path(displayName(activeFName)).stem().string();
    return {dialogFolder(activeFName, settings), stem.empty() ? std::string() : stem + "." + std::string(extension)};
}

void rememberDialogFolder(const std::string& chosenPath, SettingsStore& settings)
{
    if (chosenPath.empty()) {
        return;
    }
    const std::filesystem::path folder = std::filesystem::path(chosenPath).parent_path();
    if (isFolder(folder)) {
        settings.saveSetting(kSection, kLastFolderKey, folder.string());
    }
}

}  // namespace probel
