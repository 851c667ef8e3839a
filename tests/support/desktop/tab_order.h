// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace probel::test {

// Whether `a` comes before `b` as the window `top` is read: the two are compared where their
// places in the layouts part, so a group, a column or a grid cell is read whole before the one
// beside or below it. Within a grid, row by row and left to right in a row; elsewhere, by
// screen position: what lies lower comes later, and in a row what lies further right.
bool readBefore(QWidget& top, QWidget* a, QWidget* b);

// What a failure names a control by: its object name, accessible name and class.
std::string controlName(const QWidget* control);

// The controls Tab stops at in the window `top` now: enabled, shown, taking the focus by Tab
// themselves (not through another widget), in reading order.
std::vector<QWidget*> tabStopsAsRead(QWidget& top);

// Shows and activates `dialog`; the focus is on the first control in reading order.
void expectFocusOpensOnFirstControl(QWidget& dialog);

// Shows and activates `dialog`, puts the focus on the first control in reading order and
// presses Tab until the focus is back there; returns the controls the focus went to in turn.
std::vector<QWidget*> tabRound(QWidget& dialog);

// Tab takes the focus through every control of `dialog` once, in reading order, from the first
// control to `closing` (OK, キャンセル, in the order they stand), and then back to the first.
void expectTabInReadingOrder(QWidget& dialog, const std::vector<QWidget*>& closing);

}  // namespace probel::test
