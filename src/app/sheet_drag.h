// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

#include <cstdint>
#include <functional>
#include <optional>

#include "app/sheet_commands.h"
#include "core/graph/graph_frame.h"
#include "core/sheet/sheet_placement.h"

class QScrollBar;

namespace probel {

class GraphFrameObject;
class SheetLabelObject;
class SheetPaper;

// The left-button drags of a sheet window. Dragging the paper scrolls the window. A graph
// frame (moved or resized by the grip it was taken by) or a label is held from press to
// release; meanwhile only its widget moves. On release the object is pushed back onto the
// paper and the move goes to the window as one change; an object let go where it was taken
// only has the sheet drawn again. One object is held at a time: a press on another one while
// it is held does nothing.
class SheetDrag {
public:
    // What a drag needs of its window.
    struct Window {
        SheetPaper& paper;
        QScrollBar& across;
        QScrollBar& down;
        // The objects on the paper; nullptr when there is none of that number.
        std::function<GraphFrameObject*(std::int32_t number)> frame;
        std::function<SheetLabelObject*(LabelArray array, std::int64_t index)> label;
        // Put the move onto the sheet's undo stack.
        std::function<void(std::int32_t number, const GraphFrame& before, const GraphFrame& after)> frameMoved;
        std::function<void(LabelArray array, std::int64_t index, LabelPlace before, LabelPlace after)> labelMoved;
        // Draws the sheet again, with the objects placed from it.
        std::function<void()> redraw;
    };

    explicit SheetDrag(Window window);

    // Positions are paper pixels.
    void pressPaper(QPointF position);
    void dragPaper(QPointF position);
    void releasePaper();

    // Positions are pixels of the object's own widget.
    void holdFrame(std::int32_t number, QPointF position);
    void dragFrame(std::int32_t number, QPointF position);
    void releaseFrame(std::int32_t number);
    void holdLabel(LabelArray array, std::int64_t index, QPointF position);
    void dragLabel(LabelArray array, std::int64_t index, QPointF position);
    void releaseLabel(LabelArray array, std::int64_t index);

private:
    struct HeldFrame {
        std::int32_t number = 0;
        FrameGrip grip = FrameGrip::Move;
        QPointF press;
        GraphFrame start;
        GraphFrame frame;
    };
    struct HeldLabel {
        LabelArray array = LabelArray::Text;
        std::int64_t index = 0;
        QPointF press;
        LabelPlace start;
        LabelPlace place;
    };

    void sendBehindOtherLabels(SheetLabelObject& label);

    Window window_;
    // Press point of the current drag of the paper.
    QPointF paperPress_;
    std::optional<HeldFrame> heldFrame_;
    std::optional<HeldLabel> heldLabel_;
};

}  // namespace probel
