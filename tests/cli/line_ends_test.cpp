// SPDX-License-Identifier: MIT
// Files with any line end (LF, CR LF, or the CR alone of old Mac files) are read line by line
// by stats and plot as the program's paste reads them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/value_lines.h"
#include "core/document/csv_columns.h"
#include "core/stats/clipboard_values.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

std::vector<int> lineNumbers(const cli::ValueLines& read)
{
    std::vector<int> lines;
    for (std::size_t i = 0; i < read.values.size(); ++i) {
        lines.push_back(read.lineOf(i));
    }
    return lines;
}

TEST(LineEndsTest, ValuesAndTablesSplitLinesAsThePasteDoes)
{
    const std::string texts[] = {"1\r2\r3\r", "1\r\n2\n3", "1\n2\r3\r\n", "1\r2\r\n3"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        std::vector<double> store(3);
        const PastedValues pasted = pasteValues(text, store);
        ASSERT_EQ(pasted.status, PastedValues::Status::Complete);
        EXPECT_EQ(store, (std::vector<double>{1, 2, 3}));

        const auto values = cli::readValueLines(text, "data.txt");
        ASSERT_TRUE(values) << values.error().message;
        EXPECT_EQ(values->values, store);
        EXPECT_EQ(lineNumbers(values.value()), (std::vector<int>{1, 2, 3}));

        std::istringstream in(text);
        const auto columns = readCsvColumns(in, "data.csv");
        ASSERT_TRUE(columns) << columns.error().message;
        ASSERT_EQ(columns->size(), 1u);
        EXPECT_EQ(columns->front().values, store);
        EXPECT_EQ(columns->front().lines, (std::vector<int>{1, 2, 3}));
    }
}

// Lines are kept only where blank lines break the count: at the start, runs of several, blanks
// of spaces and tabs, and none at the end.
TEST(LineEndsTest, ValuesKnowTheirLinesPastBlankLines)
{
    const auto read = cli::readValueLines("\n \n1\n2\n\n\t\n\n3\r\n\r\n4\n5\n\n", "data.txt");
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(read->values, (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(lineNumbers(read.value()), (std::vector<int>{3, 4, 8, 10, 11}));
    EXPECT_EQ(read->shifts.size(), 3u);

    const auto plain = cli::readValueLines("1\n2\n3", "data.txt");
    ASSERT_TRUE(plain) << plain.error().message;
    EXPECT_EQ(lineNumbers(plain.value()), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(plain->shifts.empty());
}

TEST(LineEndsTest, RefusedValuesAreNamedByTheirLinePastBlankLines)
{
    const auto log = runCliInProcess({"stats", "--log"}, "1\n\n2\n\n\n-3\n4\n");
    EXPECT_EQ(log.exitCode, 1);
    EXPECT_NE(log.err.find("標準入力:6:"), std::string::npos) << log.err;

    const auto weibull = runCliInProcess({"stats", "--weibull"}, "\n1\n2\n\n0\n4\n");
    EXPECT_EQ(weibull.exitCode, 1);
    EXPECT_NE(weibull.err.find("標準入力:5:"), std::string::npos) << weibull.err;
}

TEST(LineEndsTest, StatsCountsAndNamesTheLinesOfAnOldMacFile)
{
    const auto read = runCliInProcess({"stats"}, "1\r2\r\r3\r");
    EXPECT_EQ(read.exitCode, 0) << read.err;
    EXPECT_TRUE(read.out.starts_with("n : 3\n")) << read.out;

    const auto refused = runCliInProcess({"stats"}, "1\r2\rx\r4\r");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "probel-cli: 標準入力:3: 数値ではありません: \"x\"\n");
}

TEST(LineEndsTest, TableRowsEndAtALoneCrInHeadersQuotedAndPlainRows)
{
    std::istringstream in("A,\"B\"\r1,2\r\"3\",4\r\n\r5,6\r7,x\r");
    const auto columns = readCsvColumns(in, "data.csv");
    ASSERT_FALSE(columns);
    EXPECT_EQ(columns.error().line, 6);
    EXPECT_EQ(columns.error().column, 2);

    std::istringstream good("A,\"B\"\r1,2\r\"3\",4\r\n\r5,6\r");
    const auto read = readCsvColumns(good, "data.csv");
    ASSERT_TRUE(read) << read.error().message;
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ(read.value()[0].header, "A");
    EXPECT_EQ(read.value()[1].header, "B");
    EXPECT_EQ(read.value()[0].values, (std::vector<double>{1, 3, 5}));
    EXPECT_EQ(read.value()[0].lines, (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(read.value()[1].values, (std::vector<double>{2, 4, 6}));
}

}  // namespace
}  // namespace probel
