// SPDX-License-Identifier: MIT
#include "cli/axis_range.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace probel::cli {
namespace {

constexpr std::array<int, 3> kNiceMantissas = {1, 2, 5};
// Room for the binary error of a quotient such as 0.3 / 0.1 when rounding to a step.
constexpr double kStepTolerance = 1e-9;
// log10 of an exact power of ten may miss the whole number by an ulp.
constexpr double kDecadeTolerance = 1e-12;
constexpr int kStepAttempts = 6;

// A step m × 10^e held as its parts, so multiples of it come out as the nearest doubles to
// the decimal numbers (3 × 0.1 is 0.3, not 0.30000000000000004).
struct Step {
    int mantissa = 1;
    int exponent = 0;

    double value() const { return times(1); }
    double times(double count) const
    {
        const double scaled = count * mantissa;
        return exponent >= 0 ? scaled * std::pow(10.0, exponent) : scaled / std::pow(10.0, -exponent);
    }
    Step next() const
    {
        if (mantissa == kNiceMantissas.back()) {
            return Step{kNiceMantissas.front(), exponent + 1};
        }
        const auto at = std::find(kNiceMantissas.begin(), kNiceMantissas.end(), mantissa);
        return Step{*(at + 1), exponent};
    }
};

// The smallest nice step of at least `raw` (> 0).
Step stepAtLeast(double raw)
{
    Step step{1, static_cast<int>(std::floor(std::log10(raw)))};
    while (step.value() < raw * (1 - kStepTolerance)) {
        step = step.next();
    }
    return step;
}

// How many steps from zero to the multiple of `step` at or below `value`.
double stepsBelow(double value, const Step& step)
{
    return std::floor(value / step.value() + kStepTolerance);
}

// A width to spread values that are all equal over: a tenth of their size, or 1 at zero.
double spreadOfEqualValues(double value)
{
    return value == 0 ? 1 : std::abs(value);
}

AxisRange freeLinearRange(double low, double high, int divisions)
{
    const double span = high > low ? high - low : spreadOfEqualValues(low);
    Step step = stepAtLeast(span / divisions);
    // A range centred on the values may still miss one end by a little; a larger step holds it.
    for (int attempt = 0; attempt < kStepAttempts && std::isfinite(step.times(divisions)); ++attempt) {
        double first = stepsBelow((low + high) / 2 - step.value() * divisions / 2, step);
        if (low >= 0 && first < 0) {
            first = 0;
        } else if (high <= 0 && first + divisions > 0) {
            first = -divisions;
        }
        const AxisRange range{step.times(first), step.times(first + divisions)};
        const double slack = step.value() * kStepTolerance;
        if (range.min <= low + slack && range.max >= high - slack) {
            return range;
        }
        step = step.next();
    }
    return AxisRange{low, high};
}

}  // namespace

AxisRange linearAxisRange(double low, double high, int divisions, std::optional<double> fixedMin,
                          std::optional<double> fixedMax)
{
    if (fixedMin && fixedMax) {
        return AxisRange{*fixedMin, *fixedMax};
    }
    if (fixedMin) {
        const double reach = std::max(high, *fixedMin) - *fixedMin;
        const Step step = stepAtLeast((reach > 0 ? reach : spreadOfEqualValues(*fixedMin)) / divisions);
        return AxisRange{*fixedMin, *fixedMin + step.times(divisions)};
    }
    if (fixedMax) {
        const double reach = *fixedMax - std::min(low, *fixedMax);
        const Step step = stepAtLeast((reach > 0 ? reach : spreadOfEqualValues(*fixedMax)) / divisions);
        return AxisRange{*fixedMax - step.times(divisions), *fixedMax};
    }
    return freeLinearRange(low, high, divisions);
}

AxisRange logAxisRange(double low, double high, std::optional<double> fixedMin, std::optional<double> fixedMax)
{
    double first = std::floor(std::log10(fixedMin.value_or(low)) + kDecadeTolerance);
    double last = std::ceil(std::log10(fixedMax.value_or(high)) - kDecadeTolerance);
    if (last <= first) {
        if (fixedMin && !fixedMax) {
            last = first + 1;
        } else {
            first = last - 1;
        }
    }
    return AxisRange{std::pow(10.0, first), std::pow(10.0, last)};
}

}  // namespace probel::cli
