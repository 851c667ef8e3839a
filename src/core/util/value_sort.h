// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace probel {

// Sorts numbers into ascending order as std::sort does, in linear time for long series (a
// radix sort on the bits, whose order is the numbers' order once the sign is folded in): a
// series of 30 000 values sorts several times faster. Equal numbers have equal bits, so the
// result is the same sequence std::sort gives, except that -0 comes before +0. No NaN.
void sortValues(std::vector<double>& values);

}  // namespace probel
