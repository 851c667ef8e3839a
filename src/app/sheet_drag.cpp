// SPDX-License-Identifier: MIT
#include "app/sheet_drag.h"

#include <QScrollBar>

#include <utility>

#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app/sheet_scrolling.h"
#include "core/sheet/paper_size.h"

namespace probel {

SheetDrag::SheetDrag(Window window) : window_(std::move(window)) {}

void SheetDrag::pressPaper(QPointF position)
{
    window_.paper.setCursor(Qt::ClosedHandCursor);
    paperPress_ = position;
}

void SheetDrag::dragPaper(QPointF position)
{
    QScrollBar& across = window_.across;
    QScrollBar& down = window_.down;
    across.setValue(
        dragScrollPosition(across.value(), across.maximum(), position.x() - paperPress_.x(), kTwipsPerPixel));
    down.setValue(dragScrollPosition(down.value(), down.maximum(), position.y() - paperPress_.y(), kTwipsPerPixel));
}

void SheetDrag::releasePaper()
{
    window_.paper.unsetCursor();
}

void SheetDrag::holdFrame(std::int32_t number, QPointF position)
{
    GraphFrameObject* object = window_.frame(number);
    if (object == nullptr || heldLabel_) {
        return;
    }
    const GraphFrame frame{object->x(), object->y(), object->width(), object->height()};
    heldFrame_ = HeldFrame{number, object->grip(), position, frame, frame};
    object->setHeld(true);
    object->raise();
}

void SheetDrag::dragFrame(std::int32_t number, QPointF position)
{
    if (!heldFrame_ || heldFrame_->number != number) {
        return;
    }
    HeldFrame& held = *heldFrame_;
    const std::int32_t dx = wholeDisplacement(held.press.x(), position.x());
    const std::int32_t dy = wholeDisplacement(held.press.y(), position.y());
    const FrameStep step = stepFrame(held.frame, held.grip, dx, dy);
    held.frame = step.frame;
    // The right and bottom edges follow the pointer, so the press point goes with them.
    if (step.resized && held.grip == FrameGrip::RightEdge) {
        held.press.setX(position.x());
    }
    if (step.resized && held.grip == FrameGrip::BottomEdge) {
        held.press.setY(position.y());
    }
    if (GraphFrameObject* object = window_.frame(number)) {
        object->setGeometry(held.frame.left, held.frame.top, held.frame.width, held.frame.height);
    }
}

void SheetDrag::releaseFrame(std::int32_t number)
{
    GraphFrameObject* object = window_.frame(number);
    if (heldFrame_ && heldFrame_->number == number && object != nullptr) {
        const HeldFrame held = *std::exchange(heldFrame_, std::nullopt);
        GraphFrame frame = held.frame;
        const QSize paper = window_.paper.paperSize();
        frame.left = static_cast<std::int32_t>(pushOntoPaper(frame.left, frame.width, paper.width()));
        frame.top = static_cast<std::int32_t>(pushOntoPaper(frame.top, frame.height, paper.height()));
        object->setHeld(false);
        object->setGeometry(frame.left, frame.top, frame.width, frame.height);
        if (frame != held.start) {
            window_.frameMoved(number, held.start, frame);
        } else {
            window_.redraw();
        }
    }
    if (object != nullptr) {
        // Behind every other object, so labels lying over the graph stay reachable.
        object->lower();
    }
}

void SheetDrag::holdLabel(LabelArray array, std::int64_t index, QPointF position)
{
    SheetLabelObject* object = window_.label(array, index);
    if (object == nullptr || heldFrame_) {
        return;
    }
    const ChartLabel& label = object->label();
    const LabelPlace place{label.left, label.top};
    heldLabel_ = HeldLabel{array, index, position, place, place};
    object->setHeld(true);
    object->raise();
}

void SheetDrag::dragLabel(LabelArray array, std::int64_t index, QPointF position)
{
    if (!heldLabel_ || heldLabel_->array != array || heldLabel_->index != index) {
        return;
    }
    HeldLabel& held = *heldLabel_;
    held.place.left += static_cast<float>(snappedMove(wholeDisplacement(held.press.x(), position.x())));
    held.place.top += static_cast<float>(snappedMove(wholeDisplacement(held.press.y(), position.y())));
    if (SheetLabelObject* object = window_.label(array, index)) {
        ChartLabel moved = object->label();
        moved.left = held.place.left;
        moved.top = held.place.top;
        object->place(moved, object->size());
    }
}

void SheetDrag::releaseLabel(LabelArray array, std::int64_t index)
{
    SheetLabelObject* object = window_.label(array, index);
    if (object == nullptr) {
        return;
    }
    if (heldLabel_ && heldLabel_->array == array && heldLabel_->index == index) {
        const HeldLabel held = *std::exchange(heldLabel_, std::nullopt);
        const QSize paper = window_.paper.paperSize();
        LabelPlace place = held.place;
        place.left = static_cast<float>(pushOntoPaper(place.left, object->width(), paper.width()));
        place.top = static_cast<float>(pushOntoPaper(place.top, object->height(), paper.height()));
        object->setHeld(false);
        sendBehindOtherLabels(*object);
        if (place != held.start) {
            window_.labelMoved(array, index, held.start, place);
            return;
        }
    }
    window_.redraw();
}

void SheetDrag::sendBehindOtherLabels(SheetLabelObject& label)
{
    // Behind the other labels, above every frame: a label lying on a graph stays reachable.
    for (QObject* child : window_.paper.children()) {
        auto* other = qobject_cast<SheetLabelObject*>(child);
        if (other != nullptr && other != &label) {
            label.stackUnder(other);
            return;
        }
    }
}

}  // namespace probel
