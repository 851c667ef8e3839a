// SPDX-License-Identifier: MIT
#include "core/graph/confidence_band.h"

#include <algorithm>
#include <cmath>

#include "core/graph/inverse_normal.h"

namespace probel {
namespace {

struct LevelConstants {
    int percent;
    double criticalZ;
    double lillieforsC;
};

// z₁₋α/₂ to 17 digits, and Stephens' case-3 critical values.
constexpr LevelConstants kLevels[] = {
    {90, 1.6448536269514722, 0.819},
    {95, 1.9599639845400540, 0.895},
    {99, 2.5758293035489004, 1.035},
};

const LevelConstants* levelOf(int percent)
{
    for (const auto& level : kLevels) {
        if (level.percent == percent) {
            return &level;
        }
    }
    return nullptr;
}

// Stephens' modification of the statistic's scale for n values.
constexpr double kStephensOffset = 0.01;
constexpr double kStephensTerm = 0.85;

bool usable(const NormalFit& fit)
{
    return fit.count >= 2 && std::isfinite(fit.mean) && std::isfinite(fit.sigma) && fit.sigma > 0;
}

// The value where a distribution function shifted by `shift` reaches Φ(z): empty when the
// shifted probability leaves 0 ... 1.
std::optional<double> shiftedQuantile(const NormalFit& fit, double z, double shift)
{
    const double probability = normalProbability(z) + shift;
    if (!(probability > 0 && probability < 1)) {
        return std::nullopt;
    }
    return fit.mean + fit.sigma * inverseNormal(probability);
}

// Height where a simultaneous edge passes the value mean + σ u: Φ⁻¹(Φ(u) + shift).
std::optional<double> heightAtValue(double u, double shift)
{
    const double probability = normalProbability(u) + shift;
    if (!(probability > 0 && probability < 1)) {
        return std::nullopt;
    }
    return inverseNormal(probability);
}

double evenly(const SampleRange& range, std::int32_t step, std::int32_t steps)
{
    return range.low + (range.high - range.low) * step / steps;
}

void orderAlongEdge(std::vector<BandPoint>& edge)
{
    std::sort(edge.begin(), edge.end(),
              [](const BandPoint& a, const BandPoint& b) { return a.z < b.z || (a.z == b.z && a.value < b.value); });
    edge.erase(std::unique(edge.begin(), edge.end()), edge.end());
}

void samplePointwise(const NormalFit& fit, double criticalZ, SampleRange heights, std::int32_t steps, BandEdges& edges)
{
    for (std::int32_t step = 0; step <= steps; ++step) {
        const double z = evenly(heights, step, steps);
        const BandBounds bounds = pointwiseBounds(fit, criticalZ, z);
        edges.lower.push_back({*bounds.lower, z});
        edges.upper.push_back({*bounds.upper, z});
    }
}

void sampleSimultaneous(const NormalFit& fit, double halfWidth, SampleRange heights, SampleRange values,
                        std::int32_t steps, BandEdges& edges)
{
    for (std::int32_t step = 0; step <= steps; ++step) {
        const double z = evenly(heights, step, steps);
        const BandBounds bounds = simultaneousBounds(fit, halfWidth, z);
        if (bounds.lower) {
            edges.lower.push_back({*bounds.lower, z});
        }
        if (bounds.upper) {
            edges.upper.push_back({*bounds.upper, z});
        }
    }
    for (std::int32_t step = 0; step <= steps; ++step) {
        const double value = evenly(values, step, steps);
        const double u = (value - fit.mean) / fit.sigma;
        // The lower edge reaches a value where the line's probability is d higher.
        if (const auto z = heightAtValue(u, halfWidth)) {
            edges.lower.push_back({value, *z});
        }
        if (const auto z = heightAtValue(u, -halfWidth)) {
            edges.upper.push_back({value, *z});
        }
    }
    orderAlongEdge(edges.lower);
    orderAlongEdge(edges.upper);
}

}  // namespace

std::optional<double> twoSidedNormalQuantile(int levelPercent)
{
    const LevelConstants* level = levelOf(levelPercent);
    return level != nullptr ? std::optional<double>(level->criticalZ) : std::nullopt;
}

std::optional<double> lillieforsCriticalValue(int levelPercent)
{
    const LevelConstants* level = levelOf(levelPercent);
    return level != nullptr ? std::optional<double>(level->lillieforsC) : std::nullopt;
}

std::optional<double> lillieforsHalfWidth(int levelPercent, std::int32_t count)
{
    const auto c = lillieforsCriticalValue(levelPercent);
    if (!c || count < 2) {
        return std::nullopt;
    }
    const double root = std::sqrt(static_cast<double>(count));
    return *c / (root - kStephensOffset + kStephensTerm / root);
}

double normalProbability(double z)
{
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

BandBounds pointwiseBounds(const NormalFit& fit, double criticalZ, double z)
{
    const double n = fit.count;
    const double percentile = fit.mean + z * fit.sigma;
    const double halfWidth = criticalZ * fit.sigma * std::sqrt(1 / n + z * z / (2 * n));
    return {percentile - halfWidth, percentile + halfWidth};
}

BandBounds simultaneousBounds(const NormalFit& fit, double halfWidth, double z)
{
    return {shiftedQuantile(fit, z, -halfWidth), shiftedQuantile(fit, z, halfWidth)};
}

BandEdges sampleBand(ConfidenceBand kind, int levelPercent, const NormalFit& fit, SampleRange heights,
                     SampleRange values, std::int32_t steps)
{
    BandEdges edges;
    const LevelConstants* level = levelOf(levelPercent);
    if (kind == ConfidenceBand::None || level == nullptr || !usable(fit) || steps < 1) {
        return edges;
    }
    if (kind == ConfidenceBand::Pointwise) {
        samplePointwise(fit, level->criticalZ, heights, steps, edges);
    } else if (const auto halfWidth = lillieforsHalfWidth(levelPercent, fit.count)) {
        sampleSimultaneous(fit, *halfWidth, heights, values, steps, edges);
    }
    return edges;
}

}  // namespace probel
