// SPDX-License-Identifier: MIT
#include "core/stats/series_summary.h"

#include <cmath>

#include "core/stats/normo_data.h"
#include "core/stats/series_moments.h"

namespace probel {

SeriesSummary summarise(const NormoData& series, bool logarithmic)
{
    SeriesSummary summary;
    summary.logarithmic = logarithmic;
    const std::vector<double>& sorted = series.sortData();
    summary.count = static_cast<int>(sorted.size());
    if (sorted.empty()) {
        return summary;
    }
    summary.minimum = sorted.front();
    summary.maximum = sorted.back();
    // A value of zero or below has no logarithm: nothing but the count and extremes then.
    if (logarithmic && !(sorted.front() > 0)) {
        return summary;
    }
    const std::vector<double>& drawn = logarithmic ? series.logSortData() : sorted;
    const SeriesMoments moments = seriesMoments(drawn);
    summary.mean = moments.mean;
    summary.sigma = moments.sigma;
    if (drawn.size() > 1) {
        const auto n = static_cast<double>(drawn.size());
        summary.s = moments.sigma * std::sqrt(n / (n - 1));
    }
    summary.normality = andersonDarling(drawn);
    if (!series.limitsSet()) {
        return summary;
    }
    const auto onAxis = [logarithmic](double limit) { return logarithmic ? std::log10(limit) : limit; };
    const double lower = onAxis(series.min());
    const double upper = onAxis(series.max());
    const int option = series.cpOption();
    // The σ the series' label and line use.
    const double fitted = series.sigmaDivisor() == SigmaDivisor::CountLessOne && summary.s ? *summary.s : moments.sigma;
    summary.cp = capabilityCp(option, lower, upper, moments.mean, fitted);
    summary.cpk = capabilityCpk(option, lower, upper, moments.mean, fitted);
    summary.ppmExpected = expectedPpm(option, lower, upper, moments.mean, fitted);
    summary.ppmObserved = observedPpm(drawn, option, lower, upper);
    if (summary.s) {
        if (const auto cp = capabilityCp(option, lower, upper, moments.mean, *summary.s)) {
            summary.cpLowerBound = cpLowerBound95(option, *cp, summary.count);
        }
        if (const auto cpk = capabilityCpk(option, lower, upper, moments.mean, *summary.s)) {
            summary.cpkLowerBound = cpkLowerBound95(*cpk, summary.count);
        }
    }
    return summary;
}

}  // namespace probel
