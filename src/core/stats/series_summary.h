// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/stats/capability.h"
#include "core/stats/normality.h"

namespace probel {

class NormoData;

// Capability and normality of one series at a glance, computed from its sorted values and
// limits without changing the series (its readers remember formats and options). On a
// logarithmic axis everything but the count and the extremes is taken of the base-10
// logarithms, as the paper shows them: mean, σ and s are those of the logarithms, the
// capability figures use the logarithms of the limits, and the test asks whether the
// logarithms are normal.
struct SeriesSummary {
    bool logarithmic = false;
    int count = 0;
    double mean = 0;
    double sigma = 0;         // divisor n, as the paper uses
    std::optional<double> s;  // divisor n − 1; needs two values
    double minimum = 0;
    double maximum = 0;
    std::optional<double> cp;           // with the series' option; empty without spread
    std::optional<double> cpk;          // the smaller one-sided index the option allows
    std::optional<double> ppmExpected;  // outside the limits under the fitted normal (σ)
    std::optional<double> ppmObserved;
    // Lower 95 % confidence bounds of Cp and Cpk, which are estimated with s for them.
    std::optional<double> cpLowerBound;
    std::optional<double> cpkLowerBound;
    std::optional<AndersonDarling> normality;
};

SeriesSummary summarise(const NormoData& series, bool logarithmic = false);

}  // namespace probel
