// SPDX-License-Identifier: MIT
#include "core/graph/read_off.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/graph/normo_bp.h"
#include "core/graph/probability_scale.h"
#include "core/graph/weibull_scale.h"
#include "core/numbers/number_text.h"
#include "core/stats/data.h"
#include "core/stats/normality.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

constexpr double kFullPercent = 100.0;
// A marker's size is in points; the screen has 96 pixels an inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
// A marker smaller than this still answers within it.
constexpr double kMinimumHitRadius = 3.0;
constexpr int kMaximumDecimals = 10;
constexpr int kLogSignificantDigits = 4;

bool inside(const GraphFrame& frame, PointF point)
{
    return point.x >= frame.left && point.x <= frame.left + frame.width && point.y >= frame.top &&
           point.y <= frame.top + frame.height;
}

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// As many decimals as one pixel of the axis resolves, so that neighbouring pixels read apart.
std::string axisValueText(const NormoBp& graph, const GraphFrame& frame, double value)
{
    if (graph.logV()) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", kLogSignificantDigits, value);
        return generalNumberText(leadingNumber(text));
    }
    const double perPixel = std::fabs(graph.storedMax() - graph.storedMin()) / std::max(1, frame.width);
    const int decimals =
        perPixel > 0 ? std::clamp(static_cast<int>(std::ceil(-std::log10(perPixel))), 0, kMaximumDecimals) : 0;
    return fixed(value, decimals);
}

std::string percentText(double percent)
{
    return fixed(percent, 2) + " %";
}

}  // namespace

std::optional<double> yToPercent(const QuantileTable& table, std::int32_t top, std::int32_t height, double y)
{
    if (height <= 0 || !std::isfinite(y)) {
        return std::nullopt;
    }
    const double halfHeight = height / 2.0;
    const double fromMiddle = (y - top) / halfHeight - 1;  // +1 at the bottom, −1 at the top
    const bool lowerHalf = fromMiddle >= 0;
    const double z = std::fabs(fromMiddle) * table[1];  // the quantile of the tail, ≤ 0
    double tail = 0;
    if (std::fabs(fromMiddle) > 1) {
        tail = kFullPercent * normalCdf(z);
    } else {
        // The table rises from entry 1 (the scale's end) to entry kLastIndex (0, the middle).
        const auto& entries = table.entries();
        const auto first = entries.begin() + 1;
        auto above = std::lower_bound(first, entries.end(), static_cast<float>(z));
        if (above == entries.end()) {
            above = entries.end() - 1;
        }
        if (above != first && std::fabs(*(above - 1) - z) <= std::fabs(*above - z)) {
            --above;
        }
        tail = static_cast<double>(above - entries.begin()) / QuantileTable::kStepsPerPercent;
    }
    return lowerHalf ? tail : kFullPercent - tail;
}

std::optional<double> xToAxisValue(double x, double axisMin, double axisMax, std::int32_t left, std::int32_t width)
{
    if (width == 0 || !std::isfinite(x)) {
        return std::nullopt;
    }
    const double value = axisMin + (x - left) * (axisMax - axisMin) / width;
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<ReadOff> readOff(const NormoBp& graph, const GraphFrame& frame, PointF point)
{
    if (!inside(frame, point)) {
        return std::nullopt;
    }
    const auto axis = xToAxisValue(point.x, graph.storedMin(), graph.storedMax(), frame.left, frame.width);
    const auto percent = drawsWeibullPaper(graph) ? std::optional(weibullPercentAtY(point.y, frame.top, frame.height))
                                                  : yToPercent(graph.quantileTable(), frame.top, frame.height, point.y);
    if (!axis || !percent) {
        return std::nullopt;
    }
    const double value = graph.logV() ? std::pow(10.0, *axis) : *axis;
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return ReadOff{value, *percent};
}

std::optional<MarkerHit> markerAt(const NormoBp& graph, const GraphFrame& frame, PointF point)
{
    const Data* allSeries = graph.dataIfAny();
    if (allSeries == nullptr || !inside(frame, point)) {
        return std::nullopt;
    }
    std::optional<MarkerHit> nearest;
    double nearestDistance = 0;
    for (const NormoData& series : *allSeries) {
        if (!series.visible()) {
            continue;
        }
        const std::vector<double>& drawn = graph.logV() ? series.logSortData() : series.sortData();
        const auto count = static_cast<std::int32_t>(drawn.size());
        const double radius = std::max(kMinimumHitRadius, series.mrkSize() * kPixelsPerPoint / 2);
        for (std::int32_t rank = 1; rank <= count; ++rank) {
            const auto index = static_cast<std::size_t>(rank - 1);
            const double percent = plottingPosition(rank, count, graph.analysis().positions);
            std::optional<double> y;
            if (drawsWeibullPaper(graph)) {
                y = weibullY(percent, frame.top, frame.height);
            } else if (const auto onTable = probabilityToY(graph.quantileTable(), frame.top, frame.height, percent)) {
                y = *onTable;
            }
            const auto x = valueToX(drawn[index], graph.storedMin(), graph.storedMax(), frame.left, frame.width);
            if (!x || !y) {
                continue;
            }
            const double distance = std::hypot(*x - point.x, *y - point.y);
            if (distance <= radius && (!nearest || distance <= nearestDistance)) {
                nearest = MarkerHit{&series, rank, series.sortData()[index], percent};
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

std::string readOffText(const NormoBp& graph, const GraphFrame& frame, PointF point)
{
    if (const auto hit = markerAt(graph, frame, point)) {
        const NormoData& series = *hit->series;
        const std::string name =
            series.comment().empty() ? "データ - " + std::to_string(series.id()) : series.comment();
        return name + "  No," + std::to_string(hit->rank) + ": " + generalNumberText(hit->value) + "  (" +
               percentText(hit->percent) + ")";
    }
    const auto read = readOff(graph, frame, point);
    if (!read) {
        return {};
    }
    std::string text = "X = " + axisValueText(graph, frame, read->value);
    if (!graph.tanni().empty()) {
        text += " " + graph.tanni();
    }
    return text + "    P = " + percentText(read->percent);
}

}  // namespace probel
