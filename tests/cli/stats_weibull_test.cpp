// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

// The number after "key": in a one-line JSON object; NaN when the key is missing or null.
double jsonValue(const std::string& json, const std::string& key)
{
    const auto at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        return std::nan("");
    }
    return std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

std::string lines(const std::vector<double>& values)
{
    std::string text;
    for (const double x : values) {
        text += std::to_string(x) + "\n";
    }
    return text;
}

// What the JSON of a fit must hold, worked out here from the values alone.
struct Expected {
    double beta;
    double eta;
};

double b10Of(const Expected& fit)
{
    return fit.eta * std::pow(-std::log(0.9), 1 / fit.beta);
}

// A² by its textbook sum over F(x₍ᵢ₎) and 1 − F(x₍ₙ₊₁₋ᵢ₎).
double andersonDarling(std::vector<double> values, const Expected& fit)
{
    std::sort(values.begin(), values.end());
    const auto n = static_cast<double>(values.size());
    const auto cdf = [&fit](double x) { return 1 - std::exp(-std::pow(x / fit.eta, fit.beta)); };
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double below = cdf(values[i]);
        const double above = 1 - cdf(values[values.size() - 1 - i]);
        sum += (2 * static_cast<double>(i) + 1) * (std::log(below) + std::log(above));
    }
    return -n - sum / n;
}

// Least squares of ln x on ln(−ln(1 − p)) at pᵢ = (i − a)/(n + 1 − 2a).
Expected regression(std::vector<double> values, double a)
{
    std::sort(values.begin(), values.end());
    const auto n = static_cast<double>(values.size());
    double sw = 0;
    double sy = 0;
    double sww = 0;
    double swy = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double p = (static_cast<double>(i + 1) - a) / (n + 1 - 2 * a);
        const double w = std::log(-std::log(1 - p));
        const double y = std::log(values[i]);
        sw += w;
        sy += y;
        sww += w * w;
        swy += w * y;
    }
    const double slope = (n * swy - sw * sy) / (n * sww - sw * sw);
    return {1 / slope, std::exp((sy - slope * sw) / n)};
}

void expectFit(const std::string& json, const Expected& fit, double tolerance)
{
    EXPECT_NEAR(jsonValue(json, "beta"), fit.beta, tolerance * fit.beta) << json;
    EXPECT_NEAR(jsonValue(json, "eta"), fit.eta, tolerance * fit.eta) << json;
    EXPECT_NEAR(jsonValue(json, "b10"), b10Of(fit), tolerance * b10Of(fit)) << json;
}

const std::vector<double> kFive = {312, 118, 205, 461, 254};

TEST(StatsWeibullTest, TwoValuesSolveTheLikelihoodEquationInClosedForm)
{
    // For x₁ < x₂ the likelihood equation is s·tanh s = 1 with s = β·ln(x₂/x₁)/2, and
    // η = ((x₁^β + x₂^β)/2)^(1/β). s by bisection.
    double low = 0.5;
    double high = 2;
    for (int step = 0; step < 200; ++step) {
        const double s = (low + high) / 2;
        (s * std::tanh(s) < 1 ? low : high) = s;
    }
    const double beta = 2 * low / std::log(8.0 / 2.0);
    const double eta = std::pow((std::pow(2.0, beta) + std::pow(8.0, beta)) / 2, 1 / beta);

    const auto run = runCliInProcess({"stats", "--weibull", "--json"}, "8\n\n2\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("{\"n\": 2, \"beta\": ")) << run.out;
    const std::vector<std::string> keys = {"n", "beta", "eta", "b10", "ad", "ad_star", "ad_p_bracket"};
    std::size_t last = 0;
    for (const auto& key : keys) {
        const auto at = run.out.find("\"" + key + "\":");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
    expectFit(run.out, {beta, eta}, 1e-13);
    EXPECT_TRUE(run.out.ends_with(", \"ad\": null, \"ad_star\": null, \"ad_p_bracket\": null}\n")) << run.out;
}

TEST(StatsWeibullTest, MatchesThePublishedFitOfTheBallBearingLives)
{
    // Lieblein and Zelen's 23 ball bearings (millions of revolutions); Lawless (2003) gives
    // û = ln η = 4.405 and b̂ = 1/β = 0.476.
    const std::string bearings =
        "17.88\n28.92\n33.00\n41.52\n42.12\n45.60\n48.40\n51.84\n51.96\n54.12\n55.56\n67.80\n"
        "68.64\n68.64\n68.88\n84.12\n93.12\n98.64\n105.12\n105.84\n127.92\n128.04\n173.40\n";
    const auto run = runCliInProcess({"stats", "--weibull", "--json", "--fit", "mle"}, bearings);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("{\"n\": 23, ")) << run.out;
    EXPECT_NEAR(std::log(jsonValue(run.out, "eta")), 4.405, 0.0005);
    EXPECT_NEAR(1 / jsonValue(run.out, "beta"), 0.476, 0.0005);
}

TEST(StatsWeibullTest, FiveValuesGetTheAndersonDarlingTestFourDoNot)
{
    const auto five = runCliInProcess({"stats", "--weibull", "--json"}, lines(kFive));
    ASSERT_EQ(five.exitCode, 0) << five.err;
    const Expected fit{jsonValue(five.out, "beta"), jsonValue(five.out, "eta")};
    // A² of the fit printed, by the sum over the values.
    const double a2 = andersonDarling(kFive, fit);
    EXPECT_NEAR(jsonValue(five.out, "ad"), a2, 1e-12);
    EXPECT_NEAR(jsonValue(five.out, "ad_star"), a2 * (1 + 0.2 / std::sqrt(5.0)), 1e-12);
    // Below the 25 % point 0.474 of D'Agostino and Stephens' table 4.17.
    EXPECT_LT(jsonValue(five.out, "ad_star"), 0.474);
    EXPECT_TRUE(five.out.ends_with(", \"ad_p_bracket\": \"p > 0.25\"}\n")) << five.out;

    const std::vector<double> four(kFive.begin(), kFive.begin() + 4);
    const auto run = runCliInProcess({"stats", "--weibull", "--json"}, lines(four));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.ends_with(", \"ad\": null, \"ad_star\": null, \"ad_p_bracket\": null}\n")) << run.out;
}

TEST(StatsWeibullTest, RegressionIsTheLeastSquaresLineAtTheChosenPositions)
{
    const auto mean = runCliInProcess({"stats", "--weibull", "--json", "--fit", "regression"}, lines(kFive));
    ASSERT_EQ(mean.exitCode, 0) << mean.err;
    const Expected meanRanks = regression(kFive, 0);
    expectFit(mean.out, meanRanks, 1e-12);
    // A² of the line shown; the table's bracket is for maximum likelihood only.
    EXPECT_NEAR(jsonValue(mean.out, "ad"), andersonDarling(kFive, meanRanks), 1e-12);
    EXPECT_TRUE(mean.out.ends_with(", \"ad_p_bracket\": null}\n")) << mean.out;

    for (const auto& [word, a] : {std::pair{"benard", 0.3}, std::pair{"blom", 0.375}, std::pair{"hazen", 0.5}}) {
        const auto run =
            runCliInProcess({"stats", "--weibull", "--fit", "regression", "--positions", word, "--json"}, lines(kFive));
        EXPECT_EQ(run.exitCode, 0) << word;
        expectFit(run.out, regression(kFive, a), 1e-12);
        EXPECT_NE(jsonValue(run.out, "beta"), jsonValue(mean.out, "beta")) << word;
    }
}

// The figure after `caption` on its line of the text output, up to a blank or the line end.
std::string shown(const std::string& text, const std::string& caption)
{
    const auto at = text.find("\n" + caption);
    if (at == std::string::npos) {
        return "";
    }
    const auto start = at + 1 + caption.size();
    return text.substr(start, text.find_first_of(" \n", start) - start);
}

std::size_t decimals(const std::string& figure)
{
    const auto point = figure.find('.');
    return point == std::string::npos ? 0 : figure.size() - point - 1;
}

TEST(StatsWeibullTest, TextShowsTheFiguresInTheFormat)
{
    const auto json = runCliInProcess({"stats", "--weibull", "--json"}, lines(kFive));
    const auto run = runCliInProcess({"stats", "--weibull", "--format", "0.0000"}, lines(kFive));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("n : 5\n形状 β : ")) << run.out;
    for (const auto& [caption, key] : {std::pair{"形状 β : ", "beta"}, std::pair{"尺度 η : ", "eta"},
                                       std::pair{"B10 : ", "b10"}, std::pair{"A*   : ", "ad_star"}}) {
        const std::string figure = shown(run.out, caption);
        EXPECT_NEAR(std::strtod(figure.c_str(), nullptr), jsonValue(json.out, key), 0.00005) << caption;
        EXPECT_EQ(decimals(figure), 4u) << caption;
    }
    EXPECT_TRUE(run.out.ends_with(" (p > 0.25)\n")) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 5);

    // The default format is the detail label's 0.##.
    const auto plain = runCliInProcess({"stats", "--weibull"}, "2\n8\n");
    EXPECT_LE(decimals(shown(plain.out, "尺度 η : ")), 2u);
    EXPECT_TRUE(plain.out.ends_with("\nA*   : -\n")) << plain.out;

    const auto line = runCliInProcess({"stats", "--weibull", "--fit", "regression"}, lines(kFive));
    EXPECT_TRUE(line.out.ends_with(" (p は最尤推定のときだけ)\n")) << line.out;
}

TEST(StatsWeibullTest, ValuesTheFitCannotTakeExitWithOneAndPrintNothing)
{
    struct Case {
        std::string input;
        std::string named;  // in the message: the place and the value
    };
    const std::vector<Case> cases = {
        {"5\n", "2 個以上"},
        {"3\n3\n3\n", "3 でばらつき"},
        {"1\n\n0\n2\n", "標準入力:3: "},
        {"4\n-2.5\n-7\n", "標準入力:2: 値 -2.5 は 0 以下"},
        {"", "数値が一つもありません"},
        {"1\ninf\n", "標準入力:2:"},
    };
    for (const char* fit : {"mle", "regression"}) {
        for (const auto& [input, named] : cases) {
            const auto run = runCliInProcess({"stats", "--weibull", "--json", "--fit", fit}, input);
            EXPECT_EQ(run.exitCode, 1) << fit << " " << input;
            EXPECT_EQ(run.out, "") << fit << " " << input;
            EXPECT_NE(run.err.find(named), std::string::npos) << fit << " " << run.err;
        }
    }
    // Only a value the fit refuses has a line; a count has none.
    EXPECT_EQ(runCliInProcess({"stats", "--weibull"}, "-1\n").err.find("標準入力:1:"), std::string::npos);
}

TEST(StatsWeibullTest, OptionsThatDoNotFitExitWithTwoAndShowTheUsage)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string said;
    };
    const std::vector<Case> cases = {
        {{"stats", "--fit", "mle"}, "--fit は --weibull と一緒に"},
        {{"stats", "--positions", "hazen", "--json"}, "--positions は --weibull と一緒に"},
        {{"stats", "--weibull", "--fit", "lsq"}, "mle か regression"},
        {{"stats", "--weibull", "--fit", "MLE"}, "mle か regression"},
        {{"stats", "--weibull", "--fit", "regression", "--positions", "median"}, "weibull、benard、blom、hazen"},
        {{"stats", "--weibull", "--lower", "1"}, "--lower は --weibull"},
        {{"stats", "--weibull", "--cp-option", "1"}, "--cp-option は --weibull"},
        {{"stats", "--log", "--weibull"}, "--log は --weibull"},
    };
    for (const auto& [arguments, said] : cases) {
        const auto run = runCliInProcess(arguments, "1\n2\n");
        EXPECT_EQ(run.exitCode, 2) << said;
        EXPECT_EQ(run.out, "") << said;
        EXPECT_NE(run.err.find(said), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("probel-cli stats --weibull [--fit mle|regression]"), std::string::npos) << said;
    }
}

}  // namespace
}  // namespace probel
