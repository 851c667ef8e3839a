// SPDX-License-Identifier: MIT
#include "dialogs/qt_paper_size_chooser.h"

#include "dialogs/p_size_form.h"

namespace probel {

QtPaperSizeChooser::QtPaperSizeChooser(QWidget* parent) : parent_(parent) {}

void QtPaperSizeChooser::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

std::int32_t QtPaperSizeChooser::choosePaperCode()
{
    return PSizeForm::ask(parent_);
}

}  // namespace probel
