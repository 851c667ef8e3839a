// SPDX-License-Identifier: MIT
// probel-cli render: a document drawn as a picture of its whole sheet.
#include <ostream>

#include "cli/commands.h"
#include "cli/exit_codes.h"

#if PROBEL_HAVE_CANVAS
#include "cli/error_report.h"
#include "cli/gui_application.h"
#include "cli/option_parser.h"
#include "core/document/sheet_reader.h"
#include "core/util/text_excerpt.h"
#include "platform/canvas/page_export.h"
#endif

namespace probel::cli {

#if PROBEL_HAVE_CANVAS
namespace {

int usageError(CliIo io, const std::string& message)
{
    io.err << "probel-cli render: " << message << "\n" << renderUsage();
    return kExitUsage;
}

}  // namespace

int runRender(const Arguments& arguments, CliIo io)
{
    OptionParser parser({"-o", "--output"}, {});
    if (!parser.parse(arguments)) {
        return usageError(io, parser.error());
    }
    const auto output = parser.value("-o") ? parser.value("-o") : parser.value("--output");
    if (!output || output->empty()) {
        return usageError(io, "出力ファイルを -o で指定してください。");
    }
    if (!pageFormatForPath(*output)) {
        return usageError(
            io, "出力ファイルの拡張子は .png, .bmp, .svg, .pdf のどれかにしてください: " + textExcerpt(*output));
    }
    if (parser.positional().size() != 1) {
        return usageError(io, "文書を一つ指定してください。");
    }

    auto sheet = readSheetFile(parser.positional().front());
    if (!sheet) {
        reportError(io.err, sheet.error());
        return kExitBadInput;
    }
    const ChartSheet& document = *sheet.value();
    // The reader accepts only paper codes that decode, so this holds for every read sheet.
    const std::optional<PaperSize> paper = document.paperSize();
    if (!paper) {
        reportError(io.err, Error{"用紙サイズのコードが正しくありません。", document.fName, 0});
        return kExitBadInput;
    }
    ensureGuiApplication();
    return exitCodeAfter(io.err, exportSheetPage(document, *output));
}
#elif PROBEL_QT_HANDOVER
// Every output of render is drawn by Qt.
int runRender(const Arguments& /*arguments*/, CliIo /*io*/)
{
    return kExitHandOver;
}
#endif

std::string renderUsage()
{
    return "  probel-cli render SHEET.pbl -o OUT\n"
           "      文書 SHEET.pbl の用紙全体 (グラフとラベルの文字) を OUT (.png .bmp .svg .pdf) に描きます。\n"
           "      画像は 1 ピクセル 15 twip、PDF は文書の用紙の大きさの 1 ページです。\n";
}

}  // namespace probel::cli
