// SPDX-License-Identifier: MIT
#include "cli/label_layout.h"

#include <algorithm>
#include <cmath>

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

std::optional<GraphWithLabels> toTheRight(const PageBox& area, const AxisTextRoom& axis,
                                          std::span<const LabelExtent> labels)
{
    // Fill columns from the top; a label that does not fit under the last one starts a new column.
    std::vector<std::int32_t> columnOf;
    std::vector<std::int32_t> offsetY;
    std::vector<std::int32_t> columnWidths;
    std::int32_t y = 0;
    for (const LabelExtent& label : labels) {
        const std::int32_t height = wholePixels(label.height);
        if (height > area.height) {
            return std::nullopt;
        }
        if (columnWidths.empty() || y + height > area.height) {
            columnWidths.push_back(0);
            y = 0;
        }
        columnOf.push_back(static_cast<std::int32_t>(columnWidths.size()) - 1);
        offsetY.push_back(y);
        columnWidths.back() = std::max(columnWidths.back(), wholePixels(label.width));
        y += height + kLabelSpacing;
    }
    std::int32_t labelsWidth = kLabelSpacing * (static_cast<std::int32_t>(columnWidths.size()) - 1);
    for (const std::int32_t width : columnWidths) {
        labelsWidth += width;
    }
    const std::int32_t besideFrame = wholePixels(axis.rightOverhang) + kGraphSpacing;
    const std::int32_t frameWidth = area.width - besideFrame - labelsWidth;
    if (frameWidth < kSmallestFrameShare * area.width) {
        return std::nullopt;
    }
    GraphWithLabels layout{PageBox{area.left, area.top, frameWidth, area.height}, {}};
    std::vector<std::int32_t> columnLeft(columnWidths.size());
    std::int32_t x = area.left + frameWidth + besideFrame;
    for (std::size_t column = 0; column < columnWidths.size(); ++column) {
        columnLeft[column] = x;
        x += columnWidths[column] + kLabelSpacing;
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        layout.labels.push_back(Point{columnLeft[static_cast<std::size_t>(columnOf[i])], area.top + offsetY[i]});
    }
    return layout;
}

std::optional<GraphWithLabels> below(const PageBox& area, const AxisTextRoom& axis, std::span<const LabelExtent> labels)
{
    // Fill rows from the left; a label that does not fit after the last one starts a new row.
    std::vector<std::int32_t> rowOf;
    std::vector<std::int32_t> offsetX;
    std::vector<std::int32_t> rowHeights;
    std::int32_t x = 0;
    for (const LabelExtent& label : labels) {
        const std::int32_t width = wholePixels(label.width);
        if (width > area.width) {
            return std::nullopt;
        }
        if (rowHeights.empty() || x + width > area.width) {
            rowHeights.push_back(0);
            x = 0;
        }
        rowOf.push_back(static_cast<std::int32_t>(rowHeights.size()) - 1);
        offsetX.push_back(x);
        rowHeights.back() = std::max(rowHeights.back(), wholePixels(label.height));
        x += width + kLabelSpacing;
    }
    std::int32_t labelsHeight = kLabelSpacing * (static_cast<std::int32_t>(rowHeights.size()) - 1);
    for (const std::int32_t height : rowHeights) {
        labelsHeight += height;
    }
    const double axisText = kAxisTextLines * axis.lineHeight + kGraphSpacing;
    const auto frameHeight =
        static_cast<std::int32_t>(std::floor((area.height - labelsHeight - axisText) / kAxisTextDrop));
    if (frameHeight < kSmallestFrameShare * area.height) {
        return std::nullopt;
    }
    GraphWithLabels layout{PageBox{area.left, area.top, area.width, frameHeight}, {}};
    std::vector<std::int32_t> rowTop(rowHeights.size());
    std::int32_t y = area.top + wholePixels(kAxisTextDrop * frameHeight + axisText);
    for (std::size_t row = 0; row < rowHeights.size(); ++row) {
        rowTop[row] = y;
        y += rowHeights[row] + kLabelSpacing;
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        layout.labels.push_back(Point{area.left + offsetX[i], rowTop[static_cast<std::size_t>(rowOf[i])]});
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
