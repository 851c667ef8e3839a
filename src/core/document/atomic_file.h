// SPDX-License-Identifier: MIT
#pragma once

#include "core/util/result.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace probel {

// Replaces the content of the file at `path` with `bytes`, or leaves the old file exactly as
// it was: the bytes go to a temporary file in the same folder, are flushed to the disk and
// renamed over the target. The old file's permission bits are kept (a new file gets
// 0666 less the umask). Symbolic links are followed as findSaveTarget (save_target.h) says,
// so a link stays and its file changes; only a regular file that is not read-only is ever
// replaced. Fails with a saveFileError for `path` with the reason and leaves no temporary
// file behind.
Status writeFileAtomically(const std::string& path, std::string_view bytes);

// Receives a file's content piece by piece.
using ByteSink = std::function<void(std::string_view bytes)>;

// The same for content made while it is written: `produce` is called once and hands the
// content to the sink in pieces, so a large file is never held in memory whole. After a
// failed write the sink drops the rest, and the old file stays.
Status writeFileAtomically(const std::string& path, const std::function<void(const ByteSink&)>& produce);

// The most a document or a table read whole may hold. A document stores each value once, in
// at most 24 bytes at 15 significant digits: 90 series of 30 000 such values fit, and several
// hundred of measurements with a few digits. Anything larger is no document of ours (a sparse
// or runaway file), and reading it would only exhaust the memory.
inline constexpr std::size_t kMaxReadBytes = std::size_t{64} << 20;

// The whole content of the regular file at `path`. Fails with an openFileError (directories
// and devices are refused too; so is a file larger than `limit`, naming its size, before any
// of it is read or memory is set aside for it) or, when reading breaks off, a readFileError.
Result<std::string> readWholeFile(const std::string& path, std::size_t limit = kMaxReadBytes);

}  // namespace probel
