// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/qt_translations.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace probel::test {

inline constexpr int kModalWaitMs = 10000;
inline constexpr int kModalPollMs = 10;

// Qt's dialogs as the program shows them: with Qt's Japanese texts, which change how some
// dialogs behave (the font dialog looks styles up by their translated names).
inline void useJapaneseQtTexts()
{
    static const bool installed = installJapaneseTranslations(*qApp);
    ASSERT_TRUE(installed);
}

// Runs `action` on the next modal widget of type T once it is shown by code that runs its
// own event loop (exec). If none shows up within kModalWaitMs, the test fails and whatever
// modal dialog is open is rejected, so a faulty test cannot hang.
template <class T>
void whenModal(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(timer, &QTimer::timeout, [timer, waited, action = std::move(action)] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(widget);
            return;
        }
        if (waited->elapsed() > kModalWaitMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected modal window did not appear";
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->reject();
            }
        }
    });
    timer->start(kModalPollMs);
}

}  // namespace probel::test
