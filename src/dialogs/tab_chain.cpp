// SPDX-License-Identifier: MIT
#include "dialogs/tab_chain.h"

#include <QWidget>

namespace probel {

void chainTabOrder(const std::vector<QWidget*>& controls)
{
    for (std::size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}

}  // namespace probel
