// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace probel::bench {

// `count` normally distributed measurements, the same for a given seed on every run, so a
// benchmark and its baseline work on identical data.
inline std::vector<double> normalValues(std::int64_t count, double mean, double sigma, std::uint64_t seed)
{
    std::mt19937_64 generator(seed);
    std::normal_distribution<double> normal(mean, sigma);
    std::vector<double> values(static_cast<std::size_t>(count));
    for (auto& value : values) {
        value = normal(generator);
    }
    return values;
}

}  // namespace probel::bench
