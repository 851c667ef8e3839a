// SPDX-License-Identifier: MIT
#include "dialogs/qt_graph_settings_editor.h"

#include "dialogs/sek_set_form.h"

namespace probel {

QtGraphSettingsEditor::QtGraphSettingsEditor(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages,
                                             QWidget* parent)
    : fontDialog_(fontDialog), colorDialog_(colorDialog), messages_(messages), parent_(parent)
{
}

void QtGraphSettingsEditor::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

GraphDialogOutcome QtGraphSettingsEditor::editGraph(const GraphDialogInput& input)
{
    return SekSetForm::ask(input, fontDialog_, colorDialog_, messages_, parent_.data());
}

}  // namespace probel
