// SPDX-License-Identifier: MIT
#include "cli/label_layout.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/sheet/chart_label.h"

namespace probel::cli {
namespace {

// Free pixels between neighbouring labels and between the graph's text and the labels.
constexpr std::int32_t kLabelSpacing = 10;
constexpr std::int32_t kGraphSpacing = 12;
// The frame keeps at least this share of the area in the direction the labels take.
constexpr double kSmallestFrameShare = 0.5;
// The graph's value labels hang this far below the frame, in frame heights, and the unit text
// one line of axis text lower; the labels go below both.
constexpr double kAxisTextDrop = 1.01;
constexpr double kAxisTextLines = 2.01;

std::int32_t wholePixels(double length)
{
    return static_cast<std::int32_t>(std::ceil(length));
}

// Labels packed in lines (columns or rows): each label's line and its offset along it, and how
// broad each line is across.
struct Packing {
    std::vector<std::size_t> lineOf;
    std::vector<std::int32_t> offset;
    std::vector<std::int32_t> lineBreadths;

    // All lines across, with the spacing between them.
    std::int32_t breadth() const
    {
        std::int32_t total = kLabelSpacing * (static_cast<std::int32_t>(lineBreadths.size()) - 1);
        for (const std::int32_t line : lineBreadths) {
            total += line;
        }
        return total;
    }

    // Where each line starts across, the first at `start`.
    std::vector<std::int32_t> lineStarts(std::int32_t start) const
    {
        std::vector<std::int32_t> starts;
        for (const std::int32_t line : lineBreadths) {
            starts.push_back(start);
            start += line + kLabelSpacing;
        }
        return starts;
    }
};

// Fills lines of `room` pixels from their start; a label that does not fit after the last one
// starts a new line. `along` and `across` give a label's length in the line and its breadth.
// Empty when a label is longer than a whole line.
template <typename Along, typename Across>
std::optional<Packing> packInLines(std::span<const LabelExtent> labels, std::int32_t room, Along along, Across across)
{
    Packing packing;
    std::int32_t at = 0;
    for (const LabelExtent& label : labels) {
        const std::int32_t length = wholePixels(along(label));
        if (length > room) {
            return std::nullopt;
        }
        if (packing.lineBreadths.empty() || at + length > room) {
            packing.lineBreadths.push_back(0);
            at = 0;
        }
        packing.lineOf.push_back(packing.lineBreadths.size() - 1);
        packing.offset.push_back(at);
        packing.lineBreadths.back() = std::max(packing.lineBreadths.back(), wholePixels(across(label)));
        at += length + kLabelSpacing;
    }
    return packing;
}

double widthOf(const LabelExtent& label)
{
    return label.width;
}

double heightOf(const LabelExtent& label)
{
    return label.height;
}

std::optional<GraphWithLabels> toTheRight(const PageBox& area, const AxisTextRoom& axis,
                                          std::span<const LabelExtent> labels)
{
    const auto columns = packInLines(labels, area.height, heightOf, widthOf);
    if (!columns) {
        return std::nullopt;
    }
    const std::int32_t besideFrame = wholePixels(axis.rightOverhang) + kGraphSpacing;
    const std::int32_t frameWidth = area.width - besideFrame - columns->breadth();
    if (frameWidth < kSmallestFrameShare * area.width) {
        return std::nullopt;
    }
    GraphWithLabels layout{PageBox{area.left, area.top, frameWidth, area.height}, {}};
    const std::vector<std::int32_t> columnLeft = columns->lineStarts(area.left + frameWidth + besideFrame);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        layout.labels.push_back(Point{columnLeft[columns->lineOf[i]], area.top + columns->offset[i]});
    }
    return layout;
}

std::optional<GraphWithLabels> below(const PageBox& area, const AxisTextRoom& axis, std::span<const LabelExtent> labels)
{
    const auto rows = packInLines(labels, area.width, widthOf, heightOf);
    if (!rows) {
        return std::nullopt;
    }
    const double axisText = kAxisTextLines * axis.lineHeight + kGraphSpacing;
    const auto frameHeight =
        static_cast<std::int32_t>(std::floor((area.height - rows->breadth() - axisText) / kAxisTextDrop));
    if (frameHeight < kSmallestFrameShare * area.height) {
        return std::nullopt;
    }
    GraphWithLabels layout{PageBox{area.left, area.top, area.width, frameHeight}, {}};
    const std::vector<std::int32_t> rowTop =
        rows->lineStarts(area.top + wholePixels(kAxisTextDrop * frameHeight + axisText));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        layout.labels.push_back(Point{area.left + rows->offset[i], rowTop[rows->lineOf[i]]});
    }
    return layout;
}

}  // namespace

std::optional<GraphWithLabels> layOutGraphWithLabels(const PageBox& area, const AxisTextRoom& axis,
                                                     std::span<const LabelExtent> labels)
{
    if (labels.empty()) {
        return GraphWithLabels{area, {}};
    }
    if (auto beside = toTheRight(area, axis, labels)) {
        return beside;
    }
    return below(area, axis, labels);
}

}  // namespace probel::cli
