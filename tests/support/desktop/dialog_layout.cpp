// SPDX-License-Identifier: MIT
#include "support/desktop/dialog_layout.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace probel::test {

void expectEveryControlInside(QWidget& dialog)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisible()) {
            continue;
        }
        SCOPED_TRACE(widget->objectName().toStdString() + " " + widget->metaObject()->className());
        const QRect inParent = widget->geometry();
        EXPECT_TRUE(widget->parentWidget()->rect().contains(inParent));
        EXPECT_GE(inParent.width(), widget->minimumSizeHint().width());
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_GE(inParent.width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
}

}  // namespace probel::test
