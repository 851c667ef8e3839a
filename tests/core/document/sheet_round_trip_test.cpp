// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"
#include "core/sheet/sheet_refresh.h"
#include "core/util/error_text.h"
#include "sheet_documents.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::crlfLines;
using test::crlfText;
using test::exampleBytes;

std::unique_ptr<ChartSheet> readOk(std::string_view bytes)
{
    auto sheet = readSheetBytes(bytes, "test.pbl");
    EXPECT_TRUE(sheet.ok()) << (sheet.ok() ? "" : sheet.error().message);
    return sheet.ok() ? std::move(sheet).value() : std::make_unique<ChartSheet>();
}

std::string writeOk(const ChartSheet& sheet)
{
    const Result<std::string> bytes = sheetFileBytes(sheet);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().message);
    return bytes.ok() ? bytes.value() : std::string();
}

TEST(SheetRoundTripTest, ExampleDocumentReadsAsDescribed)
{
    const auto sheet = readOk(exampleBytes());
    EXPECT_EQ(sheet->myFormType, 210297);
    ASSERT_EQ(sheet->myNormo().count(), 1);
    EXPECT_EQ(sheet->myNormo().keyAt(1), "S1");
    EXPECT_TRUE(sheet->frameVisible(1));

    const NormoBp& graph = *sheet->graph(1);
    EXPECT_EQ(graph.showObj(), nullptr);
    EXPECT_EQ(graph.frameColor(), 0);
    EXPECT_EQ(graph.frameDrawStyle(), 0);
    EXPECT_EQ(graph.frameWidth(), 400);
    EXPECT_EQ(graph.frameHeight(), 500);
    EXPECT_EQ(graph.frameLeft(), 20);
    EXPECT_EQ(graph.frameTop(), 20);
    EXPECT_EQ(graph.bunnkatu(), 10);
    EXPECT_EQ(graph.lineColor(), 12632256);
    EXPECT_EQ(graph.lineDrawStyle(), 2);
    EXPECT_FALSE(graph.logV());
    EXPECT_EQ(graph.max(), 10);
    EXPECT_EQ(graph.min(), 0);
    EXPECT_TRUE(graph.memoriCheck());
    EXPECT_TRUE(graph.xJikuCheck());
    EXPECT_EQ(graph.xJikuStep(), 1);
    EXPECT_EQ(graph.tanni(), "mm");
    EXPECT_EQ(graph.fontName(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(graph.fontSize(), 9);
    EXPECT_FALSE(graph.fontBold() || graph.fontItalic() || graph.fontStrikethru() || graph.fontUnderline());
    EXPECT_EQ(graph.foreColor(), 0);

    ASSERT_NE(graph.dataIfAny(), nullptr);
    ASSERT_EQ(graph.dataIfAny()->count(), 1);
    const NormoData& series = graph.dataIfAny()->item(1);
    EXPECT_EQ(series.iniValues(), (std::vector<double>{1.5, 2, 2.5}));
    EXPECT_EQ(series.id(), 1);
    EXPECT_EQ(series.color(), 255);
    EXPECT_EQ(series.comment(), "試料A");
    EXPECT_EQ(series.cpFormat(), "0.##");
    EXPECT_EQ(series.cpOption(), 0);
    EXPECT_EQ(series.drawStyle(), 0);
    EXPECT_EQ(series.heikinFormat(), "0.##");
    EXPECT_EQ(series.probelFormat(), "0.##");
    EXPECT_TRUE(series.lineVisible());
    EXPECT_EQ(series.max(), 3);
    EXPECT_EQ(series.min(), 1);
    EXPECT_EQ(series.mrkSize(), 10);
    EXPECT_EQ(series.mrk(), "○");
    EXPECT_EQ(series.sigumaFormat(), "0.##");
    EXPECT_EQ(series.tag(), "00000");
    EXPECT_TRUE(series.visible());
    EXPECT_FALSE(series.label());
    EXPECT_TRUE(sheet->sLabels().empty());

    ASSERT_EQ(sheet->comLabels().size(), 1U);
    const ChartLabel& label = *sheet->comLabel(1);
    EXPECT_EQ(label.top, 100);
    EXPECT_EQ(label.left, 300);
    EXPECT_EQ(label.font, (CanvasFont{"ＭＳ Ｐゴシック", 9, false, false, false, false}));
    EXPECT_EQ(label.foreColor, 0);
    EXPECT_EQ(label.caption, "ロットB");
    EXPECT_TRUE(label.visible);
    EXPECT_FALSE(label.framed());  // no extension block gives it a frame
}

TEST(SheetRoundTripTest, ExampleDocumentWritesBackByteForByte)
{
    const std::string bytes = exampleBytes();
    EXPECT_EQ(writeOk(*readOk(bytes)), bytes);
}

TEST(SheetRoundTripTest, SampleSheetOfTheExamplesWritesBackByteForByte)
{
    // examples/sample-sheet.pbl is an ordinary saved document (two graphs, one logarithmic,
    // a detail label, two text labels); save it again from the program to regenerate it.
    const Result<std::string> bytes = readWholeFile(std::string(PROBEL_SOURCE_DIR) + "/examples/sample-sheet.pbl");
    ASSERT_TRUE(bytes.ok()) << bytes.error().message;
    const auto sheet = readOk(bytes.value());
    EXPECT_EQ(sheet->myNormo().count(), 2);
    EXPECT_TRUE(sheet->graph(2)->logV());
    EXPECT_EQ(sheet->graph(2)->storedMax(), 4);
    EXPECT_NE(sheet->sLabel(101), nullptr);
    EXPECT_EQ(writeOk(*sheet), bytes.value());
}

TEST(SheetRoundTripTest, FileReaderNamesTheSheetAfterThePath)
{
    const std::string path = test::dataPath("example.pbl");
    auto sheet = readSheetFile(path);
    ASSERT_TRUE(sheet.ok()) << sheet.error().message;
    EXPECT_EQ(sheet.value()->fName, path);

    auto missing = readSheetFile(test::dataPath("no-such-file.pbl"));
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(errorText(missing.error()).find("no-such-file.pbl"), std::string::npos);
}

TEST(SheetRoundTripTest, OtherLayoutsOfTheExampleReadTheSame)
{
    const std::string example = exampleBytes();
    std::vector<std::string> lines = crlfLines(example);

    std::vector<std::string> longVersion = lines;
    longVersion[0] = "\"010000\"";
    std::vector<std::string> old(lines.begin() + 1, lines.end());
    std::string lfOnly = example;
    for (std::size_t at = lfOnly.find("\r\n"); at != std::string::npos; at = lfOnly.find("\r\n", at)) {
        lfOnly.erase(at, 1);
    }
    std::string commas = crlfText(lines);
    commas.replace(commas.find("1.5\r\n2\r\n2.5\r\n"), 13, "1.5, 2 ,2.5\r\n");

    EXPECT_EQ(sheetLayout(crlfText(longVersion)), SheetLayout::Current);
    EXPECT_EQ(sheetLayout(crlfText(old)), SheetLayout::Old);
    for (const std::string& variant :
         {crlfText(longVersion), crlfText(old), lfOnly, commas, example + "\r\n  \r\n\t\r\n"}) {
        EXPECT_EQ(writeOk(*readOk(variant)), example);
    }
}

TEST(SheetRoundTripTest, OldLayoutStartsWithTheGraphCount)
{
    auto sheet = test::richSheet();
    std::vector<std::string> lines = crlfLines(writeOk(*sheet));
    lines.erase(lines.begin());
    ASSERT_EQ(lines.front(), "3");
    const std::string old = crlfText(lines);
    EXPECT_EQ(sheetLayout(old), SheetLayout::Old);
    auto read = readOldSheetFileBytes(old, "old.pbl");
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read.value()->myNormo().count(), 3);
    EXPECT_EQ(writeOk(*read.value()), "\"0100\"\r\n" + old);
}

TEST(SheetRoundTripTest, RichSheetRoundTripsWithDenseNumbers)
{
    const auto original = test::richSheet();
    const std::string bytes = writeOk(*original);
    const auto read = readOk(bytes);
    EXPECT_EQ(writeOk(*read), bytes);

    // Graphs S2, S5, S1 become S1, S2, S3; the series of S2 with IDs 1 and 3 get 1 and 2,
    // and their detail labels 201, 203 become 101, 102.
    ASSERT_EQ(read->myNormo().count(), 3);
    for (std::int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(read->myNormo().keyAt(i), "S" + std::to_string(i));
        EXPECT_TRUE(read->frameVisible(i));
    }
    const NormoBp& linear = *read->graph(1);
    ASSERT_EQ(linear.dataIfAny()->count(), 2);
    EXPECT_EQ(linear.dataIfAny()->item(1).id(), 1);
    EXPECT_EQ(linear.dataIfAny()->item(2).id(), 2);
    EXPECT_EQ(linear.frameLeft(), 33);
    EXPECT_EQ(linear.frameTop(), -7);
    EXPECT_EQ(linear.frameWidth(), 401);
    EXPECT_EQ(linear.frameHeight(), 299);
    EXPECT_EQ(linear.max(), 37.5);
    EXPECT_EQ(linear.min(), -0.25);
    EXPECT_EQ(linear.foreColor(), -2147483640);
    EXPECT_EQ(linear.tanni(), "ｋｇ/m2");
    EXPECT_EQ(linear.dataIfAny()->item(1).comment(), "試料A ～ ①");
    EXPECT_EQ(linear.dataIfAny()->item(2).comment(), "");
    EXPECT_FALSE(linear.dataIfAny()->item(2).visible());
    EXPECT_FALSE(linear.dataIfAny()->item(2).lineVisible());
    EXPECT_EQ(linear.dataIfAny()->item(1).iniValues(), original->graph(2)->dataIfAny()->item(1).iniValues());

    std::vector<std::int64_t> detailIndexes;
    for (const auto& [index, label] : read->sLabels()) {
        detailIndexes.push_back(index);
        EXPECT_EQ(label.caption, "○:試料A\r\n平均 : 2.13\r\nσ    : 0.5");
        EXPECT_EQ(label.left, 412.25F);
        EXPECT_EQ(label.top, 17);
        EXPECT_EQ(label.font.size, 10.5);
        EXPECT_TRUE(label.font.underline);
        EXPECT_EQ(label.foreColor, 0xFF0000);
        EXPECT_TRUE(label.visible);
    }
    EXPECT_EQ(detailIndexes, (std::vector<std::int64_t>{101, 102}));

    EXPECT_EQ(read->graph(3)->dataIfAny(), nullptr);
    ASSERT_EQ(read->comLabels().size(), 2U);
    EXPECT_EQ(read->comLabel(2)->caption, "二行の\r\nテキスト");
    EXPECT_EQ(read->comLabel(2)->top, 1.5F);
    EXPECT_TRUE(read->comLabel(2)->font.bold && read->comLabel(2)->font.strikethru);
    EXPECT_EQ(read->comLabel(2)->tag, ChartLabel::kFramedTag);  // the extension block keeps the frame
    EXPECT_EQ(read->myFormType, 297420);
}

TEST(SheetRoundTripTest, LogarithmicAxisEndsRoundTripToTheirExponents)
{
    const std::vector<std::pair<double, std::string>> ends = {
        {1000, "1000"}, {0.01, ".01"},      {1E+20, "1E+20"},   {1E-07, "1E-07"},
        {1, "1"},       {1E+308, "1E+308"}, {1E-300, "1E-300"},
    };
    for (const auto& [value, text] : ends) {
        ChartSheet sheet;
        NormoBp& graph = *sheet.graph(sheet.addGraph());
        graph.setFrameWidth(100);
        graph.setFrameHeight(100);
        graph.setLogV(true);
        graph.setMax(value);
        graph.setMin(value);
        const std::string bytes = writeOk(sheet);
        const std::vector<std::string> lines = crlfLines(bytes);
        ASSERT_GT(lines.size(), 16U);
        EXPECT_EQ(lines[14], "#TRUE#");
        EXPECT_EQ(lines[15], text);
        EXPECT_EQ(lines[16], text);
        const auto read = readOk(bytes);
        EXPECT_EQ(read->graph(1)->storedMax(), graph.storedMax()) << text;
        EXPECT_EQ(read->graph(1)->storedMin(), graph.storedMin()) << text;
        EXPECT_EQ(writeOk(*read), bytes);
    }
}

TEST(SheetRoundTripTest, ExtremeValuesStayReadable)
{
    ChartSheet sheet;
    NormoBp& graph = *sheet.graph(sheet.addGraph());
    graph.setFrameWidth(100);
    graph.setFrameHeight(100);
    NormoData& series = graph.data().add();
    const double largest = std::numeric_limits<double>::max();
    const double smallest = std::numeric_limits<double>::denorm_min();
    series.setIniData({largest, -largest, smallest, -0.0});
    series.setMax(largest);  // its log limit would read back as infinity
    series.setMin(-largest);
    const std::string bytes = writeOk(sheet);
    EXPECT_NE(bytes.find("\r\n1.79769313486232E+308\r\n-1.79769313486232E+308\r\n4.94065645841247E-324\r\n0\r\n"),
              std::string::npos);
    const auto read = readOk(bytes);
    EXPECT_EQ(read->graph(1)->dataIfAny()->item(1).iniValues(), (std::vector<double>{largest, -largest, smallest, 0}));
    EXPECT_EQ(writeOk(*read), bytes);
}

TEST(SheetRoundTripTest, FramesReadFromTheFileSurviveTheFirstRedraw)
{
    const auto sheet = readOk(exampleBytes());
    RecordingCanvas canvas(794, 1123);
    refreshSheet(*sheet, canvas);
    const NormoBp& graph = *sheet->graph(1);
    EXPECT_EQ(graph.showObj(), &canvas);
    EXPECT_EQ(graph.frameLeft(), 20);
    EXPECT_EQ(graph.frameTop(), 20);
    EXPECT_EQ(graph.frameWidth(), 400);
    EXPECT_EQ(graph.frameHeight(), 500);
    sheet->bindGraphs(nullptr);
}

}  // namespace
}  // namespace probel
