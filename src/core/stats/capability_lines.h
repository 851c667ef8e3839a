// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

// The lines a series' detail label (and its tooltip) shows after the earlier program's lines,
// each chosen on its own; all off unless set, so documents without them show what they did.
// Documents keep the choice in their extension block.
struct CapabilityLines {
    bool cpk = false;
    // Expected parts per million outside the limits, from the fitted normal distribution.
    bool ppmExpected = false;
    // Observed: the count of values outside the limits per million values.
    bool ppmObserved = false;
    // Anderson–Darling A² and its p-value.
    bool normality = false;
    // Lower 95 % confidence bounds for Cp and Cpk.
    bool cpLowerBound = false;
    bool cpkLowerBound = false;

    bool any() const { return cpk || ppmExpected || ppmObserved || normality || cpLowerBound || cpkLowerBound; }
    bool operator==(const CapabilityLines&) const = default;
};

}  // namespace probel
