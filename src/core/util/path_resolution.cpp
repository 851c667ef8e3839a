// SPDX-License-Identifier: MIT
#include "core/util/path_resolution.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "core/util/file_errors.h"

namespace probel {
namespace {

constexpr mode_t kStickyAndWritableByAll = S_ISVTX | S_IWOTH;

// The names of `path` in the order they are walked, the first one last, so the walk takes
// them from the back and can put a link's names in front of the rest.
void pushNames(std::vector<std::string>& pending, const std::string& path)
{
    std::size_t end = path.size();
    while (end > 0) {
        const std::size_t slash = path.rfind('/', end - 1);
        const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
        if (end > start) {
            pending.push_back(path.substr(start, end - start));
        }
        if (slash == std::string::npos) {
            break;
        }
        end = slash;
    }
}

// The parent of a resolved path ("" stands for the root, whose parent is itself).
void dropLastName(std::string& resolved)
{
    resolved.erase(std::min(resolved.size(), resolved.rfind('/')));
}

Result<std::string> absolutePath(const std::string& path)
{
    if (path.starts_with('/')) {
        return path;
    }
    std::vector<char> folder(PATH_MAX + 1);
    if (::getcwd(folder.data(), folder.size()) == nullptr) {
        return openFileError(path, std::strerror(errno));
    }
    return std::string(folder.data()) + "/" + path;
}

}  // namespace

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<std::string> linkText(const std::string& link)
{
    std::vector<char> content(PATH_MAX + 1);
    const ssize_t length = ::readlink(link.c_str(), content.data(), content.size());
    if (length < 0) {
        return std::nullopt;
    }
    if (static_cast<std::size_t>(length) >= content.size()) {
        errno = ENAMETOOLONG;
        return std::nullopt;
    }
    return std::string(content.data(), static_cast<std::size_t>(length));
}

bool mayFollowLink(const std::string& link, const struct stat& linkStatus)
{
    if (linkStatus.st_uid == ::geteuid()) {
        return true;
    }
    struct stat folder {};
    if (::stat(folderOf(link).c_str(), &folder) != 0) {
        return false;
    }
    return (folder.st_mode & kStickyAndWritableByAll) != kStickyAndWritableByAll || folder.st_uid == linkStatus.st_uid;
}

Result<ResolvedPath> resolvePath(const std::string& path)
{
    if (path.empty()) {
        return openFileError(path, std::strerror(ENOENT));
    }
    Result<std::string> absolute = absolutePath(path);
    if (!absolute) {
        return absolute.error();
    }
    std::vector<std::string> pending;
    pushNames(pending, absolute.value());
    std::string resolved;
    bool exists = true;
    int links = 0;
    while (!pending.empty()) {
        const std::string name = std::move(pending.back());
        pending.pop_back();
        if (name == ".") {
            continue;
        }
        if (name == "..") {
            dropLastName(resolved);
            continue;
        }
        const std::string next = resolved + "/" + name;
        struct stat status {};
        if (!exists || ::lstat(next.c_str(), &status) != 0) {
            if (exists && errno != ENOENT) {
                return openFileError(path, std::strerror(errno));
            }
            // What does not exist yet is named as given, under the folder it would be in.
            exists = false;
            resolved = next;
            continue;
        }
        if (S_ISLNK(status.st_mode)) {
            if (++links > kMostLinks) {
                return openFileError(path, std::strerror(ELOOP));
            }
            if (!mayFollowLink(next, status)) {
                return openFileError(path, kPlantedLinkRefused);
            }
            const std::optional<std::string> destination = linkText(next);
            if (!destination) {
                return openFileError(path, std::strerror(errno));
            }
            if (destination->starts_with('/')) {
                resolved.clear();
            }
            pushNames(pending, *destination);
            continue;
        }
        if (!pending.empty() && !S_ISDIR(status.st_mode)) {
            return openFileError(path, std::strerror(ENOTDIR));
        }
        resolved = next;
    }
    return ResolvedPath{resolved.empty() ? "/" : resolved, exists};
}

}  // namespace probel
