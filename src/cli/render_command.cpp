// SPDX-License-Identifier: MIT
// probel-cli render: documents drawn as pictures of their whole sheets.
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "cli/gui_application.h"
#include "cli/option_parser.h"
#include "cli/output_folder.h"
#include "core/document/sheet_reader.h"
#include "core/util/text_excerpt.h"
#include "platform/canvas/page_export.h"

namespace probel::cli {
namespace {

int usageError(CliIo io, const std::string& message)
{
    io.err << "probel-cli render: " << message << "\n" << renderUsage();
    return kExitUsage;
}

// One document drawn to `output`; a failure is reported and leaves any old output as it was.
Status renderDocument(const std::string& input, const std::string& output, std::optional<PageFormat> format)
{
    auto sheet = readSheetFile(input);
    if (!sheet) {
        return sheet.error();
    }
    const ChartSheet& document = *sheet.value();
    // The reader accepts only paper codes that decode, so this holds for every read sheet.
    if (!document.paperSize()) {
        return Error{"用紙サイズのコードが正しくありません。", document.fName, 0};
    }
    ensureGuiApplication();
    return exportSheetPage(document, output, format);
}

// Every document into the folder, one start of Qt for all; goes on past a document that fails.
int renderIntoFolder(const std::vector<std::string>& inputs, const std::string& folder, PageFormat format, CliIo io)
{
    const auto outputs = outputPathsInFolder(inputs, folder, pageFormatExtension(format));
    if (!outputs) {
        reportError(io.err, outputs.error());
        return kExitBadInput;
    }
    int exitCode = kExitOk;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (exitCodeAfter(io.err, renderDocument(inputs[i], outputs.value()[i], format)) != kExitOk) {
            exitCode = kExitBadInput;
        }
    }
    return exitCode;
}

}  // namespace

int runRender(const Arguments& arguments, CliIo io)
{
    OptionParser parser({"-o", "--output", "--output-dir", "--format"}, {});
    if (!parser.parse(arguments)) {
        return usageError(io, parser.error());
    }
    const auto output = parser.value("-o") ? parser.value("-o") : parser.value("--output");
    const auto folder = parser.value("--output-dir");
    const auto formatName = parser.value("--format");
    if (output && folder) {
        return usageError(io, "-o と --output-dir は一緒に指定できません。");
    }
    if (folder) {
        if (folder->empty()) {
            return usageError(io, "--output-dir に出力フォルダーを指定してください。");
        }
        if (!formatName) {
            return usageError(io, "--output-dir には出力の形式を --format (png, bmp, svg, pdf) で指定してください。");
        }
        const auto format = pageFormatNamed(*formatName);
        if (!format) {
            return usageError(io, "--format は png, bmp, svg, pdf のどれかにしてください: " + textExcerpt(*formatName));
        }
        if (parser.positional().empty()) {
            return usageError(io, "文書を指定してください。");
        }
        return renderIntoFolder(parser.positional(), *folder, *format, io);
    }
    if (formatName) {
        return usageError(io, "--format は --output-dir と一緒に指定してください (-o では拡張子で決まります)。");
    }
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
    return exitCodeAfter(io.err, renderDocument(parser.positional().front(), *output, std::nullopt));
}

}  // namespace probel::cli
