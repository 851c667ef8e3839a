// SPDX-License-Identifier: MIT
// The confidence band of each visible series' fitted line, computed in the units the line is
// drawn in (the logarithms on a logarithmic axis) and sampled over what the canvas shows.
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/graph/analysis_elements.h"
#include "core/graph/confidence_band.h"
#include "core/graph/normo_bp.h"
#include "core/graph/weibull_drawing.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

// A sample every two pixels of the shown frame follows the curves closer than a pixel.
constexpr double kPixelsPerSample = 2.0;
constexpr std::int32_t kFewestSamples = 16;

NormalFit fitOf(const NormoData& series, bool logarithmic)
{
    return logarithmic ? NormalFit{series.logHeikin(), series.logSiguma(), series.dataCount()}
                       : NormalFit{series.heikin(), series.siguma(), series.dataCount()};
}

void drawEdge(const PaperGeometry& paper, Canvas& canvas, const std::vector<BandPoint>& edge)
{
    std::vector<PointF> points;
    points.reserve(edge.size());
    for (const BandPoint& point : edge) {
        const auto x = paper.xOfAxisUnits(point.value);
        // A value with no place breaks the curve there.
        points.push_back({x ? *x : std::numeric_limits<double>::quiet_NaN(), paper.yOfQuantile(point.z)});
    }
    for (const auto& run : paper.clipped(points)) {
        canvas.polyline(run);
    }
}

}  // namespace

void drawConfidenceBands(const PaperGeometry& paper, Canvas& canvas)
{
    const NormoBp& graph = paper.graph();
    const GraphAnalysis& analysis = graph.analysis();
    const PaperGeometry::Box& shown = paper.drawable();
    if (analysis.band == ConfidenceBand::None || shown.empty()) {
        return;
    }
    if (paper.weibull()) {
        // Weibull paper has the pointwise band of the maximum likelihood line only.
        if (analysis.band != ConfidenceBand::Pointwise) {
            return;
        }
        canvas.setPenStyle(kPenDot);
        for (const NormoData* series : visibleSeries(graph)) {
            if (series->lineVisible()) {
                canvas.setColor(series->color());
                drawWeibullBand(paper, canvas, *series, analysis.bandLevel);
            }
        }
        return;
    }
    const auto leftUnits = paper.axisUnitsAtX(shown.left);
    const auto rightUnits = paper.axisUnitsAtX(shown.right);
    if (!leftUnits || !rightUnits) {
        return;
    }
    const SampleRange heights{paper.quantileAtY(shown.bottom), paper.quantileAtY(shown.top)};
    const SampleRange values{*leftUnits, *rightUnits};
    const double extent = std::max(shown.right - shown.left, shown.bottom - shown.top);
    const auto steps = std::max(kFewestSamples, static_cast<std::int32_t>(std::ceil(extent / kPixelsPerSample)));

    canvas.setPenStyle(kPenDot);
    for (const NormoData* series : visibleSeries(graph)) {
        if (!series->lineVisible()) {
            continue;
        }
        const BandEdges edges =
            sampleBand(analysis.band, analysis.bandLevel, fitOf(*series, graph.logV()), heights, values, steps);
        canvas.setColor(series->color());
        drawEdge(paper, canvas, edges.lower);
        drawEdge(paper, canvas, edges.upper);
    }
}

}  // namespace probel
