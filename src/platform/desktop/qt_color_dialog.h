// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/color_dialog.h"

#include <QPointer>

#include <cstdint>
#include <optional>

class QWidget;

namespace probel {

// The colour dialog on QColorDialog, modal over the parent widget when one is set.
class QtColorDialog : public ColorDialog {
public:
    explicit QtColorDialog(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    std::optional<std::int32_t> chooseColor(std::int32_t initialBgr) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace probel
