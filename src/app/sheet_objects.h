// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QWidget>

#include <cstdint>

#include "core/sheet/chart_label.h"

namespace probel {

// The objects lying on a sheet's paper: the hit area of a graph (an element of SekFrame) and
// the text labels (elements of ComLabel and SLabel). They show the model, they do not hold it:
// the sheet window places them from the ChartSheet after every redraw. A press on any of them
// brings the sheet window to the front; a right press asks for the object's context menu.

// The transparent rectangle over graph n; it draws nothing of its own.
class GraphFrameObject : public QWidget {
    Q_OBJECT

public:
    GraphFrameObject(std::int32_t number, QWidget* paper);
    std::int32_t number() const { return number_; }

signals:
    void pressed();
    void contextMenuRequested(std::int32_t number, QPoint globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::int32_t number_;
};

// A text label (free, or the detail label of a series) drawn in its font and colour, line by
// line from its top-left corner, without background.
class SheetLabelObject : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Text, Detail };

    SheetLabelObject(Kind kind, std::int64_t index, QWidget* paper);

    Kind kind() const { return kind_; }
    std::int64_t index() const { return index_; }
    const ChartLabel& label() const { return label_; }
    // Shows `label` at its place with `size` (the extent of its text, whole pixels).
    void place(const ChartLabel& label, QSize size);

signals:
    void pressed();
    // Only text labels have a menu; detail labels never ask.
    void contextMenuRequested(std::int64_t index, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    std::int64_t index_;
    ChartLabel label_;
};

}  // namespace probel
