// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>

#include "core/sheet/chart_label.h"
#include "core/sheet/sheet_placement.h"

class QMimeData;

namespace probel {

// The objects lying on a sheet's paper: the hit area of a graph (an element of SekFrame) and
// the text labels (elements of ComLabel and SLabel). They show the model, they do not hold it:
// the sheet window places them from the ChartSheet after every redraw, and moves a held one
// while it is dragged. A press on any of them brings the sheet window to the front; the left
// button holds the object (its one-pixel border shows) until release; a right press asks for
// the object's context menu. Positions in the signals are the object's own pixels.

// The transparent rectangle over graph n; it draws nothing of its own but the held border.
// The pointer over it shows what a press would do: the sizing arrows within 5 pixels of an
// edge (the vertical ones in a corner), the normal arrow elsewhere.
class GraphFrameObject : public QWidget {
    Q_OBJECT

public:
    GraphFrameObject(std::int32_t number, QWidget* paper);
    std::int32_t number() const { return number_; }
    // What a left press here does, as the pointer shows it.
    FrameGrip grip() const { return grip_; }
    void setHeld(bool held);
    bool held() const { return held_; }

signals:
    void pressed();
    void leftPressed(std::int32_t number, QPointF position);
    void leftDragged(std::int32_t number, QPointF position);
    void leftReleased(std::int32_t number);
    void contextMenuRequested(std::int32_t number, QPoint globalPosition);
    // The pointer moves over the frame while nothing is held, or leaves it.
    void hovered(std::int32_t number, QPointF position);
    void unhovered(std::int32_t number);
    // Local files dropped on the frame.
    void filesDropped(std::int32_t number, const QStringList& paths);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showGripAt(QPointF position);

    std::int32_t number_;
    FrameGrip grip_ = FrameGrip::Move;
    bool held_ = false;
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
    void setHeld(bool held);
    bool held() const { return held_; }

signals:
    void pressed();
    void leftPressed(std::int64_t index, QPointF position);
    void leftDragged(std::int64_t index, QPointF position);
    void leftReleased(std::int64_t index);
    // Only text labels have a menu; detail labels never ask.
    void contextMenuRequested(std::int64_t index, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    std::int64_t index_;
    ChartLabel label_;
    bool held_ = false;
};

// The local files among dropped data; empty when there are none.
QStringList droppedLocalFiles(const QMimeData* data);

// The name a screen reader gives a label: its caption on one line.
QString labelAccessibleName(const ChartLabel& label);

}  // namespace probel
