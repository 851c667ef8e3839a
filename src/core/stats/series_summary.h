// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "core/stats/normality.h"

namespace probel {

class NormoData;

// Capability and normality of one series at a glance, computed from its sorted values and
// limits without changing the series (its readers remember formats and options). On a
// logarithmic axis everything but the count and the extremes is taken of the base-10
// logarithms, as the paper shows them: mean, σ and s are those of the logarithms, Cp and Cpk
// use the logarithms of the limits, and the test asks whether the logarithms are normal.
struct SeriesSummary {
    bool logarithmic = false;
    int count = 0;
    double mean = 0;
    double sigma = 0;         // divisor n, as the paper uses
    std::optional<double> s;  // divisor n − 1; needs two values
    double minimum = 0;
    double maximum = 0;
    std::optional<double> cp;   // with the series' option; empty without spread
    std::optional<double> cpk;  // the smaller one-sided index the option allows
    std::optional<AndersonDarling> normality;
};

SeriesSummary summarise(const NormoData& series, bool logarithmic = false);

// Capability with the option of the data dialog: 1 upper limit only, 2 lower limit only,
// anything else both limits. Empty when sigma is not above zero.
std::optional<double> capabilityCp(int option, double lower, double upper, double mean, double sigma);
// The one-sided indices (upper − mean)/3σ and (mean − lower)/3σ: the smaller of the two, or
// the only one the option uses. Empty when sigma is not above zero.
std::optional<double> capabilityCpk(int option, double lower, double upper, double mean, double sigma);

// The tooltip lines for one series: its name, then n, mean, σ, s, minimum, maximum, Cp, Cpk
// and the normality test ("—" where a figure is undefined), one line break between lines. On a
// logarithmic axis the mean is the geometric mean and σ, s are marked "(log)".
std::string summaryText(const NormoData& series, const SeriesSummary& summary);

}  // namespace probel
