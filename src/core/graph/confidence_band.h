// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/graph/graph_analysis.h"

namespace probel {

// The confidence band around a fitted normal line, in the units the line is drawn in (the
// values, or their logarithms on a logarithmic axis). Heights on the paper are standard normal
// quantiles z, as the probability axis spaces them.

// The fitted normal: mean, standard deviation and the number of values they come from.
struct NormalFit {
    double mean = 0;
    double sigma = 0;
    std::int32_t count = 0;
};

// z of 1 − α/2 for a two-sided level of 90, 95 or 99 %; empty for any other level.
std::optional<double> twoSidedNormalQuantile(int levelPercent);

// Stephens' critical value of the modified Kolmogorov statistic D (√n − 0.01 + 0.85/√n) for a
// normal sample whose mean and variance are estimated (D'Agostino and Stephens 1986, table 4.7,
// case 3): 0.819, 0.895, 1.035 for 90, 95, 99 %; empty for any other level.
std::optional<double> lillieforsCriticalValue(int levelPercent);

// The probability d the simultaneous band reaches on either side of the fitted line:
// c / (√n − 0.01 + 0.85/√n). Empty for an unknown level or fewer than two values.
std::optional<double> lillieforsHalfWidth(int levelPercent, std::int32_t count);

// The normal distribution function Φ(z).
double normalProbability(double z);

// Where the band's two edges pass at one height; an edge with no value there (a simultaneous
// edge whose probability leaves 0 ... 1) is empty.
struct BandBounds {
    std::optional<double> lower;
    std::optional<double> upper;
};

// The percentile at height z and its normal-approximation interval (Meeker and Escobar 1998,
// ch. 8): x̂ ± z₁₋α/₂ σ √(1/n + z²/(2n)), x̂ = mean + z σ.
BandBounds pointwiseBounds(const NormalFit& fit, double criticalZ, double z);

// The Kolmogorov–Lilliefors band at height z: mean + σ Φ⁻¹(Φ(z) ∓ d).
BandBounds simultaneousBounds(const NormalFit& fit, double halfWidth, double z);

// One point of a band's edge: its value (in the line's units) at height z.
struct BandPoint {
    double value = 0;
    double z = 0;
    bool operator==(const BandPoint&) const = default;
};

struct BandEdges {
    std::vector<BandPoint> lower;
    std::vector<BandPoint> upper;
};

// The range of heights or of values a band is sampled over.
struct SampleRange {
    double low = 0;
    double high = 0;
};

// The band's edges as points ordered along each edge, sampled at steps + 1 heights evenly over
// `heights`. A simultaneous edge runs off to infinite values at a height inside the paper, where
// it turns nearly level; it is also sampled at steps + 1 values evenly over `values`, so that
// stretch is followed as well. Empty edges for no band, an unknown level, fewer than two values,
// or a standard deviation that is zero or not a number.
BandEdges sampleBand(ConfidenceBand kind, int levelPercent, const NormalFit& fit, SampleRange heights,
                     SampleRange values, std::int32_t steps);

}  // namespace probel
