// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/stats/capability_lines.h"
#include "core/stats/sigma_divisor.h"

namespace probel {

// One data series of a graph: the measured values, their sorted copy and statistics (on
// the values and on their base-10 logarithms), the lower and upper specification limits
// with the percentage between them and Cp, and how the series is drawn.
//
// Statistics are computed when the values are set and read back from stored results.
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
    const std::vector<double>& iniValues() const { return iniData_; }

    const std::vector<double>& sortData() const { return sortData_; }
    // log10 of each sorted value; a value of zero or below is kept as it is.
    const std::vector<double>& logSortData() const { return logSortData_; }
    std::int32_t dataCount() const { return static_cast<std::int32_t>(iniData_.size()); }

    double heikin() const { return heikin_; }
    double siguma() const { return siguma_; }
    double logHeikin() const { return logHeikin_; }
    double logSiguma() const { return logSiguma_; }
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

    // Every member alike: what an edit compares to tell whether it changed anything.
    bool operator==(const NormoData&) const = default;

private:
    void computeMoments();
    double fractionBetween(double lower, double upper, double mean, double sigma) const;

    CapabilityLines capabilityLines_;
    std::vector<double> iniData_;
    std::vector<double> sortData_;
    std::vector<double> logSortData_;
    double heikin_ = 0;
    double siguma_ = 0;
    double logHeikin_ = 0;
    double logSiguma_ = 0;
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
