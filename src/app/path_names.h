// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace probel {

// Sheet names and file paths. A sheet's name (FName) is a file path when it contains "/";
// otherwise it is the generated name of a sheet never saved. Paths are compared by their
// canonical form, letter case respected: two names that differ only in case are two files.

bool namesFilePath(std::string_view fName);

// The name the close question shows: the part after the last "/", or the whole name.
std::string displayName(std::string_view fName);

// The absolute path of an existing file or folder, links and "." / ".." resolved as
// resolvePath (core/util/path_resolution.h) resolves them; empty when nothing exists at
// `path` or it cannot be resolved (a link planted by another user in a shared folder).
std::optional<std::string> longPathName(const std::string& path);

// The name a file written at `path` has: longPathName of an existing one; for one not yet
// written, its folder resolved the same way and its own name as given.
std::string savedPathName(const std::string& path);

// Whether `fName` is a file path naming a file that exists now.
bool namesExistingFile(const std::string& fName);

// What a message says when no file is at `path`: that nothing is there, or what is there
// instead (a folder, a named pipe, a device, a socket).
std::string notAFileText(const std::string& path);

}  // namespace probel
