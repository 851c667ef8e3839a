// SPDX-License-Identifier: MIT
#include "core/sheet/sheet_page.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "core/graph/graph_renderer.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

// Label text prints in the printer's own colour, whatever the label's colour on screen.
constexpr std::int32_t kPrinterTextColor = 0;

double deviceScale(double dotsPerInch)
{
    return dotsPerInch * kTwipsPerPixel / kTwipsPerInch;
}

std::optional<GraphFrame> deviceFrame(const NormoBp& graph, const PageStyle& style)
{
    const auto left = screenToDevicePixels(graph.frameLeft(), style.dotsPerInchX);
    const auto top = screenToDevicePixels(graph.frameTop(), style.dotsPerInchY);
    const auto width = screenToDevicePixels(graph.frameWidth(), style.dotsPerInchX);
    const auto height = screenToDevicePixels(graph.frameHeight(), style.dotsPerInchY);
    if (!left || !top || !width || !height) {
        return std::nullopt;
    }
    return GraphFrame{*left, *top, *width, *height};
}

// Graphs in collection order, or in the order of their numbers (frame elements) as the
// printed page takes them.
std::vector<const NormoBp*> graphsToDraw(const ChartSheet& sheet, PageKind kind)
{
    std::vector<std::pair<std::int32_t, const NormoBp*>> numbered;
    for (std::int32_t position = 1; position <= sheet.myNormo().count(); ++position) {
        const auto number = sheet.graphNumberAt(position);
        if (kind != PageKind::Printed || number) {
            numbered.emplace_back(number.value_or(0), sheet.myNormo().find(position));
        }
    }
    if (kind == PageKind::Printed) {
        std::stable_sort(numbered.begin(), numbered.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    std::vector<const NormoBp*> graphs;
    graphs.reserve(numbered.size());
    for (const auto& [number, graph] : numbered) {
        graphs.push_back(graph);
    }
    return graphs;
}

void drawGraphs(const ChartSheet& sheet, Canvas& canvas, const PageStyle& style)
{
    for (const NormoBp* graph : graphsToDraw(sheet, style.kind)) {
        if (const auto frame = deviceFrame(*graph, style)) {
            drawGraph(*graph, canvas, *frame);
        }
    }
}

void drawLabelText(const ChartLabel& label, Canvas& canvas, const PageStyle& style)
{
    if (!label.visible) {
        return;
    }
    CanvasFont font = label.font;
    font.bold = false;
    canvas.setFont(font);
    canvas.setColor(style.kind == PageKind::Printed ? kPrinterTextColor : label.foreColor);
    PointF at{label.left * deviceScale(style.dotsPerInchX), label.top * deviceScale(style.dotsPerInchY)};
    for (const std::string_view line : captionLines(label.caption)) {
        if (!line.empty()) {
            canvas.drawText(at, line);
        }
        at.y += canvas.textHeight(line);
    }
}

void drawLabelFrame(const ChartLabel& label, Canvas& canvas)
{
    if (!label.visible || !label.framed()) {
        return;
    }
    const LabelExtent extent = labelExtent(label, canvas);
    const auto left = toInt32HalfEven(double{label.left} - 1);
    const auto top = toInt32HalfEven(double{label.top} - 1);
    const auto right = toInt32HalfEven(double{label.left} + extent.width + 1);
    const auto bottom = toInt32HalfEven(double{label.top} + extent.height + 1);
    if (!left || !top || !right || !bottom) {
        return;  // a label far off the paper: nothing to draw
    }
    const std::array<Point, 5> outline = {
        Point{*left, *top}, Point{*right, *top}, Point{*right, *bottom}, Point{*left, *bottom}, Point{*left, *top},
    };
    canvas.setPenStyle(kPenSolid);
    canvas.setColor(ChartSheet::kSheetForeColor);
    canvas.polyline(outline);
}

void drawLabelFrames(const ChartSheet& sheet, Canvas& canvas)
{
    for (const auto& [index, label] : sheet.comLabels()) {
        drawLabelFrame(label, canvas);
    }
    for (const auto& [index, label] : sheet.sLabels()) {
        drawLabelFrame(label, canvas);
    }
}

}  // namespace

std::optional<std::int32_t> screenToDevicePixels(std::int32_t screenPixels, double dotsPerInch)
{
    // Multiplying before dividing keeps exact ties exact, so they round as ties.
    return toInt32HalfEven(static_cast<double>(screenPixels) * kTwipsPerPixel * dotsPerInch / kTwipsPerInch);
}

void drawLabelTexts(const ChartSheet& sheet, Canvas& canvas, const PageStyle& style)
{
    for (const auto& [index, label] : sheet.sLabels()) {
        drawLabelText(label, canvas, style);
    }
    for (const auto& [index, label] : sheet.comLabels()) {
        drawLabelText(label, canvas, style);
    }
}

void drawSheetPage(const ChartSheet& sheet, Canvas& canvas, const PageStyle& style)
{
    switch (style.kind) {
    case PageKind::Screen:
        canvas.clear();
        drawGraphs(sheet, canvas, style);
        drawLabelFrames(sheet, canvas);
        break;
    case PageKind::Picture:
        canvas.clear();
        drawGraphs(sheet, canvas, style);
        drawLabelTexts(sheet, canvas, style);
        break;
    case PageKind::Printed:
        drawLabelTexts(sheet, canvas, style);
        drawGraphs(sheet, canvas, style);
        break;
    }
}

}  // namespace probel
