// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

// The chi-square distribution with `freedom` degrees of freedom: the probability of a value at
// most x, and the value below which `probability` of the distribution lies (so
// chiSquareQuantile(0.05, 9) is about 3.325). NaN outside 0 < probability < 1, freedom > 0.
double chiSquareCdf(double x, double freedom);
double chiSquareQuantile(double probability, double freedom);

}  // namespace probel
