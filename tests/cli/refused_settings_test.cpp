// SPDX-License-Identifier: MIT
// Options of stats that would give statistics without meaning: crossed limits, and values or
// limits of zero or below on a logarithmic scale. They are refused as plot refuses them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

TEST(RefusedSettingsTest, CrossedLimitsAreAUsageError)
{
    for (const auto& limits : std::vector<std::vector<std::string>>{{"--lower", "1e308", "--upper", "-1e308"},
                                                                    {"--upper=2", "--lower=2.5"},
                                                                    {"--lower", "0", "--upper", "-0.1"}}) {
        for (const char* format : {"--json", "--format=0.##"}) {
            std::vector<std::string> arguments = {"stats", format};
            arguments.insert(arguments.end(), limits.begin(), limits.end());
            const auto run = runCliInProcess(arguments, "1\n2\n");
            EXPECT_EQ(run.exitCode, 2) << limits[1];
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(run.err.starts_with("probel-cli stats: --lower は --upper 以下にしてください。\n")) << run.err;
        }
    }
    // Equal limits are no crossing: nothing lies between them.
    const auto equal = runCliInProcess({"stats", "--lower", "2", "--upper", "2"}, "1\n3\n");
    EXPECT_EQ(equal.exitCode, 0) << equal.err;
    EXPECT_NE(equal.out.find("Probel : 0%\n"), std::string::npos) << equal.out;
}

TEST(RefusedSettingsTest, ValuesOfZeroOrBelowOnALogScaleAreRefusedWithTheirLine)
{
    const auto negative = runCliInProcess({"stats", "--log"}, "-1\n-2\n");
    EXPECT_EQ(negative.exitCode, 1);
    EXPECT_EQ(negative.out, "");
    EXPECT_EQ(negative.err, "probel-cli: 標準入力:1: 対数軸では 0 以下の値を扱えません: -1\n");

    const auto zero = runCliInProcess({"stats", "--log", "--json"}, "3\n\n0\n");
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_EQ(zero.err, "probel-cli: 標準入力:3: 対数軸では 0 以下の値を扱えません: 0\n");

    // The same values without --log are ordinary data.
    EXPECT_EQ(runCliInProcess({"stats"}, "-1\n-2\n").exitCode, 0);
}

TEST(RefusedSettingsTest, LimitsOfZeroOrBelowOnALogScaleAreAUsageError)
{
    for (const auto& limit : std::vector<std::vector<std::string>>{{"--lower", "-1"}, {"--upper", "0"}}) {
        const auto run = runCliInProcess({"stats", "--log", limit[0], limit[1]}, "1\n10\n");
        EXPECT_EQ(run.exitCode, 2) << limit[0];
        EXPECT_TRUE(run.err.starts_with("probel-cli stats: " + limit[0] +
                                        " は対数軸では 0 より大きい数で指定してください: " + limit[1] + "\n"))
            << run.err;
    }
    EXPECT_EQ(runCliInProcess({"stats", "--lower", "-1", "--upper", "0"}, "1\n10\n").exitCode, 0);
}

}  // namespace
}  // namespace probel
