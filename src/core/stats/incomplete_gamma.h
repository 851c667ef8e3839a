// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

// The regularized lower incomplete gamma function P(a, x) = γ(a, x) / Γ(a): the probability
// that a gamma variable of shape a (scale 1) is at most x. NaN unless a > 0 and x ≥ 0
// (x may be infinite: P is then 1).
double regularizedLowerGamma(double a, double x);

}  // namespace probel
