// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "cli/cli_io.h"

namespace probel::cli {

// A command of the tool: its name on the command line and what runs it.
struct Command {
    std::string_view name;
    int (*run)(const Arguments& arguments, CliIo io);
};

// Runs the command that the first argument names among `commands` with the arguments after it
// and returns the exit code; with no argument, an unknown one or a request for help it prints
// the usage of every command. A command that succeeded but whose standard output could not be
// written (a full disk) ends with a message and exit code 1.
int runCommands(const Arguments& arguments, CliIo io, std::span<const Command> commands);

// Runs `probel-cli` with every command: what probel-cli-qt and the tests run.
int runCli(const Arguments& arguments, CliIo io);

// Whether the arguments name a command that draws a page (plot, render). Those measure text
// and draw with Qt, which the plain probel-cli never loads.
bool drawsPage(const Arguments& arguments);

}  // namespace probel::cli
