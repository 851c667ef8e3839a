// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string_view>

namespace probel {

// Writes all of `bytes` to `fd` through interruptions and short writes: 0, or the errno that
// stopped it (ENOSPC when the device took nothing more without an error, as a full disk may).
int writeAll(int fd, std::string_view bytes);

// One read(2) of at most `size` bytes, tried again when a signal interrupts it.
ssize_t readSome(int fd, char* buffer, std::size_t size);

}  // namespace probel
