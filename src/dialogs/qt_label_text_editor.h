// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "dialogs/label_text_editor.h"

namespace probel {

class ColorDialog;
class FontDialog;
class MessageBoxes;

// The label editor on a fresh LabelText each time, shown modally over the parent widget when
// one is set; its Font and colour buttons open the given dialogs.
class QtLabelTextEditor : public LabelTextEditor {
public:
    QtLabelTextEditor(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages,
                      QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    std::optional<LabelSettings> editLabel(const LabelSettings& initial) override;

private:
    FontDialog& fontDialog_;
    ColorDialog& colorDialog_;
    MessageBoxes& messages_;
    QPointer<QWidget> parent_;
};

}  // namespace probel
