// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "core/util/text_excerpt.h"

namespace probel::cli {
namespace {

constexpr std::array<std::string_view, 2> kDrawingCommands = {"plot", "render"};

void printUsage(std::ostream& out)
{
    out << "使い方: probel-cli <コマンド> [オプション]\n"
           "コマンド:\n";
    out << statsUsage();
    out << plotUsage();
    out << renderUsage();
    out << dumpUsage();
    out << convertUsage();
}

int runCommand(const Arguments& arguments, CliIo io, std::span<const Command> commands)
{
    if (arguments.empty()) {
        printUsage(io.err);
        return kExitUsage;
    }
    const std::string& name = arguments.front();
    if (name == "--help" || name == "-h" || name == "help") {
        printUsage(io.out);
        return kExitOk;
    }
    const auto found =
        std::find_if(commands.begin(), commands.end(), [&](const Command& command) { return command.name == name; });
    if (found == commands.end()) {
        io.err << "probel-cli: 不明なコマンドです: " << textExcerpt(name) << "\n";
        printUsage(io.err);
        return kExitUsage;
    }
    return found->run(Arguments(arguments.begin() + 1, arguments.end()), io);
}

}  // namespace

int runCommands(const Arguments& arguments, CliIo io, std::span<const Command> commands)
{
    const int exitCode = runCommand(arguments, io, commands);
    // Output lost on a full disk or a closed pipe must not pass for success.
    io.out.flush();
    if (!io.out && exitCode == kExitOk) {
        reportError(io.err, Error{"標準出力に書き込めません。", "", 0});
        return kExitBadInput;
    }
    return exitCode;
}

bool drawsPage(const Arguments& arguments)
{
    return !arguments.empty() &&
           std::find(kDrawingCommands.begin(), kDrawingCommands.end(), arguments.front()) != kDrawingCommands.end();
}

}  // namespace probel::cli
