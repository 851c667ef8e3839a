// SPDX-License-Identifier: MIT
#include "core/stats/normality.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/graph/inverse_normal.h"

namespace probel {
namespace {

struct Reference {
    const char* name;
    std::vector<double> values;
    double a2;
    double a2Star;
    double p;
};

std::vector<double> normalQuantiles(int n, double mean, double sigma)
{
    std::vector<double> values;
    for (int i = 1; i <= n; ++i) {
        values.push_back(mean + sigma * inverseNormal((i - 0.5) / n));
    }
    return values;
}

std::vector<double> exponentialQuantiles(int n)
{
    std::vector<double> values;
    for (int i = 1; i <= n; ++i) {
        values.push_back(-std::log(1 - (i - 0.5) / n));
    }
    return values;
}

// The values were computed with the textbook formula term by term (each pair of order
// statistics, Φ by erfc) in double precision by a separate program.
TEST(AndersonDarlingTest, MatchesReferenceValues)
{
    std::vector<double> big;
    for (int i = 0; i < 30000; ++i) {
        big.push_back(50 + 10 * inverseNormal((((i * 7919) % 30000) + 0.5) / 30000));
    }
    const std::vector<Reference> references = {
        {"normal, n = 30", normalQuantiles(30, 10, 2), 0.0317719874654, 0.0326457171207, 0.999968723728},
        {"skewed, n = 20", exponentialQuantiles(20), 0.91358430285, 0.952982625911, 0.0160831081684},
        {"ties, n = 10", {1, 1, 1, 2, 2, 2, 3, 3, 3, 4}, 0.482657798499, 0.529716933853, 0.176190972468},
        {"n = 8", {9.8, 10.1, 10.0, 9.9, 10.3, 10.2, 9.7, 10.0}, 0.135071140611, 0.15248265483, 0.959878445752},
        {"n = 30000", big, 7.02429642843e-05, 7.0244720534e-05, 0.999998528012},
    };
    for (Reference reference : references) {
        SCOPED_TRACE(reference.name);
        std::sort(reference.values.begin(), reference.values.end());
        const auto test = andersonDarling(reference.values);
        ASSERT_TRUE(test.has_value());
        EXPECT_NEAR(test->a2, reference.a2, 1e-9 * std::max(1.0, reference.a2) + 1e-12);
        EXPECT_NEAR(test->a2Star, reference.a2Star, 1e-9 * std::max(1.0, reference.a2Star) + 1e-12);
        EXPECT_NEAR(test->p, reference.p, 1e-9);
    }
}

TEST(AndersonDarlingTest, RejectsSkewedDataAndKeepsNormalData)
{
    const auto skewed = andersonDarling(exponentialQuantiles(20));
    ASSERT_TRUE(skewed.has_value());
    EXPECT_TRUE(rejectsNormality(*skewed));
    const auto normal = andersonDarling(normalQuantiles(30, 10, 2));
    ASSERT_TRUE(normal.has_value());
    EXPECT_FALSE(rejectsNormality(*normal));
}

TEST(AndersonDarlingTest, PValueTakesEachOfTheFourPieces)
{
    // A* below 0.2, 0.2 ... 0.34, 0.34 ... 0.6 and from 0.6 on.
    EXPECT_NEAR(andersonDarlingP(0.1), 0.996148528516, 1e-11);
    EXPECT_NEAR(andersonDarlingP(0.25), 0.744651244601, 1e-11);
    EXPECT_NEAR(andersonDarlingP(0.5), 0.208711993269, 1e-11);
    EXPECT_NEAR(andersonDarlingP(1.0), 0.0123179220485, 1e-11);
    // The pieces nearly meet at their borders, and p falls as A* grows.
    for (const double border : {0.2, 0.34, 0.6}) {
        EXPECT_NEAR(andersonDarlingP(border - 1e-9), andersonDarlingP(border), 0.01) << border;
    }
    double previous = 1;
    for (double a = 0; a < 400; a += 0.01) {
        const double p = andersonDarlingP(a);
        EXPECT_GE(p, 0);
        EXPECT_LE(p, previous + 0.02) << a;
        previous = p;
    }
    EXPECT_NEAR(andersonDarlingP(0), 1, 1e-5);
    // Far out the upper piece's quadratic would turn upward again and pass 1.
    EXPECT_LT(andersonDarlingP(1000), 1e-150);
    EXPECT_LE(andersonDarlingP(1e6), andersonDarlingP(1000));
}

TEST(AndersonDarlingTest, UndefinedForTooFewOrEqualValues)
{
    EXPECT_FALSE(andersonDarling(std::vector<double>{1, 2, 3, 4, 5, 6, 7}).has_value());
    EXPECT_FALSE(andersonDarling(std::vector<double>(8, 4.2)).has_value());
    EXPECT_TRUE(andersonDarling(std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8}).has_value());
}

TEST(AndersonDarlingTest, AFarOutlierGivesAFiniteStatistic)
{
    std::vector<double> values = normalQuantiles(40, 0, 1);
    values.push_back(1e6);
    std::sort(values.begin(), values.end());
    const auto test = andersonDarling(values);
    ASSERT_TRUE(test.has_value());
    EXPECT_TRUE(std::isfinite(test->a2));
    EXPECT_TRUE(rejectsNormality(*test));
}

TEST(NormalCdfTest, LogarithmStaysFiniteInTheFarTail)
{
    EXPECT_NEAR(normalCdf(0), 0.5, 1e-15);
    EXPECT_NEAR(normalCdf(1.959963984540054), 0.975, 1e-12);
    EXPECT_NEAR(logNormalCdf(-5), std::log(2.866515718791939e-07), 1e-9);
    // Past where Φ itself is 0 in double precision: -z²/2 dominates.
    const double far = logNormalCdf(-40);
    EXPECT_TRUE(std::isfinite(far));
    EXPECT_NEAR(far, -804.608442013754, 1e-6);
    EXPECT_NEAR(logNormalCdf(-29.999), std::log(normalCdf(-29.999)), 1e-9) << "the two forms meet";
    EXPECT_NEAR(logNormalCdf(-30.001), std::log(normalCdf(-30.001)), 1e-6);
}

}  // namespace
}  // namespace probel
