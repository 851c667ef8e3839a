// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>

#include "core/util/result.h"

namespace probel {

// The file a save replaces or creates, found before anything is written.
struct SaveTarget {
    // The path saved to, or the end of its chain of symbolic links: the links stay, this file
    // changes (a dangling link gets its file created).
    std::string file;
    // The folder the file is in, where the temporary file goes.
    std::string folder;
    // Whether the file exists, and then its mode.
    bool exists = false;
    mode_t mode = 0;
};

// Follows `path` through its symbolic links as the kernel lets the user follow them: a link in
// a sticky folder that everyone may write (/tmp) only when the link belongs to the user or to
// the folder's owner, so a link planted there by someone else is not taken. Refuses, with a
// saveFileError for `path`: a link the kernel would not follow, a loop of links, anything but
// a regular file (a folder, device, named pipe or socket), and a file that is read-only: no
// write permission bit set at all (refused for root too, as the read-only attribute is on
// other systems) or none that lets this user write.
Result<SaveTarget> findSaveTarget(const std::string& path);

}  // namespace probel
