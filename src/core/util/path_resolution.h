// SPDX-License-Identifier: MIT
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "core/util/result.h"

namespace probel {

// Linux gives up on a path after 40 links; a chain as long as that is a loop or an attack.
inline constexpr int kMostLinks = 40;

// The folder part of a path: "." for a bare name, "/" for a name at the root.
std::string folderOf(const std::string& path);

// What the symbolic link at `link` holds, as written in it; empty on failure, with errno set.
std::optional<std::string> linkText(const std::string& link);

// The reason given for a link that the rule below keeps us from following.
inline constexpr const char* kPlantedLinkRefused = "他のユーザーが共有フォルダーに置いたリンクはたどりません";

// The kernel's protected-symlinks rule (fs.protected_symlinks): in a sticky folder that
// everyone may write (/tmp), a link is followed only by its owner or when the folder's owner
// owns it, so a link planted there by another user cannot send our reads and writes to a file
// of the user's own. `linkStatus` is the link's own lstat.
bool mayFollowLink(const std::string& link, const struct stat& linkStatus);

// A path with every symbolic link resolved and "." and ".." taken out.
struct ResolvedPath {
    std::string path;
    // Whether something exists there; when not, the path is its folder resolved and the rest
    // of the names as given.
    bool exists = false;
};

// Resolves `path` (relative to the working folder) one name at a time, following links as
// the kernel lets this user follow them (mayFollowLink), so that a document is known by the
// name of the file it really is without taking a planted link. Fails with an openFileError
// for `path`: a link the rule refuses, a loop of links, a name under something that is no
// folder, a folder that may not be searched.
Result<ResolvedPath> resolvePath(const std::string& path);

}  // namespace probel
