// SPDX-License-Identifier: MIT
#include "core/stats/normo_data.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/stats/cp_option.h"
#include "core/stats/normality.h"
#include "core/stats/series_moments.h"
#include "core/util/value_sort.h"

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
    iniData_ = std::make_shared<const std::vector<double>>(std::move(values));
    sorted_.reset();
    logs_.reset();
    sigmaStandIn_ = false;
    logSigmaStandIn_ = false;
    visible_ = true;
}

NormoData NormoData::lean() const
{
    NormoData copy = *this;
    copy.sorted_.reset();
    copy.logs_.reset();
    return copy;
}

void NormoData::shareValuesIfEqual(const NormoData& other)
{
    if (iniData_ != other.iniData_ && *iniData_ == *other.iniData_) {
        iniData_ = other.iniData_;
        sorted_ = other.sorted_;
        logs_ = other.logs_;
    }
}

// The moments are summed over the sorted values, so the figures do not depend on the order
// the values were entered in.
const NormoData::Ordered& NormoData::sorted() const
{
    if (!sorted_) {
        std::vector<double> values = *iniData_;
        sortValues(values);
        const SeriesMoments moments = seriesMoments(values);
        sorted_ = std::make_shared<const Ordered>(Ordered{std::move(values), moments});
    }
    return *sorted_;
}

const NormoData::Ordered& NormoData::logs() const
{
    if (!logs_) {
        const std::vector<double>& plain = sorted().values;
        std::vector<double> values(plain.size());
        std::transform(plain.begin(), plain.end(), values.begin(),
                       [](double value) { return value > 0 ? std::log10(value) : value; });
        const SeriesMoments moments = seriesMoments(values);
        logs_ = std::make_shared<const Ordered>(Ordered{std::move(values), moments});
    }
    return *logs_;
}

std::pair<double, double> NormoData::valueRange() const
{
    if (sorted_) {
        return sorted_->values.empty() ? std::pair{0.0, 0.0}
                                       : std::pair{sorted_->values.front(), sorted_->values.back()};
    }
    if (iniData_->empty()) {
        return {0.0, 0.0};
    }
    const auto [low, high] = std::minmax_element(iniData_->begin(), iniData_->end());
    return {*low, *high};
}

double NormoData::spread(double populationSigma, bool standIn) const
{
    // s = σ·√(n/(n − 1)); a single value has no spread either way.
    const auto n = static_cast<double>(iniData_->size());
    const double factor = sigmaDivisor_ == SigmaDivisor::CountLessOne && n > 1 ? std::sqrt(n / (n - 1)) : 1.0;
    const double sigma = populationSigma * factor;
    return sigma == 0 && standIn ? kZeroSigmaStandIn : sigma;
}

void NormoData::setSigmaDivisor(SigmaDivisor divisor)
{
    sigmaDivisor_ = divisor;
    sigmaStandIn_ = false;
    logSigmaStandIn_ = false;
}

std::vector<double> NormoData::iniData()
{
    visible_ = true;
    return *iniData_;
}

double NormoData::heikin(std::string_view format)
{
    return throughFormat(heikin(), format, heikinFormat_);
}
double NormoData::siguma(std::string_view format)
{
    return throughFormat(siguma(), format, sigumaFormat_);
}
double NormoData::logHeikin(std::string_view format)
{
    return throughFormat(logHeikin(), format, heikinFormat_);
}
double NormoData::logSiguma(std::string_view format)
{
    return throughFormat(logSiguma(), format, sigumaFormat_);
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
    probel_ = fractionBetween(min_, max_, heikin(), siguma());
    return throughFormat(100 * probel_, format, probelFormat_);
}

double NormoData::logProbel(std::string_view format)
{
    logProbel_ = fractionBetween(logMin_, logMax_, logHeikin(), logSiguma());
    return throughFormat(100 * logProbel_, format, probelFormat_);
}

double NormoData::cp(std::int32_t option, std::string_view format)
{
    cpOption_ = option;
    sigmaStandIn_ = sigmaStandIn_ || siguma() == 0;
    const double sigma = siguma();
    switch (option) {
    case kCpUpperLimitOnly:
        cp_ = (max_ - heikin()) / (3 * sigma);
        break;
    case kCpLowerLimitOnly:
        cp_ = (heikin() - min_) / (3 * sigma);
        break;
    default:
        cp_ = (max_ - min_) / (6 * sigma);
        break;
    }
    return throughFormat(cp_, format, cpFormat_);
}

double NormoData::logCp(std::int32_t /*option*/, std::string_view format)
{
    logSigmaStandIn_ = logSigmaStandIn_ || logSiguma() == 0;
    logCp_ = (logMax_ - logMin_) / (6 * logSiguma());
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

auto NormoData::tied() const
{
    return std::tie(capabilityLines_, sigmaStandIn_, logSigmaStandIn_, min_, max_, logMin_, logMax_, probel_,
                    logProbel_, cp_, logCp_, cpOption_, heikinFormat_, sigumaFormat_, probelFormat_, cpFormat_, mrk_,
                    mrkSize_, color_, drawStyle_, lineVisible_, limitsSet_, sigmaDivisor_, visible_, label_, comment_,
                    id_, tag_);
}

bool NormoData::operator==(const NormoData& other) const
{
    return tied() == other.tied() && (iniData_ == other.iniData_ || *iniData_ == *other.iniData_);
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
