// SPDX-License-Identifier: MIT
// Numbers beyond the double range, in the values and the options stats and plot read: refused
// with their place instead of being read as the largest double; and given axis ends whose span
// no double holds, refused for that reason.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "cli_files.h"
#include "core/document/csv_columns.h"
#include "core/graph/axis_range.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

constexpr const char* kTooLarge = "数値が大きすぎます (絶対値 1.79769313486232E+308 まで)";

TEST(NumberRangeTest, StatsRefusesALineBeyondTheDoubleRangeNamingIt)
{
    for (const char* format : {"--json", "--format=0.##"}) {
        const auto run = runCliInProcess({"stats", format}, "1\n2\n1e309\n");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string("probel-cli: 標準入力:3: ") + kTooLarge + ": \"1e309\"\n");
    }
    // A number of a million digits is quoted by its start only.
    const auto longNumber = runCliInProcess({"stats"}, "-" + std::string(1'000'000, '7') + "\n");
    EXPECT_EQ(longNumber.exitCode, 1);
    EXPECT_EQ(longNumber.err,
              std::string("probel-cli: 標準入力:1: ") + kTooLarge + ": \"-" + std::string(39, '7') + "…\"\n");

    // The largest double's own text is that double.
    const auto largest = runCliInProcess({"stats", "--json"}, "1.79769313486232E+308\n0\n");
    EXPECT_EQ(largest.exitCode, 0) << largest.err;
    EXPECT_NE(largest.out.find("\"max\": 1.7976931348623157e+308"), std::string::npos) << largest.out;
}

TEST(NumberRangeTest, LimitsBeyondTheDoubleRangeAreAUsageError)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string refusal;
    };
    std::vector<Case> cases = {
        {{"stats", "--upper", "1e309"}, "stats: --upper: " + std::string(kTooLarge) + ": 1e309"},
        {{"stats", "--lower=-1e999"}, "stats: --lower: " + std::string(kTooLarge) + ": -1e999"},
    };
    cases.push_back({{"plot", "-o", "never-written.svg", "--min", "-1e309", "-"},
                     "plot: --min: " + std::string(kTooLarge) + ": -1e309"});
    cases.push_back({{"plot", "-o", "never-written.svg", "--max=1e999", "-"},
                     "plot: --max: " + std::string(kTooLarge) + ": 1e999"});
    for (const auto& c : cases) {
        const auto run = runCliInProcess(c.arguments, "1\n2\n");
        EXPECT_EQ(run.exitCode, 2) << c.refusal;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("probel-cli " + c.refusal + "\n")) << run.err;
    }
}

TEST(NumberRangeTest, TableCellsBeyondTheDoubleRangeAreRefusedNotTakenForHeaders)
{
    struct Case {
        const char* text;
        int line;
        int column;
        const char* cell;
    };
    const Case cases[] = {
        {"1e309,2\n1,2\n", 1, 1, "1e309"},           // a first row of numbers is data
        {"a,b\n1,2\n3 , -1e400\n", 3, 2, "-1e400"},  // a later row, read in place
        {"a;b\n\"1\";1e310\n", 2, 2, "1e310"},       // a row with quotes
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        const auto columns = readCsvColumns(in, "data.csv");
        ASSERT_FALSE(columns) << c.text;
        EXPECT_EQ(columns.error().line, c.line) << c.text;
        EXPECT_EQ(columns.error().column, c.column) << c.text;
        EXPECT_EQ(columns.error().message, std::string(kTooLarge) + ": \"" + c.cell + "\"");
    }
}

TEST(NumberRangeTest, GivenAxisEndsWhoseSpanNoDoubleHoldsAreRefusedForThat)
{
    const auto linear = linearAxisRange(1, 2, -1e308, 1e308);
    ASSERT_FALSE(linear);
    EXPECT_EQ(linear.error().message,
              "--min -1E+308 から --max 1E+308 までの幅が数値の範囲を超えるので、軸を目盛りに分けられません。"
              "幅を狭めてください。");
    const auto log = logAxisRange(1, 2, 1e-308, 10);
    ASSERT_FALSE(log);
    EXPECT_EQ(log.error().message,
              "--min 1E-308 から --max 10 を収める対数軸の桁が数値の範囲を超えます。1E-307 から 1E+308 "
              "の間で指定してください。");
    // The widest span a double holds is an axis.
    EXPECT_TRUE(linearAxisRange(1, 2, -std::numeric_limits<double>::max() / 2, std::numeric_limits<double>::max() / 2));

    test::TemporaryFolder folder;
    const auto run =
        runCliInProcess({"plot", "--min", "-1e308", "--max", "1e308", "-o", folder.path("a.svg"), "-"}, "1\n2\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "probel-cli: " + linear.error().message + "\n");
}

}  // namespace
}  // namespace probel
