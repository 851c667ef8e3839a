// SPDX-License-Identifier: MIT
#include "core/graph/quantile_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/graph/inverse_normal.h"

namespace probel {
namespace {

double standardNormalCdf(double z)
{
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

TEST(InverseNormal, InvertsTheDistributionFunctionAcrossAllThreeRegions)
{
    // Central region, near tail and far tail (beyond r = 5, p below about 1.4E-11).
    for (const double p : {0.5, 0.4, 0.075, 0.0251, 0.01, 1E-4, 1E-9, 1E-12, 1E-20, 1E-100, 0.6, 0.925, 0.99, 0.9999}) {
        const double z = inverseNormal(p);
        const double tail = p < 0.5 ? standardNormalCdf(z) : 1.0 - standardNormalCdf(z);
        const double expected = p < 0.5 ? p : 1.0 - p;
        EXPECT_NEAR(tail / expected, 1.0, 1E-9) << "p = " << p;
    }
}

TEST(InverseNormal, KnownQuantilesAndSymmetry)
{
    EXPECT_EQ(inverseNormal(0.5), 0.0);
    EXPECT_NEAR(inverseNormal(0.975), 1.959963984540054, 1E-14);
    EXPECT_NEAR(inverseNormal(0.01), -2.326347874040841, 1E-14);
    EXPECT_NEAR(inverseNormal(0.0001), -3.719016485455680, 1E-13);
    for (const double p : {0.3, 0.05, 1E-6}) {
        EXPECT_NEAR(inverseNormal(p), -inverseNormal(1.0 - p), 1E-9) << p;
    }
}

TEST(InverseNormal, EndsAndInvalidProbabilities)
{
    EXPECT_EQ(inverseNormal(0.0), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(inverseNormal(1.0), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(inverseNormal(-0.1)));
    EXPECT_TRUE(std::isnan(inverseNormal(1.5)));
    EXPECT_TRUE(std::isnan(inverseNormal(std::numeric_limits<double>::quiet_NaN())));
}

struct RepresentativeEntry {
    int index;
    float entry;
    // The table departs from the listed papers' values in the far tail only.
    float tolerance;
};

TEST(QuantileTable, RepresentativeEntries)
{
    constexpr float kExact = 0.0F;
    constexpr float kFarTail = 0.00045F;
    const RepresentativeEntry cases[] = {
        {0, 1E8F, kExact},         {1, -3.71947F, kExact},    {2, -3.54019F, kFarTail},  {5, -3.29048F, kFarTail},
        {10, -3.09024F, kFarTail}, {25, -2.80706F, kFarTail}, {50, -2.57583F, kExact},   {100, -2.32634F, kExact},
        {250, -1.95996F, kExact},  {1000, -1.28155F, kExact}, {2500, -0.67449F, kExact}, {5000, 0.0F, kExact},
    };
    const QuantileTable& table = QuantileTable::shared();
    for (const auto& c : cases) {
        if (c.tolerance == kExact) {
            EXPECT_EQ(table[c.index], c.entry) << "entry " << c.index;
        } else {
            EXPECT_NEAR(table[c.index], c.entry, c.tolerance) << "entry " << c.index;
        }
    }
}

TEST(QuantileTable, EntriesAreTheRoundedQuantilesAndRiseToZero)
{
    const QuantileTable& table = QuantileTable::shared();
    for (int i = 2; i < QuantileTable::kSize; ++i) {
        EXPECT_LE(table[i - 1], table[i]) << "entry " << i;
        EXPECT_LE(table[i], 0.0F) << "entry " << i;
        if (i != QuantileTable::kOnePercentIndex) {
            // Five decimals, then single precision.
            EXPECT_NEAR(table[i], inverseNormal(i / 10000.0), 0.5E-5 + 1E-6) << "entry " << i;
        }
    }
    // Steps of 0.01 % are resolved: neighbouring entries differ in the central range.
    EXPECT_LT(table[4998], table[4999]);
    EXPECT_LT(table[4999], table[5000]);
}

TEST(QuantileTable, OneTableForAllGraphs)
{
    EXPECT_EQ(&QuantileTable::shared(), &QuantileTable::shared());
    EXPECT_EQ(QuantileTable::shared().entries().size(), 5001U);
}

}  // namespace
}  // namespace probel
