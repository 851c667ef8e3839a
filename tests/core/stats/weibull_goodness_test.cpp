// SPDX-License-Identifier: MIT
#include "core/stats/weibull_goodness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace probel {
namespace {

// A² as n times the integral of (Fₙ(z) − z)²/(z(1 − z)) over the probabilities zᵢ = F(xᵢ), taken
// piece by piece between them: on a piece where Fₙ = c the integrand is c²/z + (1 − c)²/(1 − z) − 1.
double integralForm(const std::vector<double>& sorted, const WeibullFit& fit)
{
    const auto n = static_cast<double>(sorted.size());
    const auto antiderivative = [](double c, double z) {
        const double below = c == 0 ? 0 : c * c * std::log(z);
        const double above = c == 1 ? 0 : -(1 - c) * (1 - c) * std::log(1 - z);
        return below + above - z;
    };
    double total = 0;
    double from = 0;
    for (std::size_t i = 0; i <= sorted.size(); ++i) {
        const double to = i < sorted.size() ? 1 - std::exp(-std::pow(sorted[i] / fit.eta, fit.beta)) : 1;
        const double c = static_cast<double>(i) / n;
        total += antiderivative(c, to) - antiderivative(c, from);
        from = to;
    }
    return n * total;
}

TEST(WeibullAndersonDarling, MatchesTheIntegralForm)
{
    const std::vector<std::pair<std::vector<double>, WeibullFit>> cases = {
        {{0.4, 0.9, 1.3, 2.2, 3.5}, {1.4, 1.8, 5, {}}},
        {{12.5, 23.1, 31.7, 35.0, 48.2, 60.3, 71.9}, {2.1, 40, 7, {}}},
        // A poor fit: the statistic is large.
        {{1, 1.1, 1.2, 1.3, 4, 4.5}, {3, 2, 6, {}}},
    };
    for (const auto& [sorted, fit] : cases) {
        const auto test = weibullAndersonDarling(sorted, fit);
        ASSERT_TRUE(test.has_value());
        const double expected = integralForm(sorted, fit);
        EXPECT_NEAR(test->a2, expected, 1e-10 * expected);
        const double n = static_cast<double>(sorted.size());
        EXPECT_NEAR(test->a2Star, expected * (1 + 0.2 / std::sqrt(n)), 1e-10 * expected);
        EXPECT_EQ(test->significance, weibullSignificanceText(test->a2Star));
    }
}

// Where F(x) rounds to 1, or (x/η)^β to 0, each term still has its logarithm: moving the last
// value from 40 to 41 (β = η = 1) changes only its ln(1 − F) = −x, of weight 1, so A² changes by
// exactly 1/n; moving the first from 1e-200 to 1e-201 (β = 2) changes only its ln F = 2 ln x.
TEST(WeibullAndersonDarling, TailTermsStayExactWhereFRoundsOff)
{
    const WeibullFit unit{1, 1, 5, {}};
    const auto near = weibullAndersonDarling(std::vector<double>{0.1, 0.5, 1, 2, 40}, unit);
    const auto far = weibullAndersonDarling(std::vector<double>{0.1, 0.5, 1, 2, 41}, unit);
    ASSERT_TRUE(near && far);
    EXPECT_NEAR(far->a2 - near->a2, 1.0 / 5, 1e-12);

    const WeibullFit square{2, 1, 5, {}};
    const auto small = weibullAndersonDarling(std::vector<double>{1e-200, 0.5, 1, 1.5, 2}, square);
    const auto smaller = weibullAndersonDarling(std::vector<double>{1e-201, 0.5, 1, 1.5, 2}, square);
    ASSERT_TRUE(small && smaller);
    EXPECT_TRUE(std::isfinite(smaller->a2));
    EXPECT_NEAR(smaller->a2 - small->a2, 2 * std::log(10.0) / 5, 1e-10);
}

TEST(WeibullAndersonDarling, BracketsAroundEachCriticalValue)
{
    const std::vector<std::pair<double, std::string_view>> points = {
        {0.474, "p > 0.25"},         {0.637, "0.10 < p < 0.25"},  {0.757, "0.05 < p < 0.10"},
        {0.877, "0.025 < p < 0.05"}, {1.038, "0.01 < p < 0.025"},
    };
    const std::vector<std::string_view> beyond = {"0.10 < p < 0.25", "0.05 < p < 0.10", "0.025 < p < 0.05",
                                                  "0.01 < p < 0.025", "p < 0.01"};
    for (std::size_t k = 0; k < points.size(); ++k) {
        const auto& [point, below] = points[k];
        EXPECT_EQ(weibullSignificanceText(point - 1e-9), below) << point;
        EXPECT_EQ(weibullSignificanceText(point), beyond[k]) << point;
        EXPECT_EQ(weibullSignificanceText(point + 1e-9), beyond[k]) << point;
    }
    EXPECT_EQ(weibullSignificanceText(0), "p > 0.25");
    EXPECT_EQ(weibullSignificanceText(50), "p < 0.01");
    EXPECT_EQ(weibullSignificanceText(std::numeric_limits<double>::infinity()), "p < 0.01");
}

TEST(WeibullAndersonDarling, KeepsAWeibullSampleAndRejectsAFarOutlier)
{
    std::vector<double> ideal;
    for (int i = 1; i <= 50; ++i) {
        ideal.push_back(100 * std::pow(-std::log(1 - (i - 0.5) / 50), 1 / 2.5));
    }
    const auto good = fitWeibullByLikelihood(ideal);
    ASSERT_TRUE(good.ok());
    const auto kept = weibullAndersonDarling(ideal, good.value());
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->significance, "p > 0.25");

    std::vector<double> spoiled = ideal;
    spoiled.back() = 1e4;
    const auto bad = fitWeibullByLikelihood(spoiled);
    ASSERT_TRUE(bad.ok());
    const auto rejected = weibullAndersonDarling(spoiled, bad.value());
    ASSERT_TRUE(rejected.has_value());
    EXPECT_EQ(rejected->significance, "p < 0.01");
}

TEST(WeibullAndersonDarling, NoTestForTooFewValuesOrBadInput)
{
    const WeibullFit fit{1.5, 2, 5, {}};
    EXPECT_FALSE(weibullAndersonDarling(std::vector<double>{1, 2, 3, 4}, fit));
    EXPECT_TRUE(weibullAndersonDarling(std::vector<double>{1, 2, 3, 4, 5}, fit));
    EXPECT_FALSE(weibullAndersonDarling(std::vector<double>{0, 2, 3, 4, 5}, fit));
    EXPECT_FALSE(weibullAndersonDarling(std::vector<double>{1, 2, 3, 4, std::numeric_limits<double>::infinity()}, fit));
    EXPECT_FALSE(weibullAndersonDarling(std::vector<double>{1, 2, 3, 4, 5}, WeibullFit{0, 2, 5, {}}));
    EXPECT_FALSE(weibullAndersonDarling(std::vector<double>{1, 2, 3, 4, 5},
                                        WeibullFit{1, std::numeric_limits<double>::quiet_NaN(), 5, {}}));
}

}  // namespace
}  // namespace probel
