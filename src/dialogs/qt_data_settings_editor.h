// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "dialogs/data_settings_editor.h"

namespace probel {

class Clipboard;
class ColorDialog;
class FontDialog;
class MessageBoxes;

// The data editor on a fresh DataNewForm each time, shown modally over the parent widget when
// one is set; its font and colour choices, refusals and clipboard buttons use the given
// dialogs, boxes and clipboard.
class QtDataSettingsEditor : public DataSettingsEditor {
public:
    QtDataSettingsEditor(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages, Clipboard& clipboard,
                         QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    std::optional<DataDialogValues> editData(const DataDialogInput& input) override;

private:
    FontDialog& fontDialog_;
    ColorDialog& colorDialog_;
    MessageBoxes& messages_;
    Clipboard& clipboard_;
    QPointer<QWidget> parent_;
};

}  // namespace probel
