// SPDX-License-Identifier: MIT
#pragma once

#include <QTemporaryDir>

#include "app/app_services.h"
#include "dialogs/qt_graph_settings_editor.h"
#include "dialogs/qt_label_text_editor.h"
#include "dialogs/qt_paper_size_chooser.h"
#include "platform/desktop/qt_clipboard.h"
#include "platform/desktop/qt_color_dialog.h"
#include "platform/desktop/qt_file_dialogs.h"
#include "platform/desktop/qt_font_dialog.h"
#include "platform/desktop/qt_message_boxes.h"
#include "platform/desktop/qt_print_dialogs.h"
#include "platform/desktop/qt_settings_store.h"

namespace probel::bench {

// The program's own services, with settings in a folder of their own; the data dialog and the
// series chooser are the benchmark's. The dialogs are never opened by the benchmarks.
struct ProgramServices {
    QTemporaryDir folder;
    QtSettingsStore settings{folder.filePath(QStringLiteral("Probel.ini"))};
    QtMessageBoxes messages;
    QtFileDialogs fileDialogs;
    QtPaperSizeChooser paperSizes;
    QtFontDialog fontDialog;
    QtColorDialog colorDialog;
    QtLabelTextEditor labelEditor{fontDialog, colorDialog, messages};
    QtGraphSettingsEditor graphEditor{fontDialog, colorDialog, messages};
    QtClipboard clipboard;
    QtPrintDialogs printDialogs;

    AppServices app(DataSettingsEditor& dataEditor, SeriesChooser& seriesChooser)
    {
        return AppServices{messages,    fileDialogs, paperSizes,    settings,  labelEditor,
                           graphEditor, dataEditor,  seriesChooser, clipboard, printDialogs};
    }
};

}  // namespace probel::bench
