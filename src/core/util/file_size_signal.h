// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

// A file size limit (ulimit -f) ends a process that writes past it with SIGXFSZ, before a
// save can remove its temporary file or say what went wrong. With the signal ignored such a
// write fails with EFBIG instead, which saving reports and cleans up like a full disk. Each
// program calls this once at its start.
void failWritesPastTheFileSizeLimit();

}  // namespace probel
