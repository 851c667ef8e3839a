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

// The absolute canonical path of an existing file or folder (links and "." / ".." resolved);
// empty when nothing exists at `path` or it cannot be resolved.
std::optional<std::string> longPathName(const std::string& path);

// The name a file written at `path` has: longPathName of an existing one; for one not yet
// written, its folder resolved the same way and its own name as given.
std::string savedPathName(const std::string& path);

// Whether `fName` is a file path naming something that exists now.
bool namesExistingFile(const std::string& fName);

// The folder and the file name a save dialog starts with for a sheet: those of the file the
// name names, or two empty texts when it names no existing file.
struct SaveDialogStart {
    std::string folder;
    std::string fileName;
};
SaveDialogStart saveDialogStart(const std::string& fName);

}  // namespace probel
