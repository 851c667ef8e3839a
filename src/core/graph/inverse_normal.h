// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

// The standard normal quantile: the z with Phi(z) = p, for 0 < p < 1, to about 16 significant
// digits (Wichura's rational approximations, algorithm AS 241). Gives -infinity at p = 0,
// +infinity at p = 1 and NaN for p outside 0 ... 1 or NaN.
double inverseNormal(double p);

}  // namespace probel
