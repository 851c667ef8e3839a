// SPDX-License-Identifier: MIT
#include "app/bounded_undo.h"

#include <QUndoStack>

#include <utility>
#include <vector>

namespace probel {
namespace {

// What the stack holds for each step: the change, shared so that the oldest steps can be taken
// off by building the stack again from the rest. A step put back is already applied (or already
// undone), so its first redo (or undo) is passed over.
class HeldStep : public QUndoCommand {
public:
    explicit HeldStep(std::shared_ptr<SheetChange> change) : QUndoCommand(change->text()), change_(std::move(change))
    {
        setObsolete(change_->isObsolete());
    }

    void redo() override
    {
        if (skipRedo_) {
            skipRedo_ = false;
            return;
        }
        change_->redo();
        setObsolete(change_->isObsolete());
    }
    void undo() override
    {
        if (skipUndo_) {
            skipUndo_ = false;
            return;
        }
        change_->undo();
    }

    const std::shared_ptr<SheetChange>& change() const { return change_; }
    void putBack(bool undone)
    {
        skipRedo_ = true;
        skipUndo_ = undone;
    }

private:
    std::shared_ptr<SheetChange> change_;
    bool skipRedo_ = false;
    bool skipUndo_ = false;
};

const HeldStep& stepAt(const QUndoStack& stack, int index)
{
    return static_cast<const HeldStep&>(*stack.command(index));
}

}  // namespace

BoundedUndo::BoundedUndo(QUndoStack& stack, std::function<void(KeptValues&)> sheetValues, std::size_t maxBytes)
    : stack_(stack), sheetValues_(std::move(sheetValues)), maxBytes_(maxBytes)
{
    stack_.setUndoLimit(kMaxSteps);
}

void BoundedUndo::push(std::unique_ptr<SheetChange> change)
{
    KeptValues added;
    change->keptValues(added);
    stack_.push(new HeldStep(std::shared_ptr<SheetChange>(std::move(change))));
    // Only a step that keeps values can have taken the stack over its memory bound.
    if (added.empty()) {
        return;
    }
    while (stack_.count() > 1 && heldBytes() > maxBytes_) {
        dropOldest(1);
    }
}

std::size_t BoundedUndo::heldBytes() const
{
    KeptValues held;
    for (int index = 0; index < stack_.count(); ++index) {
        stepAt(stack_, index).change()->keptValues(held);
    }
    KeptValues sheet;
    sheetValues_(sheet);
    std::size_t bytes = 0;
    for (const auto& [where, size] : held) {
        bytes += sheet.count(where) == 0 ? size : 0;
    }
    return bytes;
}

void BoundedUndo::dropOldest(int steps)
{
    const int count = stack_.count();
    const int index = stack_.index();
    const int clean = stack_.cleanIndex();
    std::vector<std::shared_ptr<SheetChange>> kept;
    for (int at = steps; at < count; ++at) {
        kept.push_back(stepAt(stack_, at).change());
    }
    // Clearing deletes the held steps, not the changes, and marks the empty stack clean.
    stack_.clear();
    std::vector<HeldStep*> putBack;
    for (std::size_t at = 0; at < kept.size(); ++at) {
        const int position = steps + static_cast<int>(at);
        auto* step = new HeldStep(kept[at]);
        step->putBack(position >= index);
        stack_.push(step);
        if (position + 1 == clean) {
            stack_.setClean();
        }
    }
    if (clean < steps) {
        stack_.resetClean();
    }
    stack_.setIndex(index - steps);
}

}  // namespace probel
