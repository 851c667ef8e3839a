// SPDX-License-Identifier: MIT
#include "dialogs/qt_data_settings_editor.h"

#include "dialogs/data_new_form.h"

namespace probel {

QtDataSettingsEditor::QtDataSettingsEditor(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages,
                                           Clipboard& clipboard, QWidget* parent)
    : fontDialog_(fontDialog), colorDialog_(colorDialog), messages_(messages), clipboard_(clipboard), parent_(parent)
{
}

void QtDataSettingsEditor::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

std::optional<DataDialogValues> QtDataSettingsEditor::editData(const DataDialogInput& input)
{
    return DataNewForm::ask(input, fontDialog_, colorDialog_, messages_, clipboard_, parent_.data());
}

}  // namespace probel
