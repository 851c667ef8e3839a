// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/stats/weibull_text.h"

namespace probel {

class NormoData;

// What a series' detail label shows, as chosen in the data dialog.
struct DetailChoice {
    bool meanLines = false;  // mean, minimum, maximum
    bool sigmaLine = false;
    bool probelLine = false;
    std::optional<int> cpOption;  // the Cp line, read with this option
    std::string meanFormat = "0.##";
    std::string sigmaFormat = "0.##";
    std::string probelFormat = "0.##";
    std::string cpFormat = "0.##";
    bool logAxis = false;  // the graph's axis is logarithmic
    // On Weibull paper: the fit's lines follow, as the graph fits it.
    std::optional<WeibullChoice> weibull;
};

// The statistics lines of a detail label, without line ends: "平均 : …", "最小値:…",
// "最大値:…", "σ    : …", "Probel : …%", "Cp   : …". On a logarithmic axis the mean is the
// geometric one and the percentage the log one; σ and Cp stay those of the values.
// Reading Cp remembers its option in the series, as the label is built from the series.
// Then the capability lines the series chooses (capabilityLineTexts), with the Cp format and
// the series' option; on a logarithmic axis they are figures of the logarithms, as the
// tooltip's. On Weibull paper the fit's lines (weibullLines) come last, η and B10 with the
// mean's format, β and A* with kWeibullFigureFormat.
std::vector<std::string> detailStatLines(NormoData& series, const DetailChoice& choice);

// The whole caption: the marker followed by ":", the comment, then the statistics lines,
// each line ended by CR LF.
std::string detailCaption(NormoData& series, const DetailChoice& choice);

}  // namespace probel
