// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

TEST(StatsCommandTest, PrintsTheDetailLinesWithTheFormat)
{
    const auto run = runCliInProcess({"stats", "--lower", "-1", "--upper", "1"}, "-1\n\n1\r\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "n : 2\n平均 : 0\n最小値:-1\n最大値:1\nσ    : 1\nProbel : 68.27%\nCp   : 0.33\n");
    EXPECT_EQ(run.err, "");

    const auto formatted = runCliInProcess({"stats", "--format", "0.000"}, "1\n2\n4\n");
    EXPECT_EQ(formatted.out, "n : 3\n平均 : 2.333\n最小値:1.000\n最大値:4.000\nσ    : 1.247\n");
}

TEST(StatsCommandTest, LogShowsTheGeometricMeanAndTheLogPercentage)
{
    const auto run =
        runCliInProcess({"stats", "--log", "--lower", "1", "--upper", "100", "--cp-option", "1"}, "1\n100\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "n : 2\n平均 : 10\n最小値:1\n最大値:100\nσ    : 49.5\nProbel : 68.27%\nCp   : 0.33\n");
}

TEST(StatsCommandTest, ProbelIsTheExactShareAtThreeSigma)
{
    // Φ(3) − Φ(−3) = 0.997300203936740 by a normal table; not the full 100 %.
    const auto run = runCliInProcess({"stats", "--lower", "-3", "--upper", "3", "--format", "0.0000"}, "-1\n1\n");
    EXPECT_NE(run.out.find("\nProbel : 99.7300%\n"), std::string::npos) << run.out;
}

// The number after "key": in a one-line JSON object; NaN when the key is missing.
double jsonValue(const std::string& json, const std::string& key)
{
    const auto at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        return std::nan("");
    }
    return std::strtod(json.c_str() + at + key.size() + 4, nullptr);
}

TEST(StatsCommandTest, JsonHasEveryKeyInOrderAtFullPrecision)
{
    const auto run =
        runCliInProcess({"stats", "--json", "--lower", "1", "--upper", "10", "--cp-option", "1"}, "3\n5\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with("{\"n\": 2, \"mean\": 4, \"sigma\": 1, \"min\": 3, \"max\": 5, \"log_mean\": "))
        << run.out;
    const std::vector<std::string> keys = {
        "n",       "mean",       "sigma",        "min",          "max",         "log_mean",    "log_sigma",
        "probel",  "log_probel", "cp",           "log_cp",       "s",           "cpk",         "ad",
        "ad_star", "ad_p",       "ppm_expected", "ppm_observed", "cp_lower_95", "cpk_lower_95"};
    std::size_t last = 0;
    for (const auto& key : keys) {
        const auto at = run.out.find("\"" + key + "\":");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GE(at, last) << key;
        last = at;
    }
    EXPECT_DOUBLE_EQ(jsonValue(run.out, "log_mean"), 0.5880456295278407);
    EXPECT_DOUBLE_EQ(jsonValue(run.out, "log_sigma"), 0.11092437480817821);
    // Φ(6) − Φ(−3) and, for the logarithms, Φ((1 − 0.58805)/0.11092) − Φ(−0.58805/0.11092).
    EXPECT_NEAR(jsonValue(run.out, "probel"), 99.86501009817822, 1e-11);
    EXPECT_NEAR(jsonValue(run.out, "log_probel"), 99.98978698994985, 1e-11);
    EXPECT_EQ(jsonValue(run.out, "cp"), 2);
    EXPECT_NEAR(jsonValue(run.out, "log_cp"), 31.807181272912, 1e-9);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(StatsCommandTest, JsonReadsSigmaBeforeCpReplacesAZeroSigma)
{
    const auto run = runCliInProcess({"stats", "--json", "--lower", "1", "--upper", "10"}, "5\n5\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(jsonValue(run.out, "sigma"), 0);
    EXPECT_EQ(jsonValue(run.out, "probel"), 0);
    EXPECT_DOUBLE_EQ(jsonValue(run.out, "cp"), 9 / (6 * 1E-30));
    // 10 to the power of a capability that large is no JSON number.
    EXPECT_NE(run.out.find("\"log_cp\": null,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"cpk\": null, \"ad\": null, \"ad_star\": null, \"ad_p\": null, \"ppm_expected\": null, "
                           "\"ppm_observed\": 0, \"cp_lower_95\": null, \"cpk_lower_95\": null}"),
              std::string::npos)
        << "no spread: no Cpk, no test, no expected share and no bounds, but a count";
}

TEST(StatsCommandTest, JsonAddsSampleSigmaCpkAndTheNormalityTest)
{
    // Fewer than eight values: s and Cpk, the test undefined.
    const auto two =
        runCliInProcess({"stats", "--json", "--lower", "1", "--upper", "10", "--cp-option", "1"}, "3\n5\n");
    EXPECT_DOUBLE_EQ(jsonValue(two.out, "s"), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(jsonValue(two.out, "cpk"), 2) << "upper limit only: (10 - 4) / 3";
    EXPECT_NE(two.out.find("\"ad\": null, \"ad_star\": null, \"ad_p\": null,"), std::string::npos) << two.out;

    // Both limits: the nearer one. Reference A², A* and p as computed term by term.
    const auto eight = runCliInProcess({"stats", "--json", "--lower", "9.5", "--upper", "10.2"},
                                       "9.8\n10.1\n10.0\n9.9\n10.3\n10.2\n9.7\n10.0\n");
    EXPECT_EQ(eight.exitCode, 0);
    const double mean = 10.0;
    const double sigma = std::sqrt(0.28 / 8);
    EXPECT_NEAR(jsonValue(eight.out, "cpk"), (10.2 - mean) / (3 * sigma), 1e-12);
    EXPECT_NEAR(jsonValue(eight.out, "ad"), 0.135071140611, 1e-9);
    EXPECT_NEAR(jsonValue(eight.out, "ad_star"), 0.15248265483, 1e-9);
    EXPECT_NEAR(jsonValue(eight.out, "ad_p"), 0.959878445752, 1e-9);
}

TEST(StatsCommandTest, JsonAddsPpmAndLowerBounds)
{
    // Mean 10, σ √0.035, s 0.2; 10.3 lies outside; χ²₀.₀₅,₇ = 2.167 by the table; Bissell's
    // formula by hand.
    const auto eight = runCliInProcess({"stats", "--json", "--lower", "9.5", "--upper", "10.2"},
                                       "9.8\n10.1\n10.0\n9.9\n10.3\n10.2\n9.7\n10.0\n");
    EXPECT_NEAR(jsonValue(eight.out, "ppm_expected"), 146287.86128453622, 1e-7);
    EXPECT_EQ(jsonValue(eight.out, "ppm_observed"), 125000);
    EXPECT_NEAR(jsonValue(eight.out, "cp_lower_95"), 0.7 / 1.2 * std::sqrt(2.167 / 7), 0.00005);
    EXPECT_NEAR(jsonValue(eight.out, "cpk_lower_95"), 0.09033218207271143, 1e-12);

    // Upper limit only, mean 4, σ 1: 10⁶ Φ(−6), Φ(−6) = 9.865876450377e-10 by a normal table.
    const auto two =
        runCliInProcess({"stats", "--json", "--lower", "1", "--upper", "10", "--cp-option", "1"}, "3\n5\n");
    EXPECT_NEAR(jsonValue(two.out, "ppm_expected"), 0.0009865876450377, 1e-15);

    const auto unlimited = runCliInProcess({"stats", "--json"}, "3\n5\n4\n");
    EXPECT_TRUE(unlimited.out.ends_with(
        "\"ppm_expected\": null, \"ppm_observed\": null, \"cp_lower_95\": null, \"cpk_lower_95\": null}\n"))
        << unlimited.out;
}

TEST(StatsCommandTest, AByteOrderMarkIsNoPartOfTheFirstValue)
{
    const auto run = runCliInProcess({"stats", "--format", "0"},
                                     "\xEF\xBB\xBF"
                                     "4\r\n6\r\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("n : 2\n平均 : 5\n")) << run.out;
}

TEST(StatsCommandTest, BadInputNamesTheLineAndExitsWithOne)
{
    const auto run = runCliInProcess({"stats"}, "1\n\n2x\n3\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(":3:"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("2x"), std::string::npos) << run.err;

    EXPECT_EQ(runCliInProcess({"stats"}, "\n \n").exitCode, 1);
    EXPECT_EQ(runCliInProcess({"stats", "/nonexistent/values.txt"}).exitCode, 1);
}

TEST(StatsCommandTest, UsageErrorsExitWithTwoAndShowTheUsage)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"nosuchcommand"},
        {"stats", "--bogus"},
        {"stats", "--lower"},
        {"stats", "--lower", "abc"},
        {"stats", "--cp-option", "1.5"},
        {"stats", "a.txt", "b.txt"},
    };
    for (const auto& arguments : cases) {
        const auto run = runCliInProcess(arguments, "1\n");
        EXPECT_EQ(run.exitCode, 2) << (arguments.empty() ? "" : arguments.back());
        EXPECT_NE(run.err.find("probel-cli"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
}

TEST(StatsCommandTest, TheRealBinaryReadsAFileAndReportsItsExitCodes)
{
    const std::string path = ::testing::TempDir() + "/stats_values.txt";
    std::ofstream(path) << "10\n12\n";
    const std::string binary = PROBEL_CLI_PATH;
    auto run = test::runProcess(binary + " stats --json " + path);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with("{\"n\": 2, \"mean\": 11, \"sigma\": 1, ")) << run.out;

    std::ofstream(path) << "10\nzwölf\n";
    EXPECT_EQ(test::runProcess(binary + " stats " + path + " 2>/dev/null").exitCode, 1);
    EXPECT_EQ(test::runProcess(binary + " stats --nope 2>/dev/null").exitCode, 2);
}

}  // namespace
}  // namespace probel
