// SPDX-License-Identifier: MIT
#include "core/graph/fitted_line.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/numbers/rounding.h"

namespace probel {
namespace {

bool fitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::optional<std::array<Point, 2>> FittedLine::ends(double mean, double sigma, double z) const
{
    const double span = axisMax - axisMin;
    if (span == 0.0) {
        return std::nullopt;
    }
    const auto xHigh = toInt32HalfEven((mean + z * sigma - axisMin) / span * width + left);
    const auto xMean = toInt32HalfEven(left + (mean - axisMin) * width / span);
    if (!xHigh || !xMean) {
        return std::nullopt;
    }
    // Mirrored in whole pixels so that both reference points lie symmetric about the mean.
    const std::int64_t xLow = std::int64_t{*xMean} - (std::int64_t{*xHigh} - *xMean);
    std::int64_t high = *xHigh;
    if (xLow == high) {
        // A spread below one pixel still gets a (steep) line rather than a division by zero.
        high = xLow + 1;
    }
    if (!fitsInt32(xLow) || !fitsInt32(high)) {
        return std::nullopt;
    }
    const double slope = static_cast<double>(std::int64_t{y1} - y99) / static_cast<double>(xLow - high);
    const auto right = steppedEnd(*xMean, slope, 1);
    const auto leftEnd = steppedEnd(*xMean, slope, -1);
    if (!right || !leftEnd) {
        return std::nullopt;
    }
    return std::array<Point, 2>{*right, *leftEnd};
}

std::optional<Point> FittedLine::steppedEnd(std::int32_t xMean, double slope, int direction) const
{
    const std::int64_t frameLeft = left;
    const std::int64_t frameRight = std::int64_t{left} + width;
    const std::int64_t frameTop = top;
    const std::int64_t frameBottom = std::int64_t{top} + height;
    const auto xAt = [&](std::int64_t k) { return xMean + direction * k; };
    const auto yAt = [&](std::int64_t k) { return roundHalfEven(static_cast<double>(direction * k) * slope + y50); };
    const auto inside = [&](std::int64_t k) {
        const std::int64_t x = xAt(k);
        const double y = yAt(k);
        // NaN fails the height test, so a line without a slope ends at its first step.
        return y >= static_cast<double>(frameTop) && y <= static_cast<double>(frameBottom) && x >= frameLeft &&
               x <= frameRight;
    };

    // The steps inside the frame run unbroken from k = 1: x moves one way, the rounded y is
    // monotone in k, and each test asks for an interval. So the first step outside is the
    // end of that run, and the x range bounds it.
    std::int64_t outside = 1;
    if (inside(1)) {
        std::int64_t lastInside = 1;
        outside = direction > 0 ? frameRight - xMean + 1 : xMean - frameLeft + 1;
        while (outside - lastInside > 1) {
            const std::int64_t middle = lastInside + (outside - lastInside) / 2;
            (inside(middle) ? lastInside : outside) = middle;
        }
    }
    const std::int64_t x = xAt(outside);
    const auto y = toInt32HalfEven(yAt(outside));
    if (!fitsInt32(x) || !y) {
        return std::nullopt;
    }
    return Point{static_cast<std::int32_t>(x), *y};
}

std::optional<std::array<Point, 2>> FittedLine::withinFrame(const std::array<Point, 2>& ends) const
{
    // Liang and Barsky: the line a + t (b - a), 0 <= t <= 1, cut by each edge in turn.
    const double ax = ends[0].x;
    const double ay = ends[0].y;
    const double dx = static_cast<double>(ends[1].x) - ax;
    const double dy = static_cast<double>(ends[1].y) - ay;
    double enter = 0;
    double leave = 1;
    const auto cut = [&](double toward, double room) {
        // room >= toward * t keeps the point on the inner side of this edge.
        if (toward == 0) {
            return room >= 0;
        }
        const double t = room / toward;
        if (toward < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        return enter <= leave;
    };
    const double right = static_cast<double>(left) + width;
    const double bottom = static_cast<double>(top) + height;
    if (!cut(-dx, ax - left) || !cut(dx, right - ax) || !cut(-dy, ay - top) || !cut(dy, bottom - ay)) {
        return std::nullopt;
    }
    const auto at = [&](double t) {
        return Point{static_cast<std::int32_t>(roundHalfEven(ax + t * dx)),
                     static_cast<std::int32_t>(roundHalfEven(ay + t * dy))};
    };
    return std::array<Point, 2>{at(enter), at(leave)};
}

}  // namespace probel
