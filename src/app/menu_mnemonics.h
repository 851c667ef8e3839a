// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace probel {

// The Alt letter of a menu caption: the letter after its lone '&' ("&&" is an ampersand
// shown as such); a null QChar when it has none.
QChar mnemonicOf(const QString& caption);

// The caption of the entry at `position` (from 1) of a list of names in a menu, such as the
// open sheets: its Alt letter, then the name with its own '&' shown as written. The letters
// are 1 … 9 and the 0 of "10", then A … Z less those in `taken` (the menu's other entries), so each
// entry keeps a letter of its own; past them the entry has none.
QString numberedEntry(int position, const QString& name, const QString& taken);

}  // namespace probel
