// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>

namespace probel {

// Process capability against specification limits, with the Cp option of the data dialog:
// 1 upper limit only, 2 lower limit only, anything else both limits. Every figure is empty
// where it is undefined: no spread (sigma not above zero), too few values, or a result that
// is no finite number (a limit that is no number).

// (upper − lower)/6σ, or the one-sided (upper − mean)/3σ or (mean − lower)/3σ the option uses.
std::optional<double> capabilityCp(int option, double lower, double upper, double mean, double sigma);
// The one-sided indices (upper − mean)/3σ and (mean − lower)/3σ: the smaller of the two, or
// the only one the option uses.
std::optional<double> capabilityCpk(int option, double lower, double upper, double mean, double sigma);

// Parts per million of the normal distribution with this mean and sigma that lie outside the
// limits the option uses: 10⁶·[Φ((lower − mean)/σ) + 1 − Φ((upper − mean)/σ)].
std::optional<double> expectedPpm(int option, double lower, double upper, double mean, double sigma);
// The values below the lower or above the upper limit the option uses, per million values; a
// value on a limit is inside. Empty without values.
std::optional<double> observedPpm(std::span<const double> values, int option, double lower, double upper);

// Lower 95 % confidence bounds of the process's true index, from an index estimated with the
// sample standard deviation s (divisor n − 1) of `count` values; empty for fewer than two.
// Cp with both limits: Cp·√(χ²₀.₀₅,ₙ₋₁/(n − 1)) (Chou, Owen and Borrego, 1990). Cp with one
// limit is the one-sided index of that limit, which moves with the mean as Cpk does, so it
// takes Cpk's bound.
std::optional<double> cpLowerBound95(int option, double cp, int count);
// Cpk − z₀.₉₅·√(1/(9n) + Cpk²/(2(n − 1))) (Bissell, 1990).
std::optional<double> cpkLowerBound95(double cpk, int count);

}  // namespace probel
