// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace probel::cli {

// Where a command reads and writes, so tests can run commands in-process.
struct CliIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

using Arguments = std::vector<std::string>;

}  // namespace probel::cli
