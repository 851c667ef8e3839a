// SPDX-License-Identifier: MIT
#include "core/graph/weibull_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "core/graph/normo_bp.h"
#include "core/graph/weibull_scale.h"
#include "core/stats/normo_data.h"
#include "core/stats/weibull_method.h"

namespace probel {
namespace {

constexpr double kFullPercent = 100.0;
// A sample every two pixels follows the curves closer than a pixel.
constexpr double kPixelsPerSample = 2.0;
constexpr int kFewestSamples = 16;

double noPlace()
{
    return std::numeric_limits<double>::quiet_NaN();
}

// x of a value on the paper's logarithmic axis; NaN, which breaks a curve, where it has none.
double xOf(const PaperGeometry& paper, double value)
{
    const auto x = paper.xOfValue(value);
    return x ? *x : noPlace();
}

void drawCurve(const PaperGeometry& paper, Canvas& canvas, const std::vector<PointF>& points)
{
    for (const auto& run : paper.clipped(points)) {
        canvas.polyline(run);
    }
}

}  // namespace

std::optional<WeibullFit> seriesWeibullFit(const NormoBp& graph, const NormoData& series)
{
    const auto choice = weibullChoiceOf(graph);
    if (!choice) {
        return std::nullopt;
    }
    const Result<WeibullFit> fit = fitWeibull(series.sortData(), choice->method, choice->positions);
    if (!fit) {
        return std::nullopt;
    }
    return fit.value();
}

void drawWeibullLine(const PaperGeometry& paper, Canvas& canvas, const NormoData& series)
{
    const auto fit = seriesWeibullFit(paper.graph(), series);
    if (!fit) {
        return;
    }
    // The paper's edges are 0.1 and 99.9 %: the line spans the frame's height.
    std::vector<PointF> ends;
    for (const double percent : {kWeibullBottomPercent, kWeibullTopPercent}) {
        const auto y = paper.yOfPercent(percent);
        ends.push_back({xOf(paper, weibullPercentile(*fit, percent / kFullPercent)), y ? *y : noPlace()});
    }
    canvas.setColor(series.color());
    drawCurve(paper, canvas, ends);
}

void drawWeibullBand(const PaperGeometry& paper, Canvas& canvas, const NormoData& series, int levelPercent)
{
    const auto fit = seriesWeibullFit(paper.graph(), series);
    const PaperGeometry::Box& shown = paper.drawable();
    if (!fit || !fit->covariance || shown.empty()) {
        return;
    }
    const int steps =
        std::max(kFewestSamples, static_cast<int>(std::ceil((shown.bottom - shown.top) / kPixelsPerSample)));
    std::vector<PointF> lower;
    std::vector<PointF> upper;
    for (int k = 0; k <= steps; ++k) {
        const double y = shown.bottom + (shown.top - shown.bottom) * k / steps;
        const auto bounds = weibullPercentileBand(*fit, paper.percentAtY(y) / kFullPercent, levelPercent);
        lower.push_back({bounds ? xOf(paper, bounds->lower) : noPlace(), y});
        upper.push_back({bounds ? xOf(paper, bounds->upper) : noPlace(), y});
    }
    drawCurve(paper, canvas, lower);
    drawCurve(paper, canvas, upper);
}

}  // namespace probel
