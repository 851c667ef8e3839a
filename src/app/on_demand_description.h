// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace probel {

// Gives `widget` an accessible description that `describe` works out only when a screen reader
// asks for it: a graph's figures take a pass over its series, too much for every redraw. An
// empty description leaves the widget's own (its tooltip). Call it before anything asks the
// widget for its accessible interface, which Qt keeps once made.
void describeOnDemand(QWidget& widget, std::function<QString()> describe);

// Tells screen readers that the description may have changed.
void announceDescriptionChange(QWidget& widget);

}  // namespace probel
