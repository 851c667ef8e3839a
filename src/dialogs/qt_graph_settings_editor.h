// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "dialogs/graph_settings_editor.h"

namespace probel {

class ColorDialog;
class FontDialog;
class MessageBoxes;

// The graph editor on a fresh SekSetForm each time, shown modally over the parent widget when
// one is set; its Font button, line previews and refusals use the given dialogs and boxes.
class QtGraphSettingsEditor : public GraphSettingsEditor {
public:
    QtGraphSettingsEditor(FontDialog& fontDialog, ColorDialog& colorDialog, MessageBoxes& messages,
                          QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    GraphDialogOutcome editGraph(const GraphDialogInput& input) override;

private:
    FontDialog& fontDialog_;
    ColorDialog& colorDialog_;
    MessageBoxes& messages_;
    QPointer<QWidget> parent_;
};

}  // namespace probel
