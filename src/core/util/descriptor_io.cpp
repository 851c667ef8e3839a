// SPDX-License-Identifier: MIT
#include "core/util/descriptor_io.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace probel {
namespace {
// Linux writes at most about 2 GiB at once; larger pieces would come back short anyway.
constexpr std::size_t kMaxWriteChunk = std::size_t{1} << 30;
}  // namespace

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), std::min(bytes.size(), kMaxWriteChunk));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

ssize_t readSome(int fd, char* buffer, std::size_t size)
{
    ssize_t count = 0;
    do {
        count = ::read(fd, buffer, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

}  // namespace probel
