// SPDX-License-Identifier: MIT
#include "core/sheet/sheet_placement.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/numbers/rounding.h"

namespace probel {
namespace {

bool within(double value, double from, double to)
{
    return value >= from && value <= to;
}

std::int32_t toPixels(double value)
{
    return toInt32HalfEven(value).value_or(0);
}

}  // namespace

FrameGrip frameGripAt(double x, double y, std::int32_t width, std::int32_t height)
{
    if (within(y, 0, kEdgeZone)) {
        return FrameGrip::TopEdge;
    }
    if (within(y, height - kEdgeZone, height)) {
        return FrameGrip::BottomEdge;
    }
    if (within(x, 0, kEdgeZone)) {
        return FrameGrip::LeftEdge;
    }
    if (within(x, width - kEdgeZone, width)) {
        return FrameGrip::RightEdge;
    }
    return FrameGrip::Move;
}

std::int32_t snappedMove(std::int32_t displacement)
{
    std::int64_t d = displacement;
    const std::int64_t remainder = modSigned(d, kSnapStep);
    if (remainder >= kSnapStep / 2) {
        d += kSnapStep;
    }
    return static_cast<std::int32_t>(-(d - remainder));
}

std::int32_t wholeDisplacement(double pressCoordinate, double pointerCoordinate)
{
    return toPixels(pressCoordinate - pointerCoordinate);
}

FrameStep stepFrame(const GraphFrame& frame, FrameGrip grip, std::int32_t dx, std::int32_t dy)
{
    FrameStep step{frame, false};
    GraphFrame& f = step.frame;
    switch (grip) {
    case FrameGrip::Move:
        f.left += snappedMove(dx);
        f.top += snappedMove(dy);
        break;
    case FrameGrip::LeftEdge:
        if (frame.width + dx >= kSmallestFrameExtent) {
            f.width = frame.width + dx;
            f.left = frame.left - dx;
            step.resized = true;
        }
        break;
    case FrameGrip::RightEdge:
        if (frame.width - dx >= kSmallestFrameExtent) {
            f.width = frame.width - dx;
            step.resized = true;
        }
        break;
    case FrameGrip::TopEdge:
        if (frame.height + dy >= kSmallestFrameExtent) {
            f.height = frame.height + dy;
            f.top = frame.top - dy;
            step.resized = true;
        }
        break;
    case FrameGrip::BottomEdge:
        if (frame.height - dy >= kSmallestFrameExtent) {
            f.height = frame.height - dy;
            step.resized = true;
        }
        break;
    }
    return step;
}

double pushOntoPaper(double start, double extent, double paperExtent)
{
    if (start + extent > paperExtent) {
        return paperExtent - extent;
    }
    if (start < 0) {
        return 0;
    }
    return start;
}

namespace {

// A label larger than the paper keeps its first line and first characters on it.
LabelSpot labelOnPaper(double left, double top, double width, double height, double paperWidth, double paperHeight)
{
    return {std::max(0.0, pushOntoPaper(left, width, paperWidth)),
            std::max(0.0, pushOntoPaper(top, height, paperHeight))};
}

}  // namespace

LabelSpot textLabelSpot(double clickedX, double clickedY, double width, double height, double paperWidth,
                        double paperHeight)
{
    return labelOnPaper(gridStart(clickedX), gridStart(clickedY), width, height, paperWidth, paperHeight);
}

LabelSpot detailLabelSpot(const GraphFrame& frame, std::optional<double> lowestBottom, double width, double height,
                          double paperWidth, double paperHeight)
{
    const double left = static_cast<double>(frame.left) + frame.width + kLabelGap;
    const double top =
        lowestBottom ? std::ceil((*lowestBottom + kLabelGap) / kSnapStep) * kSnapStep : static_cast<double>(frame.top);
    return labelOnPaper(left, top, width, height, paperWidth, paperHeight);
}

std::int32_t gridStart(double clicked)
{
    const std::int32_t pixel = toPixels(clicked);
    return pixel - static_cast<std::int32_t>(modSigned(pixel, kSnapStep));
}

GraphFrame clampFrameOnCanvas(const GraphFrame& frame, std::int32_t canvasWidth, std::int32_t canvasHeight)
{
    const auto clamp = [](std::int32_t start, std::int32_t extent, std::int32_t canvas) {
        start = std::max(start, 0);
        const std::int64_t last = std::int64_t{canvas} - extent;
        return start > last ? static_cast<std::int32_t>(last) : start;
    };
    GraphFrame clamped = frame;
    clamped.left = clamp(frame.left, frame.width, canvasWidth);
    clamped.top = clamp(frame.top, frame.height, canvasHeight);
    return clamped;
}

std::int32_t nearestGridPosition(std::int32_t typed)
{
    const std::int64_t remainder = modSigned(typed, kSnapStep);
    // The multiple of 10 at or below the position, and how far above it the position lies.
    const std::int64_t below = typed - remainder - (remainder < 0 ? kSnapStep : 0);
    const std::int64_t above = typed - below;
    const std::int64_t nearest = above > kSnapStep / 2 ? below + kSnapStep : below;
    return static_cast<std::int32_t>(nearest > std::numeric_limits<std::int32_t>::max() ? below : nearest);
}

}  // namespace probel
