// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/app_services.h"
#include "platform/desktop/file_dialogs.h"

namespace probel {

class SheetWindows;
class PicForm;

// Printing ("印刷…", "印刷プレビュー…"), PDF export ("PDF保存") and bitmap export ("ビットマップ保存")
// of a sheet. They only read the sheet (the screen keeps its picture), print and export under
// the busy window, and report a failure in a message box. Returns true when the output was
// made; false when it failed or its dialog was cancelled.
class OutputActions {
public:
    static constexpr auto kPdfFilter = "PDFﾌｧｲﾙ(*.pdf)|*.pdf";
    static constexpr auto kBitmapFilter = "ビットマップ(*.bmp)|*.bmp";
    static constexpr auto kImageFilter = "PNG画像(*.png)|*.png|SVG画像(*.svg)|*.svg";

    OutputActions(SheetWindows& window, const AppServices& services);

    // The print dialog, preset with the sheet's paper, then the page on the printer chosen.
    // Without a printer it says so and opens no dialog.
    bool menuPrint(PicForm& form);
    // The page as it will print, drawn by printSheet as 印刷… draws it; works without a printer.
    // Returns false when drawing the page failed.
    bool menuPrintPreview(PicForm& form);
    bool menuPdf(PicForm& form);
    bool menuBitmap(PicForm& form);
    // "画像として保存…": the page as PNG or SVG, as the name's extension says; the same drawing
    // as the other exports at the paper's size.
    bool menuImage(PicForm& form);

private:
    // The save dialog for an export of `form`: it starts beside the sheet's file with the
    // sheet's name and `extension`, which a name typed without one gets.
    std::string chooseFile(const PicForm& form, const char* title, const char* filter, const char* extension,
                           const FileDialogs::NameCheck& acceptable);
    template <class Output>
    bool run(PicForm& form, const char* errorTitle, Output output);

    SheetWindows& window_;
    AppServices services_;
};

}  // namespace probel
