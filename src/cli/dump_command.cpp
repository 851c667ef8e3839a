// SPDX-License-Identifier: MIT
// probel-cli dump: a document as JSON, for scripts.
#include <ostream>

#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "cli/option_parser.h"
#include "cli/sheet_json.h"
#include "core/document/sheet_reader.h"
#include "core/sheet/chart_sheet.h"

namespace probel::cli {

std::string dumpUsage()
{
    return "  probel-cli dump SHEET.pbl\n"
           "      文書 SHEET.pbl の用紙、グラフ、データ系列、ラベルを JSON で標準出力に書きます。\n";
}

int runDump(const Arguments& arguments, CliIo io)
{
    OptionParser parser({}, {});
    if (!parser.parse(arguments) || parser.positional().size() != 1) {
        io.err << "probel-cli dump: " << (parser.error().empty() ? "文書を一つ指定してください。" : parser.error())
               << "\n"
               << dumpUsage();
        return kExitUsage;
    }
    const auto sheet = readSheetFile(parser.positional().front());
    if (!sheet) {
        reportError(io.err, sheet.error());
        return kExitBadInput;
    }
    printSheetJson(*sheet.value(), io.out);
    return kExitOk;
}

}  // namespace probel::cli
