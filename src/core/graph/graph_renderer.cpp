// SPDX-License-Identifier: MIT
#include "core/graph/graph_renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/graph/analysis_drawing.h"
#include "core/graph/fitted_line.h"
#include "core/graph/normo_bp.h"
#include "core/graph/paper_geometry.h"
#include "core/graph/probability_scale.h"
#include "core/graph/weibull_drawing.h"
#include "core/graph/weibull_scale.h"
#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/stats/normo_data.h"
#include "core/util/blanks.h"

namespace probel {
namespace {

constexpr std::array kProbabilityGridPercents{0.1,  1.0,  10.0, 20.0, 30.0, 40.0, 50.0,
                                              60.0, 70.0, 80.0, 90.0, 99.0, 99.9};
constexpr double kOnePercent = 1.0;
constexpr double kMidPercent = 50.0;
constexpr double kNinetyNinePercent = 99.0;
// The vertical grid runs between the ends of the probability scale.
constexpr double kBottomPercent = 0.01;
constexpr double kTopPercent = 99.99;

struct ProbabilityLabel {
    double percent;
    const char* text;
};
constexpr std::array<ProbabilityLabel, 8> kProbabilityLabels{{
    {0.1, "0.1"},
    {1.0, "1.0"},
    {10.0, "10"},
    {50.0, "50"},
    {90.0, "90"},
    {99.0, "99"},
    {99.9, "99.9"},
    {99.99, "99.99"},
}};
// The probability labels are centred vertically on half the height of this text.
constexpr std::string_view kProbabilityLabelProbe = "0.01";

constexpr int kDecadeSubdivisions = 9;
constexpr double kDecadeBase = 10.0;
// Value labels sit one hundredth of the frame height below it; the unit text a line lower.
constexpr double kLabelDrop = 1.01;
// Value labels are centred 3 pixels left of their grid line, centred texts 1 pixel left.
constexpr double kValueLabelShift = 3.0;
constexpr double kCentredTextShift = 1.0;
// Marker places handed to the canvas at once.
constexpr std::size_t kPlacesPerBatch = 32768;
// A one-pixel line this far beyond the page cannot touch it, whatever its rounding.
constexpr double kLineReach = 2.0;
// Wider than any value label a linear or logarithmic axis prints (sign, 15 digits, point,
// exponent and the blanks around them), so a label farther off the page cannot reach it.
constexpr std::string_view kWidestValueLabel = " -8.88888888888888E-888 ";

bool fitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

bool finite(PointF point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// A number as printed on a linear axis: a blank in the sign place of a positive number and
// a blank after every number, the way the labels have always been spaced.
std::string printedNumber(const std::string& text)
{
    if (text.starts_with('-')) {
        return text + " ";
    }
    return " " + text + " ";
}

struct StepRange {
    std::int64_t first = 0;
    std::int64_t last = -1;
};

// The whole steps k of first ... last whose position origin + k * pitch lies within low ... high,
// so that loops over divisions, decades and columns visit only those that meet the page.
// Empty (first > last) when none does; the whole range when the pitch is not a usable number.
StepRange stepsWithin(double origin, double pitch, double low, double high, std::int64_t first, std::int64_t last)
{
    if (!(pitch > 0) || !std::isfinite(pitch) || !std::isfinite(origin)) {
        return {first, last};
    }
    const double lowest = std::ceil((low - origin) / pitch);
    const double highest = std::floor((high - origin) / pitch);
    StepRange range{first, last};
    if (lowest > static_cast<double>(first)) {
        range.first = lowest > static_cast<double>(last) ? last + 1 : static_cast<std::int64_t>(lowest);
    }
    if (highest < static_cast<double>(last)) {
        range.last = highest < static_cast<double>(first) ? first - 1 : static_cast<std::int64_t>(highest);
    }
    return range;
}

}  // namespace

void drawGraph(const NormoBp& graph, Canvas& canvas, const GraphFrame& frame)
{
    GraphRenderer(graph, canvas, frame).draw();
}

void GraphRenderer::draw()
{
    axisMin_ = graph_.storedMin();
    axisSpan_ = graph_.storedMax() - axisMin_;
    weibull_ = drawsWeibullPaper(graph_);

    drawFrame();

    canvas_.setPenStyle(graph_.lineDrawStyle());
    canvas_.setColor(graph_.lineColor());
    drawProbabilityGrid();
    yBottom_ = roundedY(weibull_ ? kWeibullBottomPercent : kBottomPercent);
    yTop_ = roundedY(weibull_ ? kWeibullTopPercent : kTopPercent);
    drawValueGrid();

    canvas_.setFont(graph_.labelFont());
    canvas_.setColor(graph_.foreColor());
    if (graph_.xJikuCheck()) {
        drawValueLabels();
    }
    if (graph_.memoriCheck()) {
        drawProbabilityLabels();
    }

    // The canvas is left in the colour found before the last visible series (black when no
    // series was drawn), as graphs have always left it for whatever the sheet draws next.
    std::int32_t restoredColor = 0;
    if (const Data* series = graph_.dataIfAny()) {
        for (const NormoData& one : *series) {
            if (one.visible()) {
                restoredColor = drawSeries(one);
            }
        }
    }
    drawGraphAnalysis(graph_, canvas_, GraphFrame{left_, top_, width_, height_});
    canvas_.setColor(restoredColor);
}

void GraphRenderer::drawFrame()
{
    canvas_.setPenStyle(graph_.frameDrawStyle());
    canvas_.setColor(graph_.frameColor());
    const std::int64_t right = std::int64_t{left_} + width_;
    const std::int64_t bottom = std::int64_t{top_} + height_;
    if (!fitsInt32(right) || !fitsInt32(bottom)) {
        return;
    }
    const auto r = static_cast<std::int32_t>(right);
    const auto b = static_cast<std::int32_t>(bottom);
    const std::array<Point, 5> corners{Point{left_, top_}, Point{r, top_}, Point{r, b}, Point{left_, b},
                                       Point{left_, top_}};
    canvas_.polyline(corners);
}

void GraphRenderer::drawProbabilityGrid()
{
    const std::int64_t right = std::int64_t{left_} + width_;
    if (weibull_) {
        for (const double percent : kWeibullDivisions) {
            drawProbabilityLine(percent, left_, right);
        }
        return;
    }
    for (const double percent : kProbabilityGridPercents) {
        drawProbabilityLine(percent, left_, right);
    }
    y1_ = roundedY(kOnePercent);
    y50_ = roundedY(kMidPercent);
    y99_ = roundedY(kNinetyNinePercent);
}

void GraphRenderer::drawProbabilityLine(double percent, std::int64_t x1, std::int64_t x2)
{
    const auto y = roundedY(percent);
    if (!y || !fitsInt32(x1) || !fitsInt32(x2)) {
        return;
    }
    const std::array<Point, 2> ends{Point{static_cast<std::int32_t>(x1), *y}, Point{static_cast<std::int32_t>(x2), *y}};
    canvas_.polyline(ends);
}

void GraphRenderer::drawValueGrid()
{
    if (graph_.logV()) {
        drawLogValueGrid();
    } else {
        drawLinearValueGrid();
    }
}

void GraphRenderer::drawLinearValueGrid()
{
    const std::int32_t divisions = graph_.bunnkatu();
    if (divisions > width_) {
        drawEveryColumn();
        return;
    }
    // The frame supplies both edges.
    const StepRange steps = stepsWithin(left_, static_cast<double>(width_) / divisions, -kLineReach,
                                        canvas_.width() + kLineReach, 1, std::int64_t{divisions} - 1);
    for (std::int64_t k = steps.first; k <= steps.last; ++k) {
        verticalLine(left_ + static_cast<double>(width_) * static_cast<double>(k) / divisions);
    }
}

// Lines closer than a pixel cover every column of the frame: drawing each column once gives
// the same picture, and a document asking for billions of lines cannot stall the drawing.
void GraphRenderer::drawEveryColumn()
{
    const StepRange columns =
        stepsWithin(left_, 1, -kLineReach, canvas_.width() + kLineReach, 1, std::int64_t{width_} - 1);
    for (std::int64_t column = columns.first; column <= columns.last; ++column) {
        verticalLine(static_cast<double>(left_) + static_cast<double>(column));
    }
}

// The step between drawn labels: the asked one, widened so that no more labels are drawn
// than the frame has pixel columns (closer ones would only print over each other).
std::int64_t GraphRenderer::labelStep(std::int64_t labels, std::int64_t askedStep) const
{
    const std::int64_t columns = std::max<std::int64_t>(width_, 1);
    return std::max(askedStep, (labels + columns - 1) / columns);
}

// The multiples of `step` among 0 ... last whose label, centred at left + k * pitch, can reach
// the page.
GraphRenderer::LabelSteps GraphRenderer::labelsOnPage(double pitch, std::int64_t last, std::int64_t step)
{
    const double reach = 2 * canvas_.textWidth(kWidestValueLabel) + kValueLabelShift;
    const StepRange range = stepsWithin(left_, pitch, -reach, canvas_.width() + reach, 0, last);
    // Labels stay on the multiples of the step counted from the left end.
    const std::int64_t first = (range.first + step - 1) / step * step;
    return LabelSteps{first, range.last, step};
}

void GraphRenderer::drawLogValueGrid()
{
    if (axisSpan_ == 0.0) {
        return;
    }
    const auto decades = toInt32HalfEven(axisSpan_);
    if (!decades) {
        return;
    }
    if (*decades > width_) {
        drawEveryColumn();
        return;
    }
    // Decade k spans the positions k - 1 ... k; it is drawn when that stretch meets the page.
    const double pitch = width_ / axisSpan_;
    StepRange passes = stepsWithin(left_, pitch, -kLineReach, canvas_.width() + kLineReach, 1, *decades);
    passes.first = std::max<std::int64_t>(passes.first - 1, 1);
    passes.last = std::min<std::int64_t>(passes.last + 1, *decades);
    for (std::int64_t k = passes.first; k <= passes.last; ++k) {
        verticalLine(static_cast<double>(width_) * static_cast<double>(k) / axisSpan_ + left_);
        // The j = 1 line repeats the previous decade line; users' papers have it twice.
        for (int j = 1; j <= kDecadeSubdivisions; ++j) {
            const double position = std::log10(std::pow(kDecadeBase, static_cast<double>(k)) * j / kDecadeBase);
            verticalLine(width_ * position / axisSpan_ + left_);
        }
    }
}

void GraphRenderer::verticalLine(double x)
{
    const auto column = toInt32HalfEven(x);
    if (!column || !yBottom_ || !yTop_) {
        return;
    }
    const std::array<Point, 2> ends{Point{*column, *yBottom_}, Point{*column, *yTop_}};
    canvas_.polyline(ends);
}

void GraphRenderer::drawValueLabels()
{
    drawUnitLabel();
    if (graph_.logV()) {
        drawLogValueLabels();
    } else {
        drawLinearValueLabels();
    }
}

void GraphRenderer::drawUnitLabel()
{
    const std::string_view unit = trimBlanks(graph_.tanni());
    const double lineHeight = canvas_.textHeight(generalNumberText(graph_.max()));
    const PointF at{static_cast<double>(left_) + width_ - canvas_.textWidth(unit) / 2 - kCentredTextShift,
                    top_ + kLabelDrop * height_ + kLabelDrop * lineHeight};
    if (unit.empty() || !finite(at)) {
        return;
    }
    canvas_.drawText(at, unit);
}

void GraphRenderer::drawLinearValueLabels()
{
    const std::int32_t divisions = graph_.bunnkatu();
    if (divisions == 0) {
        return;
    }
    const std::int64_t step =
        labelStep(std::abs(static_cast<std::int64_t>(divisions)), std::max(graph_.xJikuStep(), 1));
    const double y = top_ + kLabelDrop * height_;
    const LabelSteps steps = labelsOnPage(static_cast<double>(width_) / divisions, divisions, step);
    for (std::int64_t k = steps.first; k <= steps.last; k += steps.step) {
        const double value = axisSpan_ / divisions * static_cast<double>(k) + axisMin_;
        const double x = static_cast<double>(width_) * static_cast<double>(k) / divisions + left_;
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = generalNumberText(value);
        const PointF at{x - canvas_.textWidth(text) / 2 - kValueLabelShift, y};
        if (finite(at)) {
            canvas_.drawText(at, printedNumber(text));
        }
    }
}

void GraphRenderer::drawLogValueLabels()
{
    if (axisSpan_ == 0.0 || !yBottom_) {
        return;
    }
    const auto decades = toInt32HalfEven(axisSpan_);
    if (!decades) {
        return;
    }
    // Measured on the pattern, not on each label, so all labels share one offset.
    const double halfWidth = canvas_.textWidth(kLogValueLabelPattern) / 2;
    const std::int64_t step = labelStep(std::abs(static_cast<std::int64_t>(*decades)), 1);
    const LabelSteps steps = labelsOnPage(width_ / axisSpan_, *decades, step);
    for (std::int64_t k = steps.first; k <= steps.last; k += steps.step) {
        const double value = std::pow(kDecadeBase, axisSpan_ / axisSpan_ * k + axisMin_);
        const double x = left_ + static_cast<double>(width_) * k / axisSpan_;
        const PointF at{x - halfWidth - kValueLabelShift, static_cast<double>(*yBottom_)};
        if (finite(at)) {
            canvas_.drawText(at, formatNumber(value, kLogValueLabelPattern));
        }
    }
}

void GraphRenderer::drawProbabilityLabels()
{
    const double halfHeight = canvas_.textHeight(kProbabilityLabelProbe) / 2;
    const auto drawLabel = [&](double percent, const std::string& text) {
        const auto y = pictY(percent);
        if (!y) {
            return;
        }
        const PointF at{left_ - canvas_.textWidth(text), *y - halfHeight};
        if (finite(at)) {
            canvas_.drawText(at, text);
        }
    };
    if (weibull_) {
        // The bottom edge's division goes unlabelled, as on normal paper: the value labels
        // stand there.
        for (const double percent : kWeibullDivisions) {
            if (percent != kWeibullBottomPercent) {
                drawLabel(percent, generalNumberText(percent));
            }
        }
        return;
    }
    for (const auto& label : kProbabilityLabels) {
        drawLabel(label.percent, label.text);
    }
}

std::int32_t GraphRenderer::drawSeries(const NormoData& series)
{
    canvas_.setPenStyle(series.drawStyle());
    const std::int32_t colorOnEntry = canvas_.color();
    drawMarkers(series);
    if (series.lineVisible()) {
        drawFittedLine(series);
    }
    return colorOnEntry;
}

void GraphRenderer::drawMarkers(const NormoData& series)
{
    const std::vector<double>& values = graph_.logV() ? series.logSortData() : series.sortData();
    if (values.empty()) {
        return;
    }
    canvas_.setColor(series.color());
    const auto count = static_cast<std::int32_t>(values.size());
    std::optional<CentredText> marker;
    for (std::int32_t i = 1; i <= count; ++i) {
        const auto y = pictY(plottingPosition(i, count, graph_.analysis().positions));
        const auto x = valueToX(values[static_cast<std::size_t>(i - 1)], axisMin_, graph_.storedMax(), left_, width_);
        if (!y || !x) {
            continue;
        }
        // One pixel right of the value's position: the centring takes it back.
        const PointF centre{*x + kCentredTextShift, static_cast<double>(*y)};
        if (!finite(centre)) {
            continue;
        }
        if (!marker) {
            marker.emplace(*this, series.mrkSize(), series.mrk());
        }
        marker->add(centre);
    }
    if (marker) {
        marker->flush();
    }
}

// The text centred on (x - 1, y) at each point, in the given size: laid out once for all and
// handed to the canvas in batches, so a million markers need no list of a million places.
// Places whose text cannot reach the page are left out: the box the text is measured in,
// widened by its own size for glyphs that reach past it, misses the page. A text wider than
// the page is cut first and what is left is centred, so the point still has its marker.
GraphRenderer::CentredText::CentredText(GraphRenderer& renderer, double fontSize, const std::string& text)
    : canvas_(renderer.canvas_)
{
    canvas_.setFontSize(fontSize);
    text_ = canvas_.visibleMarkerText(text);
    halfWidth_ = canvas_.textWidth(text_) / 2;
    halfHeight_ = canvas_.textHeight(text_) / 2;
    reach_ = 2 * std::max(halfWidth_, halfHeight_);
}

void GraphRenderer::CentredText::add(PointF centre)
{
    const PointF topLeft{centre.x - halfWidth_ - kCentredTextShift, centre.y - halfHeight_};
    const bool meetsPage = topLeft.x + 2 * halfWidth_ + reach_ >= 0 && topLeft.x - reach_ <= canvas_.width() &&
                           topLeft.y + 2 * halfHeight_ + reach_ >= 0 && topLeft.y - reach_ <= canvas_.height();
    if (!finite(topLeft) || !meetsPage) {
        return;
    }
    if (topLefts_.empty()) {
        topLefts_.reserve(kPlacesPerBatch);
    }
    topLefts_.push_back(topLeft);
    if (topLefts_.size() == kPlacesPerBatch) {
        canvas_.stampText(topLefts_, text_);
        topLefts_.clear();
        flushed_ = true;
    }
}

void GraphRenderer::CentredText::flush()
{
    if (!topLefts_.empty() || !flushed_) {
        canvas_.stampText(topLefts_, text_);
    }
    topLefts_.clear();
    flushed_ = true;
}

void GraphRenderer::drawFittedLine(const NormoData& series)
{
    if (weibull_) {
        drawWeibullLine(PaperGeometry(graph_, GraphFrame{left_, top_, width_, height_}, canvas_), canvas_, series);
        return;
    }
    if (!y1_ || !y50_ || !y99_) {
        return;
    }
    const bool logarithmic = graph_.logV();
    const double mean = logarithmic ? series.logHeikin() : series.heikin();
    const double sigma = logarithmic ? series.logSiguma() : series.siguma();
    const double z = std::fabs(static_cast<double>(graph_.quantileTable()[QuantileTable::kOnePercentIndex]));
    const FittedLine line{left_, top_, width_, height_, axisMin_, graph_.storedMax(), *y1_, *y50_, *y99_};
    if (const auto ends = line.ends(mean, sigma, z)) {
        if (const auto inside = line.withinFrame(*ends)) {
            canvas_.polyline(*inside);
        }
    }
}

// The graph's probability scale laid over the frame being drawn, which on a printer page is
// not the graph's own.
std::optional<float> GraphRenderer::pictY(double percent) const
{
    if (weibull_) {
        const auto y = weibullY(percent, top_, height_);
        return y ? std::optional<float>(static_cast<float>(*y)) : std::nullopt;
    }
    return probabilityToY(graph_.quantileTable(), top_, height_, percent);
}

std::optional<std::int32_t> GraphRenderer::roundedY(double percent) const
{
    const auto y = pictY(percent);
    if (!y) {
        return std::nullopt;
    }
    return toInt32HalfEven(*y);
}

}  // namespace probel
