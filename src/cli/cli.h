// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_io.h"

namespace probel::cli {

// Runs `probel-cli` with its arguments (without the program name) and returns the exit code.
int runCli(const Arguments& arguments, CliIo io);

}  // namespace probel::cli
