// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace probel::test {

// Every visible control of the shown `dialog` lies wholly inside its parent, is at least as
// wide as its minimum size hint, and a label as wide as its text.
void expectEveryControlInside(QWidget& dialog);

}  // namespace probel::test
