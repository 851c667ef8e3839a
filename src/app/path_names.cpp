// SPDX-License-Identifier: MIT
#include "app/path_names.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/util/path_resolution.h"

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
    const Result<ResolvedPath> resolved = resolvePath(path);
    if (!resolved || !resolved->exists) {
        return std::nullopt;
    }
    return resolved->path;
}

std::string savedPathName(const std::string& path)
{
    // A name that cannot be resolved stays as given: writing to it refuses it with the reason.
    const Result<ResolvedPath> resolved = resolvePath(path);
    return resolved ? resolved->path : path;
}

bool namesExistingFile(const std::string& fName)
{
    if (!namesFilePath(fName)) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(fName), error);
}

std::string notAFileText(const std::string& path)
{
    const std::string quoted = "\"" + path + "\"";
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return "ファイル " + quoted + " が見つかりません。";
        }
        return "ファイル " + quoted + " を調べられません: " + std::strerror(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return quoted + " はフォルダーで、ファイルではありません。";
    }
    if (S_ISFIFO(status.st_mode)) {
        return quoted + " は名前付きパイプで、ファイルではありません。";
    }
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) {
        return quoted + " はデバイスで、ファイルではありません。";
    }
    if (S_ISSOCK(status.st_mode)) {
        return quoted + " はソケットで、ファイルではありません。";
    }
    return "ファイル " + quoted + " が見つかりません。";
}

}  // namespace probel
