// SPDX-License-Identifier: MIT
// plot puts every column of all its inputs on one graph, so the graph's limit on series holds
// for all the inputs together, not only for each table as it is read.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_files.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

// A header of `count` names over one row of numbers.
std::string table(int count, const std::string& name)
{
    std::string header;
    std::string values;
    for (int i = 1; i <= count; ++i) {
        header += (i > 1 ? "," : "") + name + std::to_string(i);
        values += (i > 1 ? "," : "") + std::to_string(i);
    }
    return header + "\n" + values + "\n";
}

TEST(PlotSeriesLimitTest, TheColumnsOfAllInputsTogetherAreHeldToOneGraphsSeries)
{
    test::TemporaryFolder folder;
    const std::string a = test::writeBytes(folder.path("a.csv"), table(50, "a"));
    const std::string b = test::writeBytes(folder.path("b.csv"), table(49, "b"));
    const std::string c = test::writeBytes(folder.path("c.csv"), table(50, "c"));
    const std::string out = folder.path("plot.svg");

    const auto fits = runCliInProcess({"plot", "-o", out, a, b});
    EXPECT_EQ(fits.exitCode, 0) << fits.err;
    EXPECT_TRUE(std::filesystem::exists(out));
    std::filesystem::remove(out);

    const auto over = runCliInProcess({"plot", "-o", out, a, c});
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_EQ(over.err, "probel-cli: " + c +
                            ": 数値の列が入力全体で 99 を超えます。一つのグラフに描ける系列は 99 個までです。\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace probel
