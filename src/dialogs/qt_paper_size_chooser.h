// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

#include <cstdint>

#include "dialogs/paper_size_chooser.h"

class QWidget;

namespace probel {

// The paper size chooser on PSizeForm, shown modally over the parent widget when one is set.
class QtPaperSizeChooser : public PaperSizeChooser {
public:
    explicit QtPaperSizeChooser(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    std::int32_t choosePaperCode() override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace probel
