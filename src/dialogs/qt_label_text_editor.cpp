// SPDX-License-Identifier: MIT
#include "dialogs/qt_label_text_editor.h"

#include "dialogs/label_text.h"

namespace probel {

QtLabelTextEditor::QtLabelTextEditor(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages,
                                     QWidget* parent)
    : fontDialog_(fontDialog), colorDialog_(colorDialog), messages_(messages), parent_(parent)
{
}

void QtLabelTextEditor::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

std::optional<LabelSettings> QtLabelTextEditor::editLabel(const LabelSettings& initial)
{
    return LabelText::ask(initial, fontDialog_, colorDialog_, messages_, parent_.data());
}

}  // namespace probel
