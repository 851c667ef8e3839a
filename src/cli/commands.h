// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "cli/cli_io.h"

namespace probel::cli {

// Each command takes the arguments after its name and returns an exit code.
int runStats(const Arguments& arguments, CliIo io);
std::string statsUsage();
// Needs the canvas library; the table in cli.cpp lists it only when that is built.
int runPlot(const Arguments& arguments, CliIo io);
std::string plotUsage();

}  // namespace probel::cli
