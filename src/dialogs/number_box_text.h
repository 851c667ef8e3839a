// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace probel {

// The numbers of the dialogs' text boxes, by the program's number rules.

// A number as a box shows it: the general number text.
QString numberText(double value);
// The box's whole text as a number, full-width digits typed with an input method read as well.
std::optional<double> wholeTypedNumber(const QString& text);
// The number at the start of the box's text, full-width digits read as well (0 when none).
double leadingTypedNumber(const QString& text);

}  // namespace probel
