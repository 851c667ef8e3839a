// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "cli/cli_io.h"

namespace probel::cli {

// Each command takes the arguments after its name and returns an exit code.
int runStats(const Arguments& arguments, CliIo io);
std::string statsUsage();

}  // namespace probel::cli
