// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace probel {

// The standard normal quantiles of the probability axis, single precision: entry i
// (1 ... 5000) is the quantile of the cumulative probability i/10000 rounded to five
// decimals; entry 0 stands for the infinite quantile of probability 0.
//
// Two entries hold the values users' papers were drawn with rather than the rounded exact
// quantile: entry 1, the extreme of the scale that every height is divided by (-3.71947,
// exact -3.71902), and entry 100, the 1 % point the fitted lines are built on (-2.32634,
// exact -2.3263479).
class QuantileTable {
public:
    static constexpr std::int32_t kSize = 5001;
    static constexpr std::int32_t kLastIndex = kSize - 1;
    // Entries per percent of probability: the look-up resolves steps of 0.01 %.
    static constexpr double kStepsPerPercent = 100.0;
    static constexpr float kEntryZero = 1E8F;
    static constexpr float kEntryOne = -3.71947F;
    static constexpr std::int32_t kOnePercentIndex = 100;
    static constexpr float kEntryOnePercent = -2.32634F;

    // The one table all graphs read; it is filled the first time it is asked for.
    static const QuantileTable& shared();

    // Entry `index`; the index must lie in 0 ... kLastIndex.
    float operator[](std::int32_t index) const { return entries_[static_cast<std::size_t>(index)]; }
    const std::array<float, kSize>& entries() const { return entries_; }

private:
    QuantileTable();

    std::array<float, kSize> entries_{};
};

}  // namespace probel
