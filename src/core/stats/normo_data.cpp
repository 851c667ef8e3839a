// SPDX-License-Identifier: MIT
#include "core/stats/normo_data.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/stats/cp_option.h"
#include "core/stats/normality.h"
#include "core/stats/series_moments.h"

namespace probel {
namespace {

// The exception to the four-decimal rule in the area table, kept so that percentages
// match the ones users have on record.
constexpr int kAreaTableOddEntry = 74;
constexpr double kAreaTableOddValue = 0.2703;

std::array<double, NormoData::kAreaTableSize> makeAreaTable()
{
    std::array<double, NormoData::kAreaTableSize> table{};
    for (int k = 0; k < NormoData::kAreaTableSize; ++k) {
        const double z = k / 100.0;
        table[k] = roundDecimal(0.5 * std::erf(z / std::sqrt(2.0)), 4);
    }
    table[kAreaTableOddEntry] = kAreaTableOddValue;
    return table;
}

// Reports a statistic through a reader's format: a non-empty format is remembered and the
// value comes back rounded as the format shows it. Thousands separators of the shown text are
// not part of the number.
double throughFormat(double value, std::string_view format, std::string& remembered)
{
    if (format.empty()) {
        return value;
    }
    remembered = std::string(format);
    std::string shown = formatNumber(value, format);
    std::erase(shown, ',');
    return leadingNumber(shown);
}

// Area of the standard normal between 0 and z ≥ 0, exactly; nothing when z is no number.
double areaUpTo(double z)
{
    if (std::isnan(z)) {
        return 0;
    }
    return 0.5 - normalCdf(-z);
}

}  // namespace

const std::array<double, NormoData::kAreaTableSize>& NormoData::areaTable()
{
    static const auto table = makeAreaTable();
    return table;
}

void NormoData::setIniData(std::vector<double> values)
{
    iniData_ = std::move(values);
    sortData_ = iniData_;
    std::sort(sortData_.begin(), sortData_.end());

    logSortData_.resize(sortData_.size());
    std::transform(sortData_.begin(), sortData_.end(), logSortData_.begin(),
                   [](double value) { return value > 0 ? std::log10(value) : value; });

    computeMoments();
    visible_ = true;
}

void NormoData::setSigmaDivisor(SigmaDivisor divisor)
{
    sigmaDivisor_ = divisor;
    computeMoments();
}

void NormoData::computeMoments()
{
    // s = σ·√(n/(n − 1)); a single value has no spread either way.
    const auto n = static_cast<double>(sortData_.size());
    const double factor = sigmaDivisor_ == SigmaDivisor::CountLessOne && n > 1 ? std::sqrt(n / (n - 1)) : 1.0;
    const auto plain = seriesMoments(sortData_);
    heikin_ = plain.mean;
    siguma_ = plain.sigma * factor;
    const auto logs = seriesMoments(logSortData_);
    logHeikin_ = logs.mean;
    logSiguma_ = logs.sigma * factor;
}

std::vector<double> NormoData::iniData()
{
    visible_ = true;
    return iniData_;
}

double NormoData::heikin(std::string_view format)
{
    return throughFormat(heikin_, format, heikinFormat_);
}
double NormoData::siguma(std::string_view format)
{
    return throughFormat(siguma_, format, sigumaFormat_);
}
double NormoData::logHeikin(std::string_view format)
{
    return throughFormat(logHeikin_, format, heikinFormat_);
}
double NormoData::logSiguma(std::string_view format)
{
    return throughFormat(logSiguma_, format, sigumaFormat_);
}

double NormoData::fractionBetween(double lower, double upper, double mean, double sigma) const
{
    // A division that fails (sigma 0) counts as z = 0, so both limits then contribute nothing.
    const auto zOf = [sigma](double limit, double centre) {
        return sigma == 0 ? 0.0 : std::abs(limit - centre) / sigma;
    };
    double below = areaUpTo(zOf(lower, mean));
    if (lower > mean) {
        below = -below;
    }
    double above = areaUpTo(zOf(upper, mean));
    if (upper < mean) {
        above = -above;
    }
    return below + above;
}

double NormoData::probel(std::string_view format)
{
    probel_ = fractionBetween(min_, max_, heikin_, siguma_);
    return throughFormat(100 * probel_, format, probelFormat_);
}

double NormoData::logProbel(std::string_view format)
{
    logProbel_ = fractionBetween(logMin_, logMax_, logHeikin_, logSiguma_);
    return throughFormat(100 * logProbel_, format, probelFormat_);
}

double NormoData::cp(std::int32_t option, std::string_view format)
{
    cpOption_ = option;
    if (siguma_ == 0) {
        siguma_ = kZeroSigmaStandIn;
    }
    switch (option) {
    case kCpUpperLimitOnly:
        cp_ = (max_ - heikin_) / (3 * siguma_);
        break;
    case kCpLowerLimitOnly:
        cp_ = (heikin_ - min_) / (3 * siguma_);
        break;
    default:
        cp_ = (max_ - min_) / (6 * siguma_);
        break;
    }
    return throughFormat(cp_, format, cpFormat_);
}

double NormoData::logCp(std::int32_t /*option*/, std::string_view format)
{
    if (logSiguma_ == 0) {
        logSiguma_ = kZeroSigmaStandIn;
    }
    logCp_ = (logMax_ - logMin_) / (6 * logSiguma_);
    return throughFormat(std::pow(10.0, logCp_), format, cpFormat_);
}

void NormoData::setMin(double value)
{
    min_ = value;
    if (value > 0) {
        logMin_ = std::log10(value);
    }
}

void NormoData::setMax(double value)
{
    max_ = value;
    if (value > 0) {
        logMax_ = std::log10(value);
    }
}

double NormoData::logMin() const
{
    return std::pow(10.0, logMin_);
}
double NormoData::logMax() const
{
    return std::pow(10.0, logMax_);
}

}  // namespace probel
