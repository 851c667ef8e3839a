// SPDX-License-Identifier: MIT
#include "core/util/value_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace probel {
namespace {

// Bit for bit, so that a wrong sign or exponent cannot pass as an equal value.
std::vector<std::uint64_t> bitsOf(const std::vector<double>& values)
{
    std::vector<std::uint64_t> bits;
    for (const double value : values) {
        bits.push_back(std::bit_cast<std::uint64_t>(value));
    }
    return bits;
}

void expectSortedAsStdSort(std::vector<double> values)
{
    std::vector<double> expected = values;
    std::sort(expected.begin(), expected.end());
    sortValues(values);
    EXPECT_EQ(bitsOf(values), bitsOf(expected));
}

TEST(ValueSortTest, GivesTheOrderOfTheComparisonSortForShortAndLongSeries)
{
    std::mt19937_64 random(7);
    std::normal_distribution<double> around50(50, 10);
    std::uniform_real_distribution<double> signs(-1e6, 1e6);
    for (const std::size_t n : {0, 1, 2, 511, 512, 513, 30000}) {
        std::vector<double> normal(n);
        std::vector<double> mixed(n);
        for (std::size_t i = 0; i < n; ++i) {
            normal[i] = around50(random);
            mixed[i] = signs(random);
        }
        expectSortedAsStdSort(normal);
        expectSortedAsStdSort(mixed);
    }
}

TEST(ValueSortTest, HandlesTheEndsOfTheRangeRepeatsAndRunsAlreadyInOrder)
{
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double huge = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    const std::vector<double> specials = {huge, -huge, tiny, -tiny, infinity, -infinity, 1e-300, -1e-300, 1, -1, 3, 3};
    std::vector<double> values;
    while (values.size() < 2000) {
        values.insert(values.end(), specials.begin(), specials.end());
    }
    expectSortedAsStdSort(values);

    std::vector<double> ascending(1000);
    std::vector<double> descending(1000);
    std::vector<double> same(1000, 12.5);
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        ascending[i] = static_cast<double>(i) - 500;
        descending[i] = 500 - static_cast<double>(i);
    }
    expectSortedAsStdSort(ascending);
    expectSortedAsStdSort(descending);
    expectSortedAsStdSort(same);
}

// The passes take turns between a buffer and the values' own storage, and digits all values
// share are skipped: the sorted values end up in either place, after an odd or an even number
// of passes, and each must be copied back as it is, bits of NaNs included.
TEST(ValueSortTest, EndsInTheValuesWhateverTheNumberOfPasses)
{
    std::mt19937_64 random(11);
    for (int varying = 1; varying <= 6; ++varying) {
        // Values of one sign and exponent whose lowest `varying` digits of 11 bits differ.
        const std::uint64_t mask = varying == 6 ? ~std::uint64_t{0} >> 12 : (std::uint64_t{1} << (11 * varying)) - 1;
        std::vector<double> values(3000);
        for (double& value : values) {
            value = std::bit_cast<double>(std::bit_cast<std::uint64_t>(1.0) | (random() & mask));
        }
        SCOPED_TRACE(varying);
        expectSortedAsStdSort(values);
    }
    std::vector<double> any(5000);
    for (double& value : any) {
        do {
            value = std::bit_cast<double>(random());
        } while (std::isnan(value));
    }
    expectSortedAsStdSort(any);

    // A NaN has no place in the comparison sort's order; its bits must come back unchanged,
    // a signalling one's too, after the finite values of its sign.
    const double signalling = std::numeric_limits<double>::signaling_NaN();
    std::vector<double> withNaN(1000, 2.0);
    withNaN[500] = signalling;
    sortValues(withNaN);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(withNaN.back()), std::bit_cast<std::uint64_t>(signalling));
}

TEST(ValueSortTest, PutsNegativeZeroBeforePositiveZero)
{
    std::vector<double> values(600, 1.0);
    values[10] = 0.0;
    values[20] = -0.0;
    values[30] = -2.0;
    sortValues(values);
    EXPECT_EQ(values[0], -2.0);
    EXPECT_TRUE(std::signbit(values[1]));
    EXPECT_EQ(values[1], 0.0);
    EXPECT_FALSE(std::signbit(values[2]));
    EXPECT_EQ(values[2], 0.0);
    EXPECT_EQ(values[3], 1.0);
}

}  // namespace
}  // namespace probel
