// SPDX-License-Identifier: MIT
// The whole tool. Kept apart from cli.cpp so that probel-cli, which runs only the commands that
// never draw, links none of the drawing code (and so no Qt).
#include "cli/cli.h"
#include "cli/commands.h"

namespace probel::cli {

int runCli(const Arguments& arguments, CliIo io)
{
    static constexpr Command kEveryCommand[] = {
        {"stats", runStats}, {"plot", runPlot}, {"render", runRender}, {"dump", runDump}, {"convert", runConvert},
    };
    return runCommands(arguments, io, kEveryCommand);
}

}  // namespace probel::cli
