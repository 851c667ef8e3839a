// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "cli/cli_io.h"

namespace probel::cli {

// Each command takes the arguments after its name and returns an exit code.
int runStats(const Arguments& arguments, CliIo io);
std::string statsUsage();
int runDump(const Arguments& arguments, CliIo io);
std::string dumpUsage();
int runConvert(const Arguments& arguments, CliIo io);
std::string convertUsage();
// These draw with Qt (the usage texts do not: probel-cli prints them too).
int runPlot(const Arguments& arguments, CliIo io);
std::string plotUsage();
int runRender(const Arguments& arguments, CliIo io);
std::string renderUsage();

}  // namespace probel::cli
