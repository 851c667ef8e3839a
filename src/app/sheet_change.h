// SPDX-License-Identifier: MIT
#pragma once

#include <QUndoCommand>

#include <cstddef>
#include <map>

namespace probel {

class NormoData;

// The series values some holder keeps: each value buffer once, by where it lives, with its
// size in bytes. Copies of a series share their buffer, so this counts what is really held.
using KeptValues = std::map<const void*, std::size_t>;

// Adds the buffer of `series` to `kept`.
void keepValuesOf(const NormoData& series, KeptValues& kept);

// An undoable change of a sheet's content. It says which series values it keeps, so the undo
// stack can tell how much memory its steps hold.
class SheetChange : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    virtual void keptValues(KeptValues& /*kept*/) const {}
};

}  // namespace probel
