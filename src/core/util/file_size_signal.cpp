// SPDX-License-Identifier: MIT
#include "core/util/file_size_signal.h"

#include <csignal>

namespace probel {

void failWritesPastTheFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace probel
