// SPDX-License-Identifier: MIT
#include "core/graph/axis_range.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/numbers/number_text.h"

namespace probel {
namespace {

constexpr std::array<int, 3> kNiceMantissas = {1, 2, 5};
// A quotient's binary error moves it by less than one whole number; two tries settle it.
constexpr int kSettleSteps = 2;
// Steps from 1E-300 to 5E+307: their powers of ten and every multiple an axis of ten
// divisions takes of them are ordinary doubles.
constexpr int kLowestExponent = -300;
constexpr int kHighestExponent = 307;
// Powers of ten that are ordinary doubles, for the ends of a logarithmic axis.
constexpr double kLowestDecade = -307;
constexpr double kHighestDecade = 308;
// A step at most this many times too fine reaches the right one: each next step is at least
// twice the last.
constexpr int kStepAttempts = 16;

constexpr const char* kGiveTheEnds = "--min と --max を指定してください。";

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

Error tooNarrow(double spread)
{
    return Error{"値の幅 " + generalNumberText(spread) + " が小さすぎて軸の目盛りを決められません。" + kGiveTheEnds, "",
                 0};
}

Error tooWide(double low, double high)
{
    return Error{"値 " + generalNumberText(low) + " … " + generalNumberText(high) +
                     " を収める軸は数値の範囲を超えます。" + kGiveTheEnds,
                 "", 0};
}

// The largest round step of at most `raw`; empty when it is finer than any step an axis takes.
std::optional<Step> stepAtMost(double raw)
{
    if (!(raw >= std::pow(10.0, kLowestExponent)) || !std::isfinite(raw)) {
        return std::nullopt;
    }
    // Within the bounds just checked, so the exponent fits in an int.
    Step step{1, static_cast<int>(std::floor(std::log10(raw)))};
    for (Step larger = step.next(); larger.times(1) <= raw && larger.exponent == step.exponent;
         larger = larger.next()) {
        step = larger;
    }
    return step;
}

// How many steps from zero to the multiple of `step` at or below (or at or above) `value`.
// The quotient may miss a whole number by its binary error (0.3 / 0.1 is 2.9999999999999996),
// so the count is settled by comparing the multiples themselves, as the axis will hold them.
double stepsBelow(double value, const Step& step)
{
    double steps = std::floor(value / step.value());
    for (int settle = 0; settle < kSettleSteps && step.times(steps + 1) <= value; ++settle) {
        ++steps;
    }
    for (int settle = 0; settle < kSettleSteps && step.times(steps) > value; ++settle) {
        --steps;
    }
    return steps;
}
double stepsAbove(double value, const Step& step)
{
    double steps = std::ceil(value / step.value());
    for (int settle = 0; settle < kSettleSteps && step.times(steps - 1) >= value; ++settle) {
        --steps;
    }
    for (int settle = 0; settle < kSettleSteps && step.times(steps) < value; ++settle) {
        ++steps;
    }
    return steps;
}

// The power of ten at or below (or at or above) `value`. log10 of a value next to a power of
// ten may land on the wrong side of the whole number (log10 of 9999999999999934.98 rounds to
// 16), so the decade is settled by comparing the powers themselves.
double decadeBelow(double value)
{
    double decade = std::floor(std::log10(value));
    for (int settle = 0; settle < kSettleSteps && std::pow(10.0, decade + 1) <= value; ++settle) {
        ++decade;
    }
    for (int settle = 0; settle < kSettleSteps && std::pow(10.0, decade) > value; ++settle) {
        --decade;
    }
    return decade;
}
double decadeAbove(double value)
{
    double decade = std::ceil(std::log10(value));
    for (int settle = 0; settle < kSettleSteps && std::pow(10.0, decade - 1) >= value; ++settle) {
        --decade;
    }
    for (int settle = 0; settle < kSettleSteps && std::pow(10.0, decade) < value; ++settle) {
        ++decade;
    }
    return decade;
}

// A spread for values that are all equal: their size, or 1 at zero.
double spreadOfEqualValues(double value)
{
    return value == 0 ? 1 : std::abs(value);
}

// The axis if its ends and its span are ordinary numbers in the right order.
Result<AxisRange> checked(const AxisRange& range, double low, double high, double spread)
{
    if (!std::isfinite(range.min) || !std::isfinite(range.max) || !std::isfinite(range.max - range.min)) {
        return tooWide(low, high);
    }
    if (!(range.min < range.max)) {
        return tooNarrow(spread);
    }
    return range;
}

// The finest round step whose multiples from the one at or below `low` to the one at or
// above `high` make at most kMostAxisDivisions divisions.
Result<AxisRange> freeLinearRange(double low, double high)
{
    const double spread = high - low;
    if (!std::isfinite(spread)) {
        return tooWide(low, high);
    }
    const auto start = stepAtMost(spread / kMostAxisDivisions);
    if (!start) {
        return tooNarrow(spread);
    }
    Step step = *start;
    for (int attempt = 0; attempt < kStepAttempts && step.exponent <= kHighestExponent; ++attempt) {
        const double first = stepsBelow(low, step);
        const double last = std::max(stepsAbove(high, step), first + 1);
        if (last - first <= kMostAxisDivisions) {
            // Adding zero turns a -0 end (from rounding up a value of zero) into 0.
            const AxisRange range{step.times(first) + 0.0, step.times(last) + 0.0,
                                  static_cast<std::int32_t>(last - first)};
            if (!(range.min <= low && range.max >= high)) {
                // Near the end of the double range neighbouring multiples of so fine a step
                // are the same number, and no multiple reaches past the values.
                return tooNarrow(spread);
            }
            return checked(range, low, high, spread);
        }
        step = step.next();
    }
    return tooWide(low, high);
}

// From a kept end `from`, toward the values (direction +1 for a kept minimum, -1 for a kept
// maximum), the finest round step reaching `reach` in at most kMostAxisDivisions steps.
Result<AxisRange> rangeFromEnd(double from, double reach, int direction)
{
    if (!std::isfinite(reach)) {
        return tooWide(from, from + direction * reach);
    }
    const double spread = reach > 0 ? reach : spreadOfEqualValues(from);
    const auto start = stepAtMost(spread / kMostAxisDivisions);
    if (!start) {
        return tooNarrow(spread);
    }
    Step step = *start;
    for (int attempt = 0; attempt < kStepAttempts && step.exponent <= kHighestExponent; ++attempt) {
        const double count = std::max(stepsAbove(spread, step), 1.0);
        if (count <= kMostAxisDivisions) {
            const double other = from + direction * step.times(count);
            const AxisRange range{std::min(from, other), std::max(from, other), static_cast<std::int32_t>(count)};
            const double reached = from + direction * reach;
            if (!(range.min <= std::min(from, reached) && range.max >= std::max(from, reached))) {
                return tooNarrow(spread);
            }
            return checked(range, range.min, range.max, spread);
        }
        step = step.next();
    }
    return tooWide(from, from + direction * spread);
}

}  // namespace

Result<AxisRange> linearAxisRange(double low, double high, std::optional<double> fixedMin,
                                  std::optional<double> fixedMax)
{
    if (fixedMin && fixedMax) {
        // The graph divides the span into steps: it must be a number as well.
        if (!std::isfinite(*fixedMax - *fixedMin)) {
            return Error{"--min " + generalNumberText(*fixedMin) + " から --max " + generalNumberText(*fixedMax) +
                             " までの幅が数値の範囲を超えるので、軸を目盛りに分けられません。幅を狭めてください。",
                         "", 0};
        }
        return AxisRange{*fixedMin, *fixedMax, kMostAxisDivisions};
    }
    if (fixedMin) {
        return rangeFromEnd(*fixedMin, std::max(high, *fixedMin) - *fixedMin, 1);
    }
    if (fixedMax) {
        return rangeFromEnd(*fixedMax, *fixedMax - std::min(low, *fixedMax), -1);
    }
    if (high > low) {
        return freeLinearRange(low, high);
    }
    // Equal values: an axis around them, not below zero for a value of zero or above.
    const double spread = spreadOfEqualValues(low);
    const double below = low >= 0 ? std::max(low - spread / 2, 0.0) : low - spread / 2;
    return freeLinearRange(below, below + spread);
}

Result<AxisRange> logAxisRange(double low, double high, std::optional<double> fixedMin, std::optional<double> fixedMax)
{
    double first = decadeBelow(fixedMin.value_or(low));
    double last = decadeAbove(fixedMax.value_or(high));
    if (last <= first) {
        if (fixedMin && !fixedMax) {
            last = first + 1;
        } else {
            first = last - 1;
        }
    }
    const bool withinDoubles = first >= kLowestDecade && last <= kHighestDecade;
    if (!withinDoubles && fixedMin && fixedMax) {
        const std::string lowest = generalNumberText(std::pow(10.0, kLowestDecade));
        const std::string highest = generalNumberText(std::pow(10.0, kHighestDecade));
        return Error{"--min " + generalNumberText(*fixedMin) + " から --max " + generalNumberText(*fixedMax) +
                         " を収める対数軸の桁が数値の範囲を超えます。" + lowest + " から " + highest +
                         " の間で指定してください。",
                     "", 0};
    }
    if (!withinDoubles) {
        return Error{"値 " + generalNumberText(low) + " … " + generalNumberText(high) +
                         " を収める対数軸の桁が数値の範囲を超えます。" + kGiveTheEnds,
                     "", 0};
    }
    return AxisRange{std::pow(10.0, first), std::pow(10.0, last), kMostAxisDivisions};
}

}  // namespace probel
