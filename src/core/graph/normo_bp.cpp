// SPDX-License-Identifier: MIT
#include "core/graph/normo_bp.h"

#include <algorithm>
#include <cmath>

#include "core/graph/probability_scale.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

// A series' limit Max equal to its Min is raised by this fraction of the graph's stored Max.
constexpr double kRaisedLimitDivisor = 1000.0;

// A freshly bound screen surface gets its frame with these margins on every side.
constexpr double kMarginFraction = 0.1;
constexpr double kFrameFraction = 0.8;

// The exponent a logarithmic axis stores for `value`: whole decades, halves away from zero.
std::optional<double> decadeOf(double value)
{
    if (!(value > 0.0) || !std::isfinite(value)) {
        return std::nullopt;
    }
    return roundDecimal(std::log10(value), 0);
}

std::int32_t scaled(std::int32_t extent, double fraction)
{
    // Any int32 extent times a fraction below 1 fits in an int32.
    return toInt32HalfEven(extent * fraction).value_or(0);
}

}  // namespace

NormoBp::NormoBp() : quantiles_(&QuantileTable::shared()) {}

NormoBp::NormoBp(const NormoBp& other)
    : analysis_(other.analysis_),
      frameLeft_(other.frameLeft_),
      frameTop_(other.frameTop_),
      frameWidth_(other.frameWidth_),
      frameHeight_(other.frameHeight_),
      frameColor_(other.frameColor_),
      frameDrawStyle_(other.frameDrawStyle_),
      lineColor_(other.lineColor_),
      lineDrawStyle_(other.lineDrawStyle_),
      storedMin_(other.storedMin_),
      storedMax_(other.storedMax_),
      logV_(other.logV_),
      bunnkatu_(other.bunnkatu_),
      xJikuStep_(other.xJikuStep_),
      xJikuCheck_(other.xJikuCheck_),
      memoriCheck_(other.memoriCheck_),
      tanni_(other.tanni_),
      font_(other.font_),
      fontSize_(other.fontSize_),
      foreColor_(other.foreColor_),
      windowWidth_(other.windowWidth_),
      windowHeight_(other.windowHeight_),
      quantiles_(other.quantiles_)
{
    if (other.data_) {
        data_ = std::make_unique<Data>();
        static_cast<KeyedCollection<NormoData>&>(*data_) =
            other.data_->copied([](const NormoData& series) { return std::make_unique<NormoData>(series); });
    }
}

std::unique_ptr<NormoBp> NormoBp::unboundCopy() const
{
    return std::unique_ptr<NormoBp>(new NormoBp(*this));
}

NormoBp::~NormoBp() = default;

void NormoBp::setFrameWidth(std::int32_t value)
{
    frameWidth_ = std::max(value, kMinFrameExtent);
}

void NormoBp::setFrameHeight(std::int32_t value)
{
    frameHeight_ = std::max(value, kMinFrameExtent);
}

double NormoBp::min() const
{
    return logV_ ? std::pow(10.0, storedMin_) : storedMin_;
}

void NormoBp::setMin(double value)
{
    if (!logV_) {
        storedMin_ = value;
    } else if (const auto decade = decadeOf(value)) {
        storedMin_ = *decade;
    }
}

double NormoBp::max() const
{
    return logV_ ? std::pow(10.0, storedMax_) : storedMax_;
}

void NormoBp::setMax(double value)
{
    if (!logV_) {
        storedMax_ = value;
    } else if (const auto decade = decadeOf(value)) {
        storedMax_ = *decade;
    }
}

CanvasFont NormoBp::labelFont() const
{
    CanvasFont font = font_;
    font.size = fontSize_;
    return font;
}

Data& NormoBp::data()
{
    if (!data_) {
        data_ = std::make_unique<Data>();
    }
    return *data_;
}

void NormoBp::setData(std::unique_ptr<Data> data)
{
    data_ = std::move(data);
}

void NormoBp::setShowObj(Canvas* surface)
{
    showObj_ = surface;
    if (surface == nullptr) {
        return;
    }
    windowWidth_ = surface->width();
    windowHeight_ = surface->height();
    if (surface->isPrinterPage()) {
        return;
    }
    frameLeft_ = scaled(windowWidth_, kMarginFraction);
    setFrameWidth(scaled(windowWidth_, kFrameFraction));
    frameTop_ = scaled(windowHeight_, kMarginFraction);
    setFrameHeight(scaled(windowHeight_, kFrameFraction));
}

std::int32_t NormoBp::windowWidth() const
{
    if (showObj_ != nullptr) {
        windowWidth_ = showObj_->width();
    }
    return windowWidth_;
}

std::int32_t NormoBp::windowHeight() const
{
    if (showObj_ != nullptr) {
        windowHeight_ = showObj_->height();
    }
    return windowHeight_;
}

std::optional<float> NormoBp::getPictY(double percent) const
{
    return probabilityToY(*quantiles_, frameTop_, frameHeight_, percent);
}

void NormoBp::spreadEqualSeriesLimits()
{
    if (!data_) {
        return;
    }
    for (NormoData& series : *data_) {
        if (series.visible() && series.lineVisible() && series.max() == series.min()) {
            series.setMax(series.min() + storedMax_ / kRaisedLimitDivisor);
        }
    }
}

}  // namespace probel
