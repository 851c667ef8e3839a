// SPDX-License-Identifier: MIT
// probel-cli: the commands that never draw run here, without Qt. plot and render are handed to
// probel-cli-qt before anything is read, so that every input is read once, by the program that
// uses it.
#include <iostream>

#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/qt_handover.h"
#include "core/util/file_size_signal.h"

int main(int argc, char** argv)
{
    probel::failWritesPastTheFileSizeLimit();
    // The commands here write through the C++ streams alone (the hand-over's one message goes to
    // stderr, unbuffered like std::cerr), so the streams need not keep in step with C's stdio;
    // unsynchronised, std::cout buffers what it is given, and a dump gives it megabytes.
    std::ios::sync_with_stdio(false);
    const probel::cli::Arguments arguments(argv + 1, argv + argc);
    if (probel::cli::drawsPage(arguments)) {
        return probel::cli::handOverToQt(argv);
    }
    static constexpr probel::cli::Command kWithoutQt[] = {
        {"stats", probel::cli::runStats},
        {"dump", probel::cli::runDump},
        {"convert", probel::cli::runConvert},
    };
    return probel::cli::runCommands(arguments, {std::cin, std::cout, std::cerr}, kWithoutQt);
}
