// SPDX-License-Identifier: MIT
// probel-cli render: documents drawn as pictures of their whole sheets.
#include <algorithm>
#include <deque>
#include <future>
#include <memory>
#include <optional>
#include <ostream>
#include <thread>

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

Result<std::unique_ptr<ChartSheet>> readDocument(const std::string& input)
{
    auto sheet = readSheetFile(input);
    if (!sheet) {
        return sheet;
    }
    // The reader accepts only paper codes that decode, so this holds for every read sheet.
    if (!sheet.value()->paperSize()) {
        return Error{"用紙サイズのコードが正しくありません。", input, 0};
    }
    ensureGuiApplication();
    return sheet;
}

// One document drawn to `output`; a failure leaves any old output as it was.
Status renderDocument(const std::string& input, const std::string& output, std::optional<PageFormat> format)
{
    const auto sheet = readDocument(input);
    if (!sheet) {
        return sheet.error();
    }
    return exportSheetPage(*sheet.value(), output, format);
}

Result<QImage> drawDocument(const std::string& input, const std::string& output)
{
    const auto sheet = readDocument(input);
    if (!sheet) {
        return sheet.error();
    }
    return drawRasterPage(output, *sheet.value()->paperSize(), sheetPicture(*sheet.value()));
}

// Every document into the folder, one start of Qt for all; goes on past a document that fails,
// reporting each failure in the order of the inputs.
int renderIntoFolder(const std::vector<std::string>& inputs, const std::string& folder, PageFormat format, CliIo io)
{
    const auto outputs = outputPathsInFolder(inputs, folder, pageFormatExtension(format));
    if (!outputs) {
        reportError(io.err, outputs.error());
        return kExitBadInput;
    }
    int exitCode = kExitOk;
    const auto report = [&](const Status& outcome) {
        if (exitCodeAfter(io.err, outcome) != kExitOk) {
            exitCode = kExitBadInput;
        }
    };
    if (format != PageFormat::Png && format != PageFormat::Bmp) {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            report(renderDocument(inputs[i], outputs.value()[i], format));
        }
        return exitCode;
    }
    // Pictures are compressed and written on other threads, as many at a time as the machine
    // has cores, while the next pages are drawn on this one, where Qt runs. Their outcomes are
    // reported in the order of the inputs.
    const std::size_t mostWriting = std::max(1U, std::thread::hardware_concurrency());
    std::deque<std::future<Status>> outcomes;
    const auto reportOldest = [&] {
        report(outcomes.front().get());
        outcomes.pop_front();
    };
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (outcomes.size() == mostWriting) {
            reportOldest();
        }
        Result<QImage> page = drawDocument(inputs[i], outputs.value()[i]);
        if (!page) {
            outcomes.push_back(std::async(std::launch::deferred, [error = page.error()] { return Status(error); }));
            continue;
        }
        outcomes.push_back(std::async(std::launch::async, [image = std::move(page.value()), path = outputs.value()[i],
                                                           format] { return writeRasterPage(path, image, format); }));
    }
    while (!outcomes.empty()) {
        reportOldest();
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
