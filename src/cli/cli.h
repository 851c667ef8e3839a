// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_io.h"

namespace probel::cli {

// Runs `probel-cli` with its arguments (without the program name) and returns the exit code.
// A command that succeeded but whose standard output could not be written (a full disk) ends
// with a message and exit code 1.
int runCli(const Arguments& arguments, CliIo io);

}  // namespace probel::cli
