// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/util/result.h"

namespace probel {

// The reason given for a folder entry that is no file: a device, a named pipe, a socket.
inline constexpr const char* kNotARegularFile = "通常のファイルではありません";

// Errors of file operations: the path and the reason (strerror's text or a sentence of our
// own), which errorText shows as "ファイルを...できません: PATH: REASON".
Error openFileError(std::string path, std::string reason);
Error readFileError(std::string path, std::string reason);
// For every output that writes a file: documents, pictures, PDF.
Error saveFileError(std::string path, std::string reason);

}  // namespace probel
