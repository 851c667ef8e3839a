// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <memory>

#include "app/sheet_change.h"

class QUndoStack;

namespace probel {

// A sheet's undo stack kept within bounds: at most kMaxSteps steps, and at most maxBytes of
// series values that its steps hold and the sheet no longer does (values both share are not
// counted twice). The oldest steps go first; the newest step always stays. The steps that
// remain undo and redo as before, their names and the saved (clean) state are kept.
class BoundedUndo {
public:
    static constexpr int kMaxSteps = 1000;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    // `sheetValues` adds the values the sheet holds now. The stack must be empty.
    BoundedUndo(QUndoStack& stack, std::function<void(KeptValues&)> sheetValues, std::size_t maxBytes = kMaxBytes);

    // Pushes (and so applies) `change`, then drops the oldest steps while over the bounds.
    void push(std::unique_ptr<SheetChange> change);

    // The bytes of series values the steps hold that the sheet does not.
    std::size_t heldBytes() const;

private:
    void dropOldest(int steps);

    QUndoStack& stack_;
    std::function<void(KeptValues&)> sheetValues_;
    std::size_t maxBytes_;
};

}  // namespace probel
