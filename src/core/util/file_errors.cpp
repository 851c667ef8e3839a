// SPDX-License-Identifier: MIT
#include "core/util/file_errors.h"

#include <utility>

namespace probel {

Error openFileError(std::string path, std::string reason)
{
    return Error{std::move(reason), std::move(path), 0, 0, FileAction::OpeningFile};
}

Error readFileError(std::string path, std::string reason)
{
    return Error{std::move(reason), std::move(path), 0, 0, FileAction::ReadingFile};
}

Error saveFileError(std::string path, std::string reason)
{
    return Error{std::move(reason), std::move(path), 0, 0, FileAction::SavingFile};
}

}  // namespace probel
