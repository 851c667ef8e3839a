// SPDX-License-Identifier: MIT
// The fits against independent workings in this file: plain bisection on the likelihood equation
// as usually printed, least squares by the textbook sums, and the covariance from a
// finite-difference Hessian of the Weibull log-likelihood.
#include "core/stats/weibull_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace probel {
namespace {

constexpr double kZ95 = 1.959963984540054;

// Σxᵢ^β ln xᵢ / Σxᵢ^β − 1/β − mean(ln xᵢ) on the values as they are.
double likelihoodEquation(const std::vector<double>& x, double beta)
{
    double powers = 0;
    double weighted = 0;
    double logs = 0;
    for (const double v : x) {
        powers += std::pow(v, beta);
        weighted += std::pow(v, beta) * std::log(v);
        logs += std::log(v);
    }
    return weighted / powers - 1 / beta - logs / static_cast<double>(x.size());
}

double bisect(double low, double high, const auto& f)
{
    EXPECT_LT(f(low), 0);
    EXPECT_GT(f(high), 0);
    for (int step = 0; step < 300; ++step) {
        const double middle = 0.5 * (low + high);
        (f(middle) < 0 ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

struct Reference {
    double beta;
    double eta;
};

Reference bisectedFit(const std::vector<double>& x, double low, double high)
{
    const double beta = bisect(low, high, [&x](double b) { return likelihoodEquation(x, b); });
    double powers = 0;
    for (const double v : x) {
        powers += std::pow(v, beta);
    }
    return {beta, std::pow(powers / static_cast<double>(x.size()), 1 / beta)};
}

// The Weibull log-likelihood with β = 1/σ and η = e^μ.
double logLikelihood(const std::vector<double>& x, double mu, double sigma)
{
    const double beta = 1 / sigma;
    const double eta = std::exp(mu);
    double sum = 0;
    for (const double v : x) {
        sum += std::log(beta / eta) + (beta - 1) * std::log(v / eta) - std::pow(v / eta, beta);
    }
    return sum;
}

// The inverse of minus the Hessian by central differences at the fit.
ExtremeValueCovariance numericalCovariance(const std::vector<double>& x, const WeibullFit& fit)
{
    const double mu = std::log(fit.eta);
    const double sigma = 1 / fit.beta;
    const double h = 1e-4 * sigma;
    const auto l = [&](double dm, double ds) { return logLikelihood(x, mu + dm * h, sigma + ds * h); };
    const double mm = (l(1, 0) - 2 * l(0, 0) + l(-1, 0)) / (h * h);
    const double ss = (l(0, 1) - 2 * l(0, 0) + l(0, -1)) / (h * h);
    const double ms = (l(1, 1) - l(1, -1) - l(-1, 1) + l(-1, -1)) / (4 * h * h);
    const double determinant = mm * ss - ms * ms;
    return {-ss / determinant, ms / determinant, -mm / determinant};
}

// Values on an exact Weibull line at Hazen's positions: what a large sample tends to.
std::vector<double> weibullQuantiles(std::size_t n, double beta, double eta)
{
    std::vector<double> x;
    for (std::size_t i = 1; i <= n; ++i) {
        const double p = (static_cast<double>(i) - 0.5) / static_cast<double>(n);
        x.push_back(eta * std::pow(-std::log(1 - p), 1 / beta));
    }
    return x;
}

struct Sample {
    const char* name;
    std::vector<double> values;
    double low;  // a bracket of β for the bisection
    double high;
};

const std::vector<Sample>& samples()
{
    static const std::vector<Sample> all = {
        {"n = 3", {12.5, 23.1, 31.7}, 0.1, 50},
        {"n = 30",
         {74.1, 146.9, 128.0, 56.6,  133.4, 100.5, 28.5, 156.4, 61.4,  66.8,  78.8, 95.4, 44.6, 106.1, 126.1,
          87.6, 120.1, 99.2,  124.9, 52.5,  72.3,  83.3, 41.3,  167.2, 100.4, 40.3, 94.8, 77.9, 53.6,  49.9},
         0.1,
         50},
        {"thousands", {1850, 2340, 2970, 3410, 3980, 4450, 5120, 6030}, 0.1, 50},
        {"one far out", {4.1, 4.7, 5.3, 5.9, 6.2, 7.0, 1e5}, 0.01, 50},
        {"one very far out", {1.0, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8, 1.9, 2.0, 1e12}, 1e-3, 20},
    };
    return all;
}

TEST(WeibullLikelihoodFit, MatchesBisectionOnTheLikelihoodEquation)
{
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        const Reference reference = bisectedFit(sample.values, sample.low, sample.high);
        const auto fit = fitWeibullByLikelihood(sample.values);
        ASSERT_TRUE(fit.ok()) << fit.error().message;
        EXPECT_NEAR(fit->beta, reference.beta, 1e-8 * reference.beta);
        EXPECT_NEAR(fit->eta, reference.eta, 1e-8 * reference.eta);
        EXPECT_EQ(fit->count, static_cast<std::int32_t>(sample.values.size()));
    }
}

// For two values the equation becomes s·tanh(s) = 1 with s = β·ln(x₂/x₁)/2, and
// ln η = ln x₁ + ln((1 + e^(2s))/2)/β.
TEST(WeibullLikelihoodFit, TwoValuesSolveSTanhSEqualsOne)
{
    const double s = bisect(0.5, 2, [](double v) { return v * std::tanh(v) - 1; });
    // The last pair's quotient is below the smallest double.
    const std::vector<std::pair<double, double>> pairs = {{12, 30}, {1, 1.5}, {1e-300, 1e300}};
    for (const auto& [low, high] : pairs) {
        const auto fit = fitWeibullByLikelihood(std::vector<double>{high, low});
        ASSERT_TRUE(fit.ok()) << low;
        const double beta = 2 * s / (std::log(high) - std::log(low));
        EXPECT_NEAR(fit->beta, beta, 1e-12 * beta) << low;
        const double logEta = std::log(low) + std::log((1 + std::exp(2 * s)) / 2) / beta;
        EXPECT_NEAR(std::log(fit->eta), logEta, 1e-12 * std::max(1.0, std::abs(logEta))) << low;
    }
}

TEST(WeibullLikelihoodFit, NearlyEqualValuesGiveALargeShape)
{
    // β near a million: 1000^β is far beyond double, so the bisection works on x/1000.
    const std::vector<double> close = {1000, 1000.001, 1000.002, 1000.004};
    const Reference reference = bisectedFit({1, 1.000001, 1.000002, 1.000004}, 1e3, 1e8);
    const auto fit = fitWeibullByLikelihood(close);
    ASSERT_TRUE(fit.ok());
    EXPECT_NEAR(fit->beta, reference.beta, 1e-8 * reference.beta);
    EXPECT_NEAR(fit->eta, 1000 * reference.eta, 1e-12 * fit->eta);
}

TEST(WeibullLikelihoodFit, CovarianceIsTheInverseObservedInformation)
{
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        const auto fit = fitWeibullByLikelihood(sample.values);
        ASSERT_TRUE(fit.ok());
        ASSERT_TRUE(fit->covariance.has_value());
        const ExtremeValueCovariance expected = numericalCovariance(sample.values, fit.value());
        const ExtremeValueCovariance& actual = *fit->covariance;
        EXPECT_NEAR(actual.muMu, expected.muMu, 1e-5 * expected.muMu);
        EXPECT_NEAR(actual.sigmaSigma, expected.sigmaSigma, 1e-5 * expected.sigmaSigma);
        EXPECT_NEAR(actual.muSigma, expected.muSigma, 1e-5 * std::sqrt(expected.muMu * expected.sigmaSigma));
    }
}

// The expected information of a complete sample gives Var μ̂ ≈ 1.1087 σ²/n, Var σ̂ ≈ 0.6079 σ²/n
// and Cov ≈ −0.2570 σ²/n (Meeker and Escobar 1998; Cohen 1965 for β̂ and η̂); the observed
// information of a large sample comes close to it.
TEST(WeibullLikelihoodFit, LargeSampleCovarianceApproachesTheExpectedInformation)
{
    const std::size_t n = 20000;
    const auto fit = fitWeibullByLikelihood(weibullQuantiles(n, 1.7, 50));
    ASSERT_TRUE(fit.ok());
    const double perUnit = static_cast<double>(n) * fit->beta * fit->beta;
    EXPECT_NEAR(fit->covariance->muMu * perUnit, 1.1087, 1e-4);
    EXPECT_NEAR(fit->covariance->sigmaSigma * perUnit, 0.6079, 1e-4);
    EXPECT_NEAR(fit->covariance->muSigma * perUnit, -0.2570, 1e-4);
    EXPECT_NEAR(fit->beta, 1.7, 5e-4);
    EXPECT_NEAR(fit->eta, 50, 0.05);
}

TEST(WeibullLikelihoodFit, DegenerateValuesGetAMessage)
{
    const std::vector<std::pair<std::vector<double>, std::string>> cases = {
        {{}, "ワイブル分布を当てはめるには値が 2 個以上必要です。"},
        {{5}, "ワイブル分布を当てはめるには値が 2 個以上必要です。"},
        {{3, 3, 3}, "値がすべて 3 でばらつきがないので、ワイブル分布を当てはめられません。"},
        {{1, 2, 0, -4}, "値 0 は 0 以下なので、ワイブル分布を当てはめられません。"},
        {{1, -2.5, 3}, "値 -2.5 は 0 以下なので、ワイブル分布を当てはめられません。"},
        {{1, std::numeric_limits<double>::quiet_NaN()},
         "値 NaN は有限の数でないので、ワイブル分布を当てはめられません。"},
        {{1, std::numeric_limits<double>::infinity()},
         "値 Inf は有限の数でないので、ワイブル分布を当てはめられません。"},
    };
    for (const auto& [values, message] : cases) {
        const auto likelihood = fitWeibullByLikelihood(values);
        ASSERT_FALSE(likelihood.ok()) << message;
        EXPECT_EQ(likelihood.error().message, message);
        const auto regression = fitWeibullByRegression(values, PlottingPositions::Benard);
        ASSERT_FALSE(regression.ok()) << message;
        EXPECT_EQ(regression.error().message, message);
    }
}

struct Line {
    double slope;
    double intercept;
};

Line leastSquares(const std::vector<double>& w, const std::vector<double>& y)
{
    const auto n = static_cast<double>(w.size());
    double sw = 0;
    double sy = 0;
    double sww = 0;
    double swy = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        sw += w[i];
        sy += y[i];
        sww += w[i] * w[i];
        swy += w[i] * y[i];
    }
    const double slope = (n * swy - sw * sy) / (n * sww - sw * sw);
    return {slope, (sy - slope * sw) / n};
}

TEST(WeibullRegressionFit, LeastSquaresOfLogValueOnPaperHeight)
{
    const std::vector<std::pair<PlottingPositions, double>> rules = {{PlottingPositions::Weibull, 0},
                                                                     {PlottingPositions::Benard, 0.3},
                                                                     {PlottingPositions::Blom, 0.375},
                                                                     {PlottingPositions::Hazen, 0.5}};
    for (const Sample& sample : samples()) {
        std::vector<double> sorted = sample.values;
        std::sort(sorted.begin(), sorted.end());
        const auto n = static_cast<double>(sorted.size());
        for (const auto& [positions, a] : rules) {
            SCOPED_TRACE(std::string(sample.name) + " " + std::string(plottingPositionsWord(positions)));
            std::vector<double> w;
            std::vector<double> y;
            for (std::size_t i = 0; i < sorted.size(); ++i) {
                const double p = (static_cast<double>(i + 1) - a) / (n + 1 - 2 * a);
                w.push_back(std::log(-std::log(1 - p)));
                y.push_back(std::log(sorted[i]));
            }
            const Line line = leastSquares(w, y);
            // In entry order: the fit sorts them itself.
            const auto fit = fitWeibullByRegression(sample.values, positions);
            ASSERT_TRUE(fit.ok());
            EXPECT_NEAR(fit->beta, 1 / line.slope, 1e-10 * fit->beta);
            EXPECT_NEAR(fit->eta, std::exp(line.intercept), 1e-10 * fit->eta);
            EXPECT_FALSE(fit->covariance.has_value());
        }
    }
}

TEST(WeibullRegressionFit, ValuesOnAWeibullLineGiveItsParameters)
{
    std::vector<double> x;
    for (int i = 1; i <= 12; ++i) {
        const double p = (i - 0.3) / 12.4;
        x.push_back(250 * std::pow(-std::log(1 - p), 1 / 1.8));
    }
    std::reverse(x.begin(), x.end());
    const auto fit = fitWeibullByRegression(x, PlottingPositions::Benard);
    ASSERT_TRUE(fit.ok());
    EXPECT_NEAR(fit->beta, 1.8, 1e-12);
    EXPECT_NEAR(fit->eta, 250, 1e-10);
}

TEST(WeibullPercentile, ByTheFormula)
{
    const WeibullFit fit{2, 100, 10, {}};
    // 1 − 1/e of the distribution lies below η whatever β.
    EXPECT_NEAR(weibullPercentile(fit, 1 - std::exp(-1.0)), 100, 1e-12);
    // B10 = η·√(−ln 0.9).
    EXPECT_NEAR(weibullB10(fit), 100 * std::sqrt(0.10536051565782630), 1e-12);
    const WeibullFit steep{1.5, 1000, 10, {}};
    EXPECT_NEAR(weibullPercentile(steep, 0.5), 1000 * std::cbrt(std::log(2.0) * std::log(2.0)), 1e-9);
    // Far into the lower tail −ln(1 − p) ≈ p.
    EXPECT_NEAR(weibullPercentile(fit, 1e-12), 100 * std::sqrt(1e-12), 1e-15);
    EXPECT_EQ(weibullPercentile(fit, 0), 0);
    EXPECT_EQ(weibullPercentile(fit, 1), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(weibullPercentile(fit, -0.1)));
    EXPECT_TRUE(std::isnan(weibullPercentile(fit, 1.1)));
}

TEST(WeibullPaper, HeightAndProbability)
{
    EXPECT_NEAR(weibullPaperHeight(1 - std::exp(-1.0)), 0, 1e-15);
    EXPECT_NEAR(weibullPaperHeight(1 - std::exp(-std::numbers::e)), 1, 1e-15);
    EXPECT_NEAR(weibullPaperHeight(1e-10), std::log(1e-10), 1e-9);
    EXPECT_EQ(weibullPaperHeight(0), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(weibullPaperHeight(1), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(weibullPaperHeight(-0.5)));
    for (const double p : {1e-9, 0.01, 0.5, 0.9, 0.999999}) {
        EXPECT_NEAR(weibullPaperProbability(weibullPaperHeight(p)), p, 1e-15 + 1e-12 * p) << p;
    }
}

TEST(WeibullBand, PercentileIntervalFromTheCovariance)
{
    const Sample& sample = samples()[1];
    const auto fit = fitWeibullByLikelihood(sample.values);
    ASSERT_TRUE(fit.ok());
    const ExtremeValueCovariance v = numericalCovariance(sample.values, fit.value());
    for (const double p : {0.001, 0.1, 0.5, 0.99}) {
        const double w = std::log(-std::log(1 - p));
        const double y = std::log(fit->eta) + w / fit->beta;
        const double reach = kZ95 * std::sqrt(v.muMu + w * w * v.sigmaSigma + 2 * w * v.muSigma);
        const auto band = weibullPercentileBand(fit.value(), p, 95);
        ASSERT_TRUE(band.has_value());
        EXPECT_NEAR(band->lower, std::exp(y - reach), 1e-6 * band->lower) << p;
        EXPECT_NEAR(band->upper, std::exp(y + reach), 1e-6 * band->upper) << p;
    }
}

TEST(WeibullBand, HigherLevelsGiveWiderIntervals)
{
    const auto fit = fitWeibullByLikelihood(samples()[1].values);
    ASSERT_TRUE(fit.ok());
    const double x = weibullB10(fit.value());
    const auto b90 = weibullPercentileBand(fit.value(), 0.1, 90);
    const auto b95 = weibullPercentileBand(fit.value(), 0.1, 95);
    const auto b99 = weibullPercentileBand(fit.value(), 0.1, 99);
    ASSERT_TRUE(b90 && b95 && b99);
    EXPECT_LT(b99->lower, b95->lower);
    EXPECT_LT(b95->lower, b90->lower);
    EXPECT_LT(b90->lower, x);
    EXPECT_GT(b90->upper, x);
    EXPECT_LT(b90->upper, b95->upper);
    EXPECT_LT(b95->upper, b99->upper);
}

TEST(WeibullBand, EmptyWithoutCovarianceOrOutOfRange)
{
    const auto likelihood = fitWeibullByLikelihood(samples()[0].values);
    const auto regression = fitWeibullByRegression(samples()[0].values, PlottingPositions::Weibull);
    ASSERT_TRUE(likelihood.ok() && regression.ok());
    EXPECT_FALSE(weibullPercentileBand(regression.value(), 0.1, 95));
    for (const double p : {0.0, 1.0, -0.5, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(weibullPercentileBand(likelihood.value(), p, 95)) << p;
    }
    for (const double level : {0.0, 100.0, 150.0}) {
        EXPECT_FALSE(weibullPercentileBand(likelihood.value(), 0.1, level)) << level;
    }
}

}  // namespace
}  // namespace probel
