// SPDX-License-Identifier: MIT
#include "app/path_names.h"

#include <filesystem>
#include <system_error>

namespace probel {
namespace {

constexpr char kSeparator = '/';

}  // namespace

bool namesFilePath(std::string_view fName)
{
    return fName.find(kSeparator) != std::string_view::npos;
}

std::string displayName(std::string_view fName)
{
    const auto last = fName.rfind(kSeparator);
    return std::string(last == std::string_view::npos ? fName : fName.substr(last + 1));
}

std::optional<std::string> longPathName(const std::string& path)
{
    if (path.empty()) {
        return std::nullopt;
    }
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::canonical(std::filesystem::path(path), error);
    if (error) {
        return std::nullopt;
    }
    return canonical.string();
}

std::string savedPathName(const std::string& path)
{
    if (auto existing = longPathName(path)) {
        return *existing;
    }
    std::error_code error;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    return error ? path : resolved.string();
}

bool namesExistingFile(const std::string& fName)
{
    if (!namesFilePath(fName)) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(fName), error);
}

SaveDialogStart saveDialogStart(const std::string& fName)
{
    if (!namesExistingFile(fName)) {
        return {};
    }
    const std::filesystem::path path(fName);
    return {path.parent_path().string(), path.filename().string()};
}

}  // namespace probel
