// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <functional>
#include <map>
#include <ostream>

#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "core/util/text_excerpt.h"

namespace probel::cli {
namespace {

using Command = std::function<int(const Arguments&, CliIo)>;

const std::map<std::string, Command>& commands()
{
    static const std::map<std::string, Command> table = {
        {"stats", runStats},
        {"dump", runDump},
        {"convert", runConvert},
#if PROBEL_HAVE_CANVAS || PROBEL_QT_HANDOVER
        {"plot", runPlot},
        {"render", runRender},
#endif
    };
    return table;
}

void printUsage(std::ostream& out)
{
    out << "使い方: probel-cli <コマンド> [オプション]\n"
           "コマンド:\n";
    out << statsUsage();
#if PROBEL_HAVE_CANVAS || PROBEL_QT_HANDOVER
    out << plotUsage();
    out << renderUsage();
#endif
    out << dumpUsage();
    out << convertUsage();
}

int runCommand(const Arguments& arguments, CliIo io)
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
    const auto found = commands().find(name);
    if (found == commands().end()) {
        io.err << "probel-cli: 不明なコマンドです: " << textExcerpt(name) << "\n";
        printUsage(io.err);
        return kExitUsage;
    }
    return found->second(Arguments(arguments.begin() + 1, arguments.end()), io);
}

}  // namespace

int runCli(const Arguments& arguments, CliIo io)
{
    const int exitCode = runCommand(arguments, io);
    // Output lost on a full disk or a closed pipe must not pass for success.
    io.out.flush();
    if (!io.out && exitCode == kExitOk) {
        reportError(io.err, Error{"標準出力に書き込めません。", "", 0});
        return kExitBadInput;
    }
    return exitCode;
}

}  // namespace probel::cli
