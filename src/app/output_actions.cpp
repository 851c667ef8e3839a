// SPDX-License-Identifier: MIT
#include "app/output_actions.h"

#include <QPrinter>

#include <optional>
#include <string>
#include <utility>

#include "app/bitmap_export.h"
#include "app/busy_scope.h"
#include "app/dialog_start.h"
#include "app/pic_form.h"
#include "app/sheet_printing.h"
#include "app/sheet_windows.h"
#include "core/util/error_text.h"
#include "platform/canvas/page_export.h"
#include "platform/desktop/file_dialogs.h"
#include "platform/desktop/message_boxes.h"
#include "platform/desktop/print_dialogs.h"

namespace probel {
namespace {

constexpr auto kPrintErrorTitle = "印刷エラー";
constexpr auto kNoPrinter = "プリンターが見つかりません。";
constexpr auto kExportErrorTitle = "保存エラー";
constexpr auto kPdfTitle = "PDF保存";
constexpr auto kBitmapTitle = "ビットマップ保存";
constexpr auto kImageTitle = "画像として保存";

std::optional<PageFormat> imageFormatFor(const std::string& path)
{
    const std::optional<PageFormat> format = pageFormatForPath(path);
    if (format == PageFormat::Png || format == PageFormat::Svg) {
        return format;
    }
    return std::nullopt;
}

}  // namespace

OutputActions::OutputActions(SheetWindows& window, const AppServices& services) : window_(window), services_(services)
{
}

template <class Output>
bool OutputActions::run(PicForm& form, const char* errorTitle, Output output)
{
    Status made;
    {
        BusyScope busy(window_.busyOptions());
        made = output(std::as_const(form).sheet());
    }
    form.bringToFront();
    if (!made) {
        services_.messages.show(errorText(made.error()), errorTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

std::string OutputActions::chooseFile(const PicForm& form, const char* title, const char* filter, const char* extension,
                                      const FileDialogs::NameCheck& acceptable)
{
    const DialogStart start = dialogStart(form.fName(), services_.settings, extension);
    std::string path =
        services_.fileDialogs.saveFile(title, filter, start.folder, start.fileName, acceptable, extension);
    rememberDialogFolder(path, services_.settings);
    return path;
}

bool OutputActions::menuPrint(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    QPrinter printer(QPrinter::HighResolution);
    if (!services_.printDialogs.selectDesktopPrinter(printer)) {
        services_.messages.show(kNoPrinter, kPrintErrorTitle, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    presetPrinter(std::as_const(form).sheet(), printer);
    if (!services_.printDialogs.choosePrinter(printer)) {
        return false;
    }
    return run(form, kPrintErrorTitle, [&printer](const ChartSheet& sheet) { return printSheet(sheet, printer); });
}

bool OutputActions::menuPrintPreview(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    const ChartSheet& sheet = std::as_const(form).sheet();
    QPrinter printer(QPrinter::HighResolution);
    // Without a printer Qt's printer writes PDF files, and the preview shows the page all the same.
    services_.printDialogs.selectDesktopPrinter(printer);
    presetPrinter(sheet, printer);
    bool drawn = true;
    services_.printDialogs.preview(printer, [this, &sheet, &drawn](QPrinter& target) {
        const Status printed = printSheet(sheet, target);
        if (!printed) {
            drawn = false;
            services_.messages.show(errorText(printed.error()), kPrintErrorTitle, MessageButtons::Ok,
                                    MessageIcon::Exclamation);
        }
    });
    form.bringToFront();
    return drawn;
}

bool OutputActions::menuPdf(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    const std::string path = chooseFile(form, kPdfTitle, kPdfFilter, "pdf", {});
    if (path.empty()) {
        return false;
    }
    // The same drawing as every other export of the page, and as probel-cli's PDF: label texts
    // in their colours and lines as wide as on the screen, where the printer path would leave
    // hairlines that PDF viewers draw a whole screen pixel wide.
    return run(form, kExportErrorTitle,
               [&path](const ChartSheet& sheet) { return exportSheetPage(sheet, path, PageFormat::Pdf); });
}

bool OutputActions::menuBitmap(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    const std::string path = chooseFile(form, kBitmapTitle, kBitmapFilter, "bmp", {});
    if (path.empty()) {
        return false;
    }
    return run(form, kExportErrorTitle, [&path](const ChartSheet& sheet) { return exportSheetBitmap(sheet, path); });
}

bool OutputActions::menuImage(PicForm& form)
{
    const SheetWindows::ActionScope running(window_);
    // A name without .png or .svg is refused in the dialog, which stays open for another.
    const auto knownFormat = [this](const std::string& chosen) {
        if (imageFormatFor(chosen)) {
            return true;
        }
        services_.messages.show(
            "画像の形式はファイル名の拡張子で選びます。\n名前の終わりを .png か .svg にしてください。", kImageTitle,
            MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    };
    const std::string path = chooseFile(form, kImageTitle, kImageFilter, "png", knownFormat);
    const std::optional<PageFormat> format = imageFormatFor(path);
    if (path.empty() || !format) {
        return false;
    }
    return run(form, kExportErrorTitle,
               [&path, format](const ChartSheet& sheet) { return exportSheetPage(sheet, path, *format); });
}

}  // namespace probel
