// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

namespace probel {

class MessageBoxes;

// A lower and an upper value (of an axis or of a series' limits).
struct PercentRange {
    double lower = 0;
    double upper = 0;
    bool operator==(const PercentRange&) const = default;
};

// The dialog "最大最小の設定" (ParsentForm) shown modally over `parent`, prepared from the
// current lower and upper values: the new lower and upper values for OK, unrounded, and the
// current ones for キャンセル (or Esc, or closing it). A box that does not hold a number at OK
// is reported through `messages` and the dialog stays open.
PercentRange askPercentRange(double lower, double upper, MessageBoxes& messages, QWidget* parent);

// The same started from two limit boxes, read with `read`, their texts replaced by the result.
// False, and no dialog, when a box does not hold a number.
bool askPercentRangeForBoxes(QLineEdit& lower, QLineEdit& upper, std::optional<double> (*read)(const QString&),
                             MessageBoxes& messages, QWidget* parent);

}  // namespace probel
