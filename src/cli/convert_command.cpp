// SPDX-License-Identifier: MIT
// probel-cli convert: reads a document and writes it again in the current layout.
#include <ostream>

#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "cli/option_parser.h"
#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"

namespace probel::cli {

std::string convertUsage()
{
    return "  probel-cli convert IN.pbl OUT.pbl\n"
           "      文書 IN.pbl (古い形式も可) を読み、今の形式で OUT.pbl に書きます。\n"
           "      OUT.pbl は書き終えてから置き換えるので、失敗しても元のままです。\n";
}

int runConvert(const Arguments& arguments, CliIo io)
{
    OptionParser parser({}, {});
    if (!parser.parse(arguments) || parser.positional().size() != 2) {
        io.err << "probel-cli convert: "
               << (parser.error().empty() ? "読む文書と書く文書を指定してください。" : parser.error()) << "\n"
               << convertUsage();
        return kExitUsage;
    }
    const auto sheet = readSheetFile(parser.positional()[0]);
    if (!sheet) {
        reportError(io.err, sheet.error());
        return kExitBadInput;
    }
    return exitCodeAfter(io.err, writeSheetFile(*sheet.value(), parser.positional()[1]));
}

}  // namespace probel::cli
