// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>

class QWidget;

namespace probel {

class Splash;

// While a long action works: the busy pointer (an override cursor), optionally the busy
// picture shown modeless over a window and the window disabled; pending events run once so
// all of it appears. Everything is undone when the scope ends, also by an exception: the
// pointer is restored, the busy picture hidden, the window enabled again if it was enabled.
class BusyScope {
public:
    struct Options {
        // The window the busy picture is shown over (and that is disabled); may be null.
        QWidget* window = nullptr;
        // The busy picture; may be null for the pointer alone.
        Splash* splash = nullptr;
        bool disableWindow = false;
    };

    BusyScope();
    explicit BusyScope(Options options);
    ~BusyScope();

    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<Splash> splash_;
    bool reenableWindow_ = false;
};

}  // namespace probel
