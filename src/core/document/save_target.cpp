// SPDX-License-Identifier: MIT
#include "core/document/save_target.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/util/file_errors.h"
#include "core/util/path_resolution.h"

namespace probel {
namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// Where the link at `link` leads; a relative destination starts in the link's folder.
Result<std::string> linkDestination(const std::string& link, const std::string& path)
{
    const std::optional<std::string> destination = linkText(link);
    if (!destination) {
        return saveFileError(path, std::strerror(errno));
    }
    if (destination->starts_with('/')) {
        return *destination;
    }
    const std::string folder = folderOf(link);
    return (folder == "/" ? folder : folder + "/") + *destination;
}

Status checkReplaceable(const std::string& file, const struct stat& status, const std::string& path)
{
    if (!S_ISREG(status.st_mode)) {
        return saveFileError(path, S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : kNotARegularFile);
    }
    // Replacing by rename needs only the folder's permission, so the file's own is asked here.
    if ((status.st_mode & kAnyWriteBit) == 0) {
        return saveFileError(path, "読み取り専用のファイルです");
    }
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        return saveFileError(path, std::strerror(EACCES));
    }
    return {};
}

}  // namespace

Result<SaveTarget> findSaveTarget(const std::string& path)
{
    std::string file = path;
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(file.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return SaveTarget{file, folderOf(file), false, 0};
            }
            return saveFileError(path, std::strerror(errno));
        }
        if (!S_ISLNK(status.st_mode)) {
            if (Status replaceable = checkReplaceable(file, status, path); !replaceable) {
                return replaceable.error();
            }
            return SaveTarget{file, folderOf(file), true, status.st_mode};
        }
        if (links == kMostLinks) {
            return saveFileError(path, std::strerror(ELOOP));
        }
        if (!mayFollowLink(file, status)) {
            return saveFileError(path, kPlantedLinkRefused);
        }
        Result<std::string> next = linkDestination(file, path);
        if (!next) {
            return next.error();
        }
        file = std::move(next.value());
    }
}

}  // namespace probel
