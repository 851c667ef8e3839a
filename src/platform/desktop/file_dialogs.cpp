// SPDX-License-Identifier: MIT
#include "platform/desktop/file_dialogs.h"

namespace probel {

std::string withDefaultExtension(const std::string& path, const std::string& defaultExtension)
{
    const std::size_t nameStart = path.find_last_of('/') + 1;
    if (defaultExtension.empty() || nameStart >= path.size() || path.find('.', nameStart) != std::string::npos) {
        return path;
    }
    return path + "." + defaultExtension;
}

}  // namespace probel
