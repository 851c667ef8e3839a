// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/stats/capability_lines.h"
#include "core/stats/series_moments.h"
#include "core/stats/sigma_divisor.h"

namespace probel {

// One data series of a graph: the measured values, their sorted copy and statistics (on
// the values and on their base-10 logarithms), the lower and upper specification limits
// with the percentage between them and Cp, and how the series is drawn.
//
// The values are shared between copies of a series and never changed in place, so a copy
// (an undo step, a snapshot for the clipboard) costs no copy of them. What is derived from
// them (the sorted copy, the logarithms and the moments of each) is worked out when first
// read and shared by the copies made after that; lean() gives a copy without it, for those
// that only keep the series. A series is not to be read from two threads at once.
// The statistic readers take a number format: a non-empty format is remembered in the
// matching format property and the value comes back rounded as the format shows it; an
// empty format returns the value at full precision.
class NormoData {
public:
    static constexpr int kAreaTableSize = 300;
    // Returned for Cp when the standard deviation is zero: the reader divides by this instead,
    // so the caller gets a very large capability rather than an error.
    static constexpr double kZeroSigmaStandIn = 1E-30;

    NormoData() = default;

    // Area under the standard normal curve between 0 and k/100, four decimals; entry 74 is
    // 0.2703, one above the rounded value, and users' results depend on it.
    static const std::array<double, kAreaTableSize>& areaTable();

    // Sets the raw values (in entry order), sorts them, computes the statistics and makes the
    // series visible. An empty list leaves every statistic at 0.
    void setIniData(std::vector<double> values);
    // A copy of the raw values; reading them also makes the series visible.
    std::vector<double> iniData();
    // The raw values without that side effect, for writers that must not change the series.
    const std::vector<double>& iniValues() const { return *iniData_; }
    // The same series without what is derived from its values, which is worked out again
    // when read.
    NormoData lean() const;
    // Takes over the values of `other` (and what it derived from them) when they are the same
    // as this series' own, so that an edit that leaves the values as they were keeps no
    // second copy of them.
    void shareValuesIfEqual(const NormoData& other);

    const std::vector<double>& sortData() const { return sorted().values; }
    // log10 of each sorted value; a value of zero or below is kept as it is.
    const std::vector<double>& logSortData() const { return logs().values; }
    // The smallest and the largest value (0 and 0 without values), without sorting them.
    std::pair<double, double> valueRange() const;
    std::int32_t dataCount() const { return static_cast<std::int32_t>(iniData_->size()); }

    double heikin() const { return sorted().moments.mean; }
    double siguma() const { return spread(sorted().moments.sigma, sigmaStandIn_); }
    double logHeikin() const { return logs().moments.mean; }
    double logSiguma() const { return spread(logs().moments.sigma, logSigmaStandIn_); }
    // The same rounded as `format` shows them; a format given is remembered as the series'
    // heikinFormat() or sigumaFormat().
    double heikin(std::string_view format);
    double siguma(std::string_view format);
    double logHeikin(std::string_view format);
    double logSiguma(std::string_view format);
    // Percentage of the fitted normal between the limits (negative when they are reversed),
    // by the exact distribution function rather than the area table; 0 without spread.
    double probel(std::string_view format = {});
    double logProbel(std::string_view format = {});
    // Capability: option 1 upper limit only, 2 lower limit only, anything else both limits.
    // Remembers the option in cpOption().
    double cp(std::int32_t option, std::string_view format = {});
    // Capability of the logarithms, always with both limits, reported as 10 to that power.
    double logCp(std::int32_t option, std::string_view format = {});

    // Specification limits. Setting one also sets its logarithm when it has one (> 0);
    // otherwise the log limit keeps its previous value.
    double min() const { return min_; }
    void setMin(double value);
    double max() const { return max_; }
    void setMax(double value);
    // The log limits are set as logarithms and read back in ordinary units (10 to the power).
    double logMin() const;
    void setLogMin(double logValue) { logMin_ = logValue; }
    double logMax() const;
    void setLogMax(double logValue) { logMax_ = logValue; }

    // Whether the limits are the user's: a series made from a table has none, though drawing
    // spreads its equal limits apart as it does for every series (so they are not equal then).
    bool limitsSet() const { return limitsSet_; }
    void setLimitsSet(bool set) { limitsSet_ = set; }

    // What σ divides by (n unless set); setting it computes σ and the log σ again, and every
    // figure read from them (the fitted line, Probel, Cp, the bands) follows.
    SigmaDivisor sigmaDivisor() const { return sigmaDivisor_; }
    void setSigmaDivisor(SigmaDivisor divisor);

    std::int32_t cpOption() const { return cpOption_; }
    void setCpOption(std::int32_t option) { cpOption_ = option; }

    const std::string& heikinFormat() const { return heikinFormat_; }
    void setHeikinFormat(std::string format) { heikinFormat_ = std::move(format); }
    const std::string& sigumaFormat() const { return sigumaFormat_; }
    void setSigumaFormat(std::string format) { sigumaFormat_ = std::move(format); }
    const std::string& probelFormat() const { return probelFormat_; }
    void setProbelFormat(std::string format) { probelFormat_ = std::move(format); }
    const std::string& cpFormat() const { return cpFormat_; }
    void setCpFormat(std::string format) { cpFormat_ = std::move(format); }

    const std::string& mrk() const { return mrk_; }
    void setMrk(std::string marker) { mrk_ = std::move(marker); }
    std::int32_t mrkSize() const { return mrkSize_; }
    void setMrkSize(std::int32_t points) { mrkSize_ = points; }
    // 0x00BBGGRR
    std::int32_t color() const { return color_; }
    void setColor(std::int32_t color) { color_ = color; }
    // Pen style of the fitted line: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
    // 5 invisible, 6 inside solid.
    std::int32_t drawStyle() const { return drawStyle_; }
    void setDrawStyle(std::int32_t style) { drawStyle_ = style; }
    bool lineVisible() const { return lineVisible_; }
    void setLineVisible(bool visible) { lineVisible_ = visible; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool label() const { return label_; }
    void setLabel(bool shown) { label_ = shown; }
    const std::string& comment() const { return comment_; }
    void setComment(std::string text) { comment_ = std::move(text); }
    std::int32_t id() const { return id_; }
    void setId(std::int32_t id) { id_ = id; }
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    // The capability lines its detail label adds (all off unless set).
    const CapabilityLines& capabilityLines() const { return capabilityLines_; }
    void setCapabilityLines(CapabilityLines lines) { capabilityLines_ = lines; }

    // The last results of the limit readers, as stored: Probel fractions and LogCp in log units.
    double storedProbel() const { return probel_; }
    double storedLogProbel() const { return logProbel_; }
    double storedCp() const { return cp_; }
    double storedLogCp() const { return logCp_; }

    // Every member alike, the values by content: what an edit compares to tell whether it
    // changed anything.
    bool operator==(const NormoData& other) const;

private:
    // Values in ascending order (or their logarithms) with their mean and σ (divisor n).
    struct Ordered {
        std::vector<double> values;
        SeriesMoments moments;
    };

    const Ordered& sorted() const;
    const Ordered& logs() const;
    // σ with the chosen divisor; a zero σ reads as the stand-in once Cp has divided by it.
    double spread(double populationSigma, bool standIn) const;
    double fractionBetween(double lower, double upper, double mean, double sigma) const;
    auto tied() const;

    CapabilityLines capabilityLines_;
    std::shared_ptr<const std::vector<double>> iniData_ = std::make_shared<const std::vector<double>>();
    mutable std::shared_ptr<const Ordered> sorted_;
    mutable std::shared_ptr<const Ordered> logs_;
    bool sigmaStandIn_ = false;
    bool logSigmaStandIn_ = false;
    double min_ = 0;
    double max_ = 0;
    double logMin_ = 0;
    double logMax_ = 0;
    double probel_ = 0;
    double logProbel_ = 0;
    double cp_ = 0;
    double logCp_ = 0;
    std::int32_t cpOption_ = 0;
    std::string heikinFormat_;
    std::string sigumaFormat_;
    std::string probelFormat_;
    std::string cpFormat_;
    std::string mrk_ = "△";
    std::int32_t mrkSize_ = 3;
    std::int32_t color_ = 0;
    std::int32_t drawStyle_ = 0;
    bool lineVisible_ = true;
    bool limitsSet_ = true;
    SigmaDivisor sigmaDivisor_ = SigmaDivisor::Count;
    bool visible_ = false;
    bool label_ = false;
    std::string comment_;
    std::int32_t id_ = 0;
    std::string tag_;
};

}  // namespace probel
