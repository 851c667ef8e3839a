// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

class QWidget;

namespace probel {

// Tab goes through `controls` one after the other in the order given, which is the order they
// are read in (top to bottom, left to right, a group or column whole): Qt's own order is the
// order they were made in, which the layout code does not keep to.
void chainTabOrder(const std::vector<QWidget*>& controls);

}  // namespace probel
