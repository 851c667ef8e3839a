// SPDX-License-Identifier: MIT
#include "core/document/sheet_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/document/sheet_reader.h"
#include "core/util/error_text.h"
#include "sheet_documents.h"

namespace probel {
namespace {

using test::crlfLines;

std::string writeOk(const ChartSheet& sheet)
{
    const Result<std::string> bytes = sheetFileBytes(sheet);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().message);
    return bytes.ok() ? bytes.value() : std::string();
}

// Record sizes and field numbers as docs/pbl-format.md, Layout, gives them.
constexpr std::size_t kHeaderLinesOneGraph = 5;
constexpr std::size_t kGraphLines = 23;

TEST(SheetWriterTest, EmptySheetIsFiveLines)
{
    ChartSheet sheet;
    sheet.myFormType = 257182;
    EXPECT_EQ(writeOk(sheet), "\"0100\"\r\n0\r\n0\r\n257182\r\n0\r\n");
}

TEST(SheetWriterTest, GraphWithoutSeriesIsItsTwentyThreeFields)
{
    ChartSheet sheet;
    sheet.addGraph();
    sheet.graph(1)->data();  // an empty collection writes as no collection
    const auto lines = crlfLines(writeOk(sheet));
    ASSERT_EQ(lines.size(), kHeaderLinesOneGraph + kGraphLines + 1);
    EXPECT_EQ(lines[1], "1");
    EXPECT_EQ(lines[2], "0");
    EXPECT_EQ(lines.back(), "0");
}

TEST(SheetWriterTest, SeriesRecordsHoldNineteenOrTwentyNineFieldsPlusTheValues)
{
    for (const bool withLabel : {false, true}) {
        for (const std::size_t n : {1U, 4U}) {
            ChartSheet sheet;
            const std::int32_t number = sheet.addGraph();
            NormoData& series = sheet.graph(number)->data().add();
            series.setIniData(std::vector<double>(n, 2.5));
            series.setId(1);
            series.setLabel(withLabel);
            if (withLabel) {
                sheet.addSLabel(ChartSheet::detailLabelIndex(number, 1)).caption = "x";
            }
            const auto lines = crlfLines(writeOk(sheet));
            const std::size_t seriesLines = lines.size() - kHeaderLinesOneGraph - kGraphLines - 1;
            EXPECT_EQ(seriesLines, (withLabel ? 29 : 19) + n) << withLabel << " " << n;
            EXPECT_EQ(lines[kHeaderLinesOneGraph + kGraphLines], std::to_string(n));
        }
    }
}

TEST(SheetWriterTest, NumbersTakeTheDocumentsRealForm)
{
    ChartSheet sheet;
    NormoBp& graph = *sheet.graph(sheet.addGraph());
    graph.setFrameWidth(400);
    graph.setFrameHeight(3);
    graph.setFrameLeft(-2);
    graph.setFrameTop(0);
    graph.data().add().setIniData({0.5, -0.25, 1234.5, 1E+16, 2.5E-07, 0.1 + 0.2, 1.0 / 3});
    ChartLabel& label = *sheet.comLabel(sheet.addComLabel());
    label.top = 1.0F / 3;
    label.left = 100.5F;
    label.font.size = 10.5;
    label.caption = "t";
    const auto lines = crlfLines(writeOk(sheet));
    // G3 .. G6, D2.1 .. D2.7, and E1 .. E5 of the text label.
    const std::vector<std::string> frame(lines.begin() + 7, lines.begin() + 11);
    EXPECT_EQ(frame, (std::vector<std::string>{"6000", "45", "-30", "0"}));
    const std::vector<std::string> values(lines.begin() + 29, lines.begin() + 36);
    EXPECT_EQ(values, (std::vector<std::string>{".5", "-.25", "1234.5", "1E+16", "2.5E-07", ".3", ".333333333333333"}));
    const std::vector<std::string> labelLines(lines.end() - 10, lines.end() - 5);
    EXPECT_EQ(labelLines, (std::vector<std::string>{"5", "1507.5", "\"" + test::cp932("ＭＳ Ｐゴシック") + "\"", "10.5",
                                                    "#FALSE#"}));
}

TEST(SheetWriterTest, LogLimitsAreWrittenWithTheLimitsOwnDigits)
{
    // 10 to the log of a large limit differs from it in the 15th digit; written so, a
    // document would change each time it is opened and saved again.
    for (const double limit : {8.88888288888888888E+23, 3.0, 1E-300, 123456.789012345}) {
        ChartSheet sheet;
        NormoBp& graph = *sheet.graph(sheet.addGraph());
        graph.setFrameWidth(10);
        graph.setFrameHeight(10);
        NormoData& series = graph.data().add();
        series.setIniData({1});
        series.setMax(limit);
        series.setMin(-1);  // no logarithm: the log limit keeps its start value, 10^0
        const std::string bytes = writeOk(sheet);
        const auto lines = crlfLines(bytes);
        // D11, after D1, the one value and D3 .. D10; D13 comes two lines later.
        const std::size_t logMax = kHeaderLinesOneGraph + kGraphLines + 2 + 8;
        EXPECT_EQ(lines[logMax], lines[logMax + 2]) << limit;
        EXPECT_EQ(lines[logMax + 1], "1");
        EXPECT_EQ(lines[logMax + 3], "-1");
        const auto read = readSheetBytes(bytes, "l.pbl");
        ASSERT_TRUE(read.ok()) << read.error().message;
        EXPECT_EQ(writeOk(*read.value()), bytes);
    }
}

TEST(SheetWriterTest, LabelCountIsWrittenTwiceAndLabelsInIndexOrder)
{
    ChartSheet sheet;
    for (const char* caption : {"a", "b", "c"}) {
        sheet.comLabel(sheet.addComLabel())->caption = caption;
    }
    sheet.removeComLabel(2);
    const auto lines = crlfLines(writeOk(sheet));
    // H4 and T1, then E10 of each label.
    EXPECT_EQ(lines[2], "2");
    EXPECT_EQ(lines[4], "2");
    EXPECT_EQ(lines[14], "\"a\"");
    EXPECT_EQ(lines[24], "\"c\"");
}

TEST(SheetWriterTest, QuotesInTextsBecomeClosingQuotationMarks)
{
    ChartSheet sheet;
    sheet.comLabel(sheet.addComLabel())->caption = "He said \"6\"\"";
    const std::string bytes = writeOk(sheet);
    const std::string stored = "\"" + test::cp932("He said ”6””") + "\"\r\n";
    EXPECT_EQ(bytes.substr(bytes.size() - stored.size()), stored);
    const auto read = readSheetBytes(bytes, "q.pbl");
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value()->comLabel(1)->caption, "He said ”6””");
}

TEST(SheetWriterTest, MissingDetailLabelIsWrittenFromTheTemplate)
{
    ChartSheet sheet;
    sheet.sLabelTemplate().caption = "";
    sheet.sLabelTemplate().left = 4;
    NormoData& series = sheet.graph(sheet.addGraph())->data().add();
    series.setIniData({1});
    series.setId(1);
    series.setLabel(true);
    const std::string bytes = writeOk(sheet);
    const auto read = readSheetBytes(bytes, "t.pbl");
    ASSERT_TRUE(read.ok()) << read.error().message;
    ASSERT_NE(read.value()->sLabel(101), nullptr);
    EXPECT_EQ(read.value()->sLabel(101)->left, 4);
}

TEST(SheetWriterTest, RefusalsNameTheFieldAndWriteNothing)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("probel-writer-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "old.pbl").string();
    const std::string oldContent = "old content\r\n";
    ASSERT_TRUE(writeFileAtomically(path, oldContent).ok());

    struct Case {
        const char* what;
        std::function<void(ChartSheet&)> damage;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"emoji in a comment", [](ChartSheet& sheet) { sheet.graph(2)->data().item(2).setComment("良😀"); },
         "グラフ 1 のデータ 2 のコメントを保存できません: 文字 \"😀\""},
        {"accent in the unit", [](ChartSheet& sheet) { sheet.graph(5)->setTanni("é"); },
         "グラフ 2 の単位を保存できません"},
        {"invalid UTF-8 in a caption", [](ChartSheet& sheet) { sheet.comLabel(2)->caption = "\xFF"; },
         "テキスト 2 の内容を保存できません"},
        {"detail label font", [](ChartSheet& sheet) { sheet.sLabel(203)->font.name = "Ωμέγα"; },
         "グラフ 1 のデータ 2 の詳細ラベルのフォント名"},
        {"series without values", [](ChartSheet& sheet) { sheet.graph(5)->data().add(); },
         "グラフ 2 のデータ 2 の値の個数が 0 です"},
        {"infinite value",
         [](ChartSheet& sheet) {
             sheet.graph(2)->data().item(1).setIniData({1, HUGE_VAL});
         },
         "グラフ 1 のデータ 1 の値 (Inf)"},
        {"infinite font size", [](ChartSheet& sheet) { sheet.comLabel(1)->font.size = 1E+300; },
         "テキスト 1 のフォントサイズ (1E+300) は大きすぎて保存できません"},
    };
    for (const Case& one : cases) {
        auto sheet = test::richSheet();
        one.damage(*sheet);
        const Status status = writeSheetFile(*sheet, path);
        ASSERT_FALSE(status.ok()) << one.what;
        const std::string shown = errorText(status.error());
        EXPECT_NE(shown.find(one.expected), std::string::npos) << shown;
        EXPECT_NE(shown.find(path), std::string::npos) << one.what;
        EXPECT_EQ(status.error().file, path);
        const Result<std::string> content = readWholeFile(path);
        ASSERT_TRUE(content.ok());
        EXPECT_EQ(content.value(), oldContent) << one.what;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);

    ASSERT_TRUE(writeSheetFile(*test::richSheet(), path).ok());
    const Result<std::string> content = readWholeFile(path);
    ASSERT_TRUE(content.ok());
    EXPECT_EQ(content.value(), writeOk(*test::richSheet()));
    fs::remove_all(dir);
}

TEST(SheetWriterTest, WritingLeavesTheSheetAsItWas)
{
    const auto sheet = test::richSheet();
    NormoData& hidden = sheet->graph(2)->data().item(2);
    ASSERT_FALSE(hidden.visible());
    writeOk(*sheet);
    EXPECT_FALSE(hidden.visible());  // reading the raw values the usual way would show it
    EXPECT_EQ(sheet->graph(1)->dataIfAny(), nullptr);
}

}  // namespace
}  // namespace probel
