// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "app/busy_scope.h"

class QWidget;

namespace probel {

class ChartSheet;
class PicForm;
class PicForms;

// What the actions of the main window need of it: the open sheets, a window for a new sheet,
// the busy window, and the mark that an action is running. The actions know only this, so
// the main window can own them without the two depending on each other.
class SheetWindows {
public:
    virtual ~SheetWindows() = default;

    virtual PicForms& picForms() = 0;
    // The sheet in front, or nullptr.
    virtual PicForm* activeSheet() const = 0;
    // Makes a window for `sheet`, shows it in front and returns it; nullptr (and no window)
    // when its name is in use.
    virtual PicForm* addSheet(std::unique_ptr<ChartSheet> sheet) = 0;
    // The busy window over the main window, the window disabled: for actions that take time.
    virtual BusyScope::Options busyOptions() = 0;
    // The window the actions' menus belong to.
    virtual QWidget& actionWindow() = 0;

    // Marks an action as running for its lifetime. Actions let pending events run (the busy
    // pointer and window), and a hand-off must not open sheets in the middle of one.
    class ActionScope {
    public:
        explicit ActionScope(SheetWindows& windows) : windows_(windows) { ++windows_.runningActions_; }
        ~ActionScope() { --windows_.runningActions_; }
        ActionScope(const ActionScope&) = delete;
        ActionScope& operator=(const ActionScope&) = delete;

    private:
        SheetWindows& windows_;
    };

protected:
    bool actionRunning() const { return runningActions_ > 0; }

private:
    int runningActions_ = 0;
};

}  // namespace probel
