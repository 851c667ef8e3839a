// SPDX-License-Identifier: MIT
#include "app/busy_scope.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

#include "app/splash.h"

namespace probel {

BusyScope::BusyScope() : BusyScope(Options{}) {}

BusyScope::BusyScope(Options options) : window_(options.window), splash_(options.splash)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (options.disableWindow && window_ != nullptr && window_->isEnabled()) {
        window_->setEnabled(false);
        reenableWindow_ = true;
    }
    if (splash_ != nullptr) {
        splash_->showOver(window_);
    }
    // Lets the pointer and the busy picture appear before the work blocks the event loop.
    QCoreApplication::processEvents();
}

BusyScope::~BusyScope()
{
    if (splash_ != nullptr) {
        splash_->hide();
    }
    if (reenableWindow_ && window_ != nullptr) {
        window_->setEnabled(true);
    }
    QApplication::restoreOverrideCursor();
}

}  // namespace probel
