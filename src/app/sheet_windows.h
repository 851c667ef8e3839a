// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "app/busy_scope.h"

class QWidget;

namespace probel {

class ChartSheet;
class PicForm;
class PicForms;

// What the commands of the main window need of it: the open sheets, a window for a new sheet,
// the busy window, and the mark that a command is running. The commands know only this, so
// the main window can own them without the two depending on each other.
class SheetWindows {
public:
    virtual ~SheetWindows() = default;

    virtual PicForms& picForms() = 0;
    // Makes a window for `sheet`, shows it in front and returns it; nullptr (and no window)
    // when its name is in use.
    virtual PicForm* addSheet(std::unique_ptr<ChartSheet> sheet) = 0;
    // The busy window over the main window, the window disabled: for commands that take time.
    virtual BusyScope::Options busyOptions() = 0;
    // The window the commands' menus belong to.
    virtual QWidget& commandWindow() = 0;

    // Marks a command as running for its lifetime. Commands let pending events run (the busy
    // pointer and window), and a hand-off must not open sheets in the middle of one.
    class CommandScope {
    public:
        explicit CommandScope(SheetWindows& windows) : windows_(windows) { ++windows_.runningCommands_; }
        ~CommandScope() { --windows_.runningCommands_; }
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

    private:
        SheetWindows& windows_;
    };

protected:
    bool commandRunning() const { return runningCommands_ > 0; }

private:
    int runningCommands_ = 0;
};

}  // namespace probel
