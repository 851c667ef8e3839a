// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace probel {

// The status bar's read-off of the graph under the pointer ("X = 10.05 mm    P = 84.13 %").
// A screen reader reads a label by its accessible name, which would hide the text: the name
// carries the reading after "読み取り", and changes with it.
class ReadOffLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr auto kName = "読み取り";

    explicit ReadOffLabel(QWidget* parent = nullptr);

    // Shows `reading`; empty when the pointer is off every graph.
    void setReading(const QString& reading);
};

}  // namespace probel
