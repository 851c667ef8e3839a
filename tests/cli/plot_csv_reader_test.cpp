// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "cli/column_series.h"
#include "core/document/csv_columns.h"
#include "core/stats/data.h"
#include "core/stats/series_cycle.h"

namespace probel::cli {
namespace {

Result<std::vector<CsvColumn>> read(const std::string& text)
{
    std::istringstream in(text);
    return readCsvColumns(in, "data.csv");
}

TEST(CsvSeriesReaderTest, ColumnsSplitAtCommasTabsAndSemicolons)
{
    const auto columns = read("1,2\t3;4\r\n5 , 6\t7 ; 8\n");
    ASSERT_TRUE(columns) << columns.error().message;
    ASSERT_EQ(columns->size(), 4u);
    const std::vector<std::vector<double>> expected = {{1, 5}, {2, 6}, {3, 7}, {4, 8}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(columns.value()[i].values, expected[i]) << i;
        EXPECT_EQ(columns.value()[i].lines, (std::vector<int>{1, 2})) << i;
        EXPECT_EQ(columns.value()[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(columns.value()[i].source, "data.csv");
        EXPECT_EQ(columns.value()[i].header, "");
    }
}

TEST(CsvSeriesReaderTest, AFirstRowThatIsNotNumericGivesTheHeaders)
{
    const auto columns = read("\xEF\xBB\xBF\n Lot A ,2019,\"x, y\"\n1,,3\n\n,2.5,1e1\n");
    ASSERT_TRUE(columns) << columns.error().message;
    ASSERT_EQ(columns->size(), 3u);
    EXPECT_EQ(columns.value()[0].header, "Lot A");
    EXPECT_EQ(columns.value()[1].header, "2019");  // numeric, but the row is a header row
    EXPECT_EQ(columns.value()[2].header, "x, y");
    EXPECT_EQ(columns.value()[0].values, (std::vector<double>{1}));
    EXPECT_EQ(columns.value()[1].values, (std::vector<double>{2.5}));
    EXPECT_EQ(columns.value()[1].lines, (std::vector<int>{5}));
    EXPECT_EQ(columns.value()[2].values, (std::vector<double>{3, 10}));

    // A numeric first row is data; a later text row is an error, not a header.
    const auto noHeader = read("1,2\nA,B\n");
    ASSERT_FALSE(noHeader);
    EXPECT_EQ(noHeader.error().line, 2);
    EXPECT_EQ(noHeader.error().column, 1);
}

TEST(CsvSeriesReaderTest, ABadCellNamesFileLineAndColumn)
{
    struct Case {
        const char* text;
        int line;
        int column;
        const char* cell;
    };
    const Case cases[] = {
        {"a,b\n1,2\n3,x\n", 3, 2, "x"},        {"1;2;3\n4;5;1 000\n", 2, 3, "1 000"}, {"1\t2\n\n\t\t7e\n", 3, 3, "7e"},
        {"1,\"2\"\n\"3,5\",4\n", 2, 1, "3,5"}, {"1\n2\nInf\n", 3, 1, "Inf"},
    };
    for (const auto& test : cases) {
        const auto columns = read(test.text);
        ASSERT_FALSE(columns) << test.text;
        EXPECT_EQ(columns.error().file, "data.csv");
        EXPECT_EQ(columns.error().line, test.line) << test.text;
        EXPECT_EQ(columns.error().column, test.column) << test.text;
        EXPECT_EQ(columns.error().message, std::string("数値ではありません: \"") + test.cell + "\"");
    }
}

// Data rows after the first are read where they lie, a number at a time; whatever a cell
// holds, they must read as the first row's cells do.
TEST(CsvSeriesReaderTest, LaterDataRowsReadCellsAsTheFirstRowDoes)
{
    const char* const cells[] = {"+5", " 7 ", "-0", "1.79769313486232E+308", "5.", ".5", "-.25", "2e-3 ", "-1E+2"};
    for (const char* cell : cells) {
        const std::string text = std::string(cell) + ",9\n0,0\n" + cell + ",9\n";
        const auto columns = read(text);
        ASSERT_TRUE(columns) << text;
        ASSERT_EQ(columns->size(), 2u) << text;
        const auto& first = columns.value()[0].values;
        ASSERT_EQ(first.size(), 3u) << text;
        EXPECT_EQ(first[2], first[0]) << text;
        EXPECT_EQ(std::signbit(first[2]), std::signbit(first[0])) << text;  // "-0" is plain zero
        EXPECT_EQ(columns.value()[0].lines, (std::vector<int>{1, 2, 3})) << text;
        EXPECT_EQ(columns.value()[1].values, (std::vector<double>{9, 0, 9})) << text;
    }

    const char* const refused[] = {"1e", "-", ".", "1 000", "inf", "0x10", "5e+", "1.2.3", "- 1", "1-"};
    for (const char* cell : refused) {
        const std::string text = std::string("0;0\n1;2\n3;") + cell + "\n";
        const auto columns = read(text);
        ASSERT_FALSE(columns) << text;
        EXPECT_EQ(columns.error().line, 3) << text;
        EXPECT_EQ(columns.error().column, 2) << text;
        EXPECT_EQ(columns.error().message, std::string("数値ではありません: \"") + cell + "\"");
    }
}

TEST(CsvSeriesReaderTest, LinesKeepTheirNumbersAroundBlankAndQuotedLines)
{
    // A quoted line among plain ones, blank lines of blanks only, a column that starts late and
    // a last line without LF.
    const auto columns = read("1\n2\n\"3\",4\n \r\n\t\n5;;6\n7");
    ASSERT_TRUE(columns) << columns.error().message;
    ASSERT_EQ(columns->size(), 3u);
    EXPECT_EQ(columns.value()[0].values, (std::vector<double>{1, 2, 3, 5, 7}));
    EXPECT_EQ(columns.value()[0].lines, (std::vector<int>{1, 2, 3, 6, 7}));
    EXPECT_EQ(columns.value()[1].values, (std::vector<double>{4}));
    EXPECT_EQ(columns.value()[1].lines, (std::vector<int>{3}));
    EXPECT_EQ(columns.value()[2].values, (std::vector<double>{6}));
    EXPECT_EQ(columns.value()[2].lines, (std::vector<int>{6}));
}

TEST(CsvSeriesReaderTest, ShiftJisHeadersAreReadAsJapanese)
{
    // "重量" in code page 932, then a line of numbers.
    const auto columns = read("\x8F\x64\x97\xCA,b\n1,2\n");
    ASSERT_TRUE(columns) << columns.error().message;
    EXPECT_EQ(columns.value()[0].header, "重量");

    const auto broken = read("\xFF\xFE,1\n");
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error().file, "data.csv");
}

TEST(CsvSeriesReaderTest, EmptyInputAndEmptyColumns)
{
    const auto empty = read("");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());

    const auto trailing = read("A,B,\n1,,\n2,,\n");
    ASSERT_TRUE(trailing);
    ASSERT_EQ(trailing->size(), 3u);
    EXPECT_TRUE(trailing.value()[1].values.empty());
    EXPECT_EQ(trailing.value()[1].header, "B");
}

TEST(ColumnSeriesTest, EachColumnWithValuesBecomesAVisibleSeries)
{
    std::vector<CsvColumn> columns(3);
    columns[0].header = "A";
    columns[0].values = {3, 1, 2};
    columns[1].header = "empty";
    columns[2].values = {5};
    Data data;
    data.add().setId(7);  // an existing series keeps its place; new ones number on
    EXPECT_EQ(appendColumnSeries(data, columns), 2u);
    ASSERT_EQ(data.count(), 3);
    const NormoData& first = data.item(2);
    EXPECT_EQ(first.sortData(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(first.comment(), "A");
    EXPECT_EQ(first.id(), 2);
    EXPECT_EQ(first.mrk(), seriesCycleMarker(1));
    EXPECT_EQ(first.color(), seriesCycleColor(1));
    EXPECT_EQ(first.mrkSize(), kColumnSeriesMarkerSize);
    EXPECT_TRUE(first.visible());
    EXPECT_TRUE(first.lineVisible());
    const NormoData& second = data.item(3);
    EXPECT_EQ(second.comment(), "");
    EXPECT_EQ(second.id(), 3);
    EXPECT_NE(second.mrk(), first.mrk());
    EXPECT_NE(second.color(), first.color());
}

TEST(ColumnSeriesTest, TheFirstHundredSeriesLookDifferent)
{
    std::set<std::pair<std::string, std::int32_t>> looks;
    std::set<std::string> markers;
    std::set<std::int32_t> colors;
    for (std::size_t i = 0; i < 100; ++i) {
        looks.insert({seriesCycleMarker(i), seriesCycleColor(i)});
        if (i < 10) {
            markers.insert(seriesCycleMarker(i));
            colors.insert(seriesCycleColor(i));
        }
    }
    EXPECT_EQ(looks.size(), 100u);
    EXPECT_EQ(markers.size(), 10u);
    EXPECT_EQ(colors.size(), 10u);
    EXPECT_EQ(seriesCycleMarker(0), "○");
    EXPECT_EQ(seriesCycleMarker(9), "＋");
}

}  // namespace
}  // namespace probel::cli
