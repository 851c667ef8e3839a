// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "core/document/atomic_file.h"
#include "core/util/result.h"

namespace probel::cli {

// The most a command reads from one input, as much as a document may hold: some hundred
// times a table of 30 000 rows of five values, and small enough that an endless source such
// as /dev/zero is refused within a second instead of filling the memory.
inline constexpr std::size_t kMaxInputBytes = kMaxReadBytes;

// How messages name standard input.
inline constexpr const char* kStandardInputName = "標準入力";

// Whether `input` stands for standard input: "-".
bool isStandardInput(const std::string& input);

// The name a message gives `input`.
std::string inputName(const std::string& input);

// The bytes of a command's input, read before any of them is parsed: the file `input`, or
// `standardInput` when isStandardInput. Pipes and devices are read like files. Fails, naming
// the input, when the file cannot be opened, is a folder, breaks off while it is read, or
// holds more than `limit` bytes (only `limit` + 1 of them are ever read).
Result<std::string> readInputBytes(const std::string& input, std::istream& standardInput,
                                   std::size_t limit = kMaxInputBytes);

}  // namespace probel::cli
