// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/font_dialog.h"

#include <QPointer>

#include <optional>

class QWidget;

namespace probel {

// The font dialog on QFontDialog, modal over the parent widget when one is set. A font name
// this system does not have (a Windows name kept by a document) is shown as the font that
// stands in for it; when the user keeps that stand-in, the original name is returned, so
// confirming the dialog does not rename the document's font. Likewise bold or italic that the
// family has no face for is kept while the user keeps the family and the style shown.
class QtFontDialog : public FontDialog {
public:
    explicit QtFontDialog(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    std::optional<CanvasFont> chooseFont(const CanvasFont& initial) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace probel
