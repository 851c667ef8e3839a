// SPDX-License-Identifier: MIT
#include "core/graph/paper_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/graph/normo_bp.h"
#include "core/graph/probability_scale.h"
#include "core/graph/weibull_scale.h"
#include "core/numbers/rounding.h"
#include "core/stats/normality.h"

namespace probel {
namespace {

// A one-pixel line this far beyond the canvas cannot touch it, whatever its rounding.
constexpr double kLineReach = 2.0;

bool finite(PointF point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

// Liang and Barsky: the part t0 ... t1 of a + t (b - a), 0 <= t <= 1, inside the box.
struct Cut {
    double enter = 0;
    double leave = 1;
};

std::optional<Cut> cutToBox(PointF a, PointF b, const PaperGeometry::Box& box)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    Cut cut;
    const auto edge = [&cut](double toward, double room) {
        // room >= toward * t keeps the point on the inner side of this edge.
        if (toward == 0) {
            return room >= 0;
        }
        const double t = room / toward;
        if (toward < 0) {
            cut.enter = std::max(cut.enter, t);
        } else {
            cut.leave = std::min(cut.leave, t);
        }
        return cut.enter <= cut.leave;
    };
    if (!edge(-dx, a.x - box.left) || !edge(dx, box.right - a.x) || !edge(-dy, a.y - box.top) ||
        !edge(dy, box.bottom - a.y)) {
        return std::nullopt;
    }
    return cut;
}

// The box holds only a few pixels around the canvas, so a point in it fits in 32 bits.
Point wholePixel(PointF point)
{
    return Point{static_cast<std::int32_t>(roundHalfEven(point.x)), static_cast<std::int32_t>(roundHalfEven(point.y))};
}

PointF along(PointF a, PointF b, double t)
{
    return PointF{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

void append(std::vector<Point>& run, Point point)
{
    if (run.empty() || run.back() != point) {
        run.push_back(point);
    }
}

void closeRun(std::vector<Point>& run, std::vector<std::vector<Point>>& runs)
{
    if (run.size() >= 2) {
        runs.push_back(std::move(run));
    }
    run.clear();
}

}  // namespace

PaperGeometry::PaperGeometry(const NormoBp& graph, const GraphFrame& frame, const Canvas& canvas)
    : graph_(graph),
      frame_(frame),
      canvasWidth_(canvas.width()),
      canvasHeight_(canvas.height()),
      axisMin_(graph.storedMin()),
      axisMax_(graph.storedMax()),
      extreme_(graph.quantileTable()[1]),
      weibull_(drawsWeibullPaper(graph))
{
    drawable_.left = std::max<double>(frame_.left, -kLineReach);
    drawable_.right = std::min(frameRight(), canvasWidth_ + kLineReach);
    drawable_.top = std::max<double>(frame_.top, -kLineReach);
    drawable_.bottom = std::min(frameBottom(), canvasHeight_ + kLineReach);
}

std::optional<double> PaperGeometry::xOfAxisUnits(double units) const
{
    return valueToX(units, axisMin_, axisMax_, frame_.left, frame_.width);
}

std::optional<double> PaperGeometry::xOfValue(double value) const
{
    if (!graph_.logV()) {
        return xOfAxisUnits(value);
    }
    if (!(value > 0)) {
        return std::nullopt;
    }
    return xOfAxisUnits(std::log10(value));
}

std::optional<double> PaperGeometry::axisUnitsAtX(double x) const
{
    const double span = axisMax_ - axisMin_;
    if (span == 0.0 || frame_.width == 0) {
        return std::nullopt;
    }
    return axisMin_ + (x - frame_.left) * span / frame_.width;
}

double PaperGeometry::yOfQuantile(double z) const
{
    const double halfHeight = frame_.height / 2.0;
    return frame_.top + halfHeight + halfHeight * z / extreme_;
}

double PaperGeometry::quantileAtY(double y) const
{
    const double halfHeight = frame_.height / 2.0;
    return (y - frame_.top - halfHeight) * extreme_ / halfHeight;
}

std::optional<double> PaperGeometry::yOfPercent(double percent) const
{
    if (weibull_) {
        return weibullY(percent, frame_.top, frame_.height);
    }
    const auto y = probabilityToY(graph_.quantileTable(), frame_.top, frame_.height, percent);
    if (!y) {
        return std::nullopt;
    }
    return static_cast<double>(*y);
}

std::vector<std::vector<Point>> PaperGeometry::clipped(std::span<const PointF> points) const
{
    std::vector<std::vector<Point>> runs;
    if (drawable_.empty()) {
        return runs;
    }
    std::vector<Point> run;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PointF a = points[i - 1];
        const PointF b = points[i];
        const auto cut = finite(a) && finite(b) ? cutToBox(a, b, drawable_) : std::nullopt;
        if (!cut) {
            closeRun(run, runs);
            continue;
        }
        // A segment that enters the box starts a new run: the previous one left it.
        if (cut->enter > 0) {
            closeRun(run, runs);
        }
        append(run, wholePixel(along(a, b, cut->enter)));
        append(run, wholePixel(along(a, b, cut->leave)));
        if (cut->leave < 1) {
            closeRun(run, runs);
        }
    }
    closeRun(run, runs);
    return runs;
}

std::optional<std::vector<Point>> PaperGeometry::verticalAcross(double x) const
{
    if (drawable_.empty() || !(x >= drawable_.left && x <= drawable_.right)) {
        return std::nullopt;
    }
    const auto column = static_cast<std::int32_t>(roundHalfEven(x));
    return std::vector<Point>{Point{column, static_cast<std::int32_t>(roundHalfEven(drawable_.bottom))},
                              Point{column, static_cast<std::int32_t>(roundHalfEven(drawable_.top))}};
}

std::optional<std::vector<Point>> PaperGeometry::horizontalAcross(double y) const
{
    if (drawable_.empty() || !(y >= drawable_.top && y <= drawable_.bottom)) {
        return std::nullopt;
    }
    const auto row = static_cast<std::int32_t>(roundHalfEven(y));
    return std::vector<Point>{Point{static_cast<std::int32_t>(roundHalfEven(drawable_.left)), row},
                              Point{static_cast<std::int32_t>(roundHalfEven(drawable_.right)), row}};
}

bool PaperGeometry::textMeetsCanvas(PointF topLeft, double width, double height) const
{
    const double reach = std::max(width, height);
    return finite(topLeft) && topLeft.x + width + reach >= 0 && topLeft.x - reach <= canvasWidth_ &&
           topLeft.y + height + reach >= 0 && topLeft.y - reach <= canvasHeight_;
}

double PaperGeometry::percentAtY(double y) const
{
    return weibull_ ? weibullPercentAtY(y, frame_.top, frame_.height) : 100.0 * normalCdf(quantileAtY(y));
}

}  // namespace probel
