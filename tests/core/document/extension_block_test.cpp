// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"
#include "sheet_documents.h"

namespace probel {
namespace {

std::unique_ptr<ChartSheet> readOk(std::string_view bytes, SheetReading reading = SheetReading::WithExtension)
{
    auto sheet = readSheetBytes(bytes, "test.pbl", reading);
    EXPECT_TRUE(sheet.ok()) << (sheet.ok() ? "" : sheet.error().message);
    return sheet.ok() ? std::move(sheet).value() : std::make_unique<ChartSheet>();
}

std::string writeOk(const ChartSheet& sheet)
{
    const Result<std::string> bytes = sheetFileBytes(sheet);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().message);
    return bytes.ok() ? bytes.value() : std::string();
}

// The block of the example in docs/pbl-format.md, Extension block: lines 62 .. 76 after the
// 61 lines of the example document.
const std::vector<std::string> kDocumentedBlock = {
    "ProbelExtension 1",
    "graph 1 specLines=#TRUE#",
    "graph 1 band=simultaneous",
    "graph 1 bandLevel=99",
    "graph 1 percentiles=.135 50 99.865",
    "graph 1 legend=topRight",
    "graph 1 title=\"工程能力 ”月報”, ロット=B",
    "#TRUE#\"",
    "graph 1 beyondAxisMarks=#TRUE#",
    "series 1 1 cpk=#TRUE#",
    "series 1 1 normality=#TRUE#",
    "label 1 frame=#TRUE#",
    "graph 1 gridOpacity=50",
    "graph 3 gridOpacity=20",
    "sheet reviewedBy=\"品質保証課\"",
};

std::string withBlock(const std::vector<std::string>& block)
{
    return test::exampleBytes() + test::cp932(test::crlfText(block));
}

TEST(ExtensionBlockTest, DocumentedExampleReadsAndWritesBackByteForByte)
{
    const std::string bytes = withBlock(kDocumentedBlock);
    const auto sheet = readOk(bytes);
    const GraphAnalysis& analysis = sheet->graph(1)->analysis();
    EXPECT_TRUE(analysis.specLines);
    EXPECT_EQ(analysis.band, ConfidenceBand::Simultaneous);
    EXPECT_EQ(analysis.bandLevel, 99);
    EXPECT_EQ(analysis.percentiles, (std::vector<double>{0.135, 50, 99.865}));
    EXPECT_EQ(analysis.legend, LegendCorner::TopRight);
    EXPECT_EQ(analysis.title, "工程能力 ”月報”, ロット=B\r\n#TRUE#");
    EXPECT_TRUE(analysis.beyondAxisMarks);
    EXPECT_EQ(sheet->graph(1)->dataIfAny()->item(1).capabilityLines(),
              (CapabilityLines{true, false, false, true, false, false}));
    EXPECT_TRUE(sheet->comLabel(1)->framed());
    EXPECT_EQ(sheet->unknownExtensionRecords,
              (std::vector<std::string>{"graph 1 gridOpacity=50", "graph 3 gridOpacity=20",
                                        "sheet reviewedBy=\"品質保証課\""}));
    EXPECT_EQ(writeOk(*sheet), bytes);
}

TEST(ExtensionBlockTest, EverySettingRoundTrips)
{
    const auto original = test::richSheet();
    GraphAnalysis analysis;
    analysis.specLines = true;
    analysis.band = ConfidenceBand::Pointwise;
    analysis.bandLevel = 90;
    analysis.percentiles = {0.1, 2.5, 50, 97.5, 99.9};
    analysis.legend = LegendCorner::BottomLeft;
    analysis.title = "タイトル \"引用\" a=b, c\r\n二行目 #FALSE#\r\n";
    analysis.beyondAxisMarks = true;
    analysis.positions = PlottingPositions::Hazen;
    analysis.paperKind = PaperKind::Weibull;
    analysis.weibullFit = WeibullFitMethod::Regression;
    original->graph(2)->setAnalysis(analysis);
    GraphAnalysis legendOnly;
    legendOnly.legend = LegendCorner::TopLeft;
    original->graph(5)->setAnalysis(legendOnly);
    original->graph(2)->data().item(1).setCapabilityLines(CapabilityLines{true, true, true, true, true, true});
    original->graph(2)->data().item(2).setCapabilityLines(CapabilityLines{false, false, true, false, false, true});
    original->graph(2)->data().item(2).setLimitsSet(false);
    original->graph(2)->data().item(2).setSigmaDivisor(SigmaDivisor::CountLessOne);
    original->comLabel(1)->tag = "0";
    original->unknownExtensionRecords = {"graph 2 shade=\"a\r\nb\"", "axis 1 2 colour=255"};

    const std::string bytes = writeOk(*original);
    const auto read = readOk(bytes);
    EXPECT_EQ(writeOk(*read), bytes);

    // Graph S2 is graph 1 of the file, S5 graph 2; the quote reads back as its look-alike.
    GraphAnalysis expected = analysis;
    expected.title = "タイトル ”引用” a=b, c\r\n二行目 #FALSE#\r\n";
    EXPECT_EQ(read->graph(1)->analysis(), expected);
    EXPECT_EQ(read->graph(2)->analysis(), legendOnly);
    EXPECT_EQ(read->graph(3)->analysis(), GraphAnalysis{});
    EXPECT_EQ(read->graph(1)->dataIfAny()->item(1).capabilityLines(),
              original->graph(2)->data().item(1).capabilityLines());
    EXPECT_EQ(read->graph(1)->dataIfAny()->item(2).capabilityLines(),
              original->graph(2)->data().item(2).capabilityLines());
    EXPECT_EQ(read->graph(2)->dataIfAny()->item(1).capabilityLines(), CapabilityLines{});
    EXPECT_TRUE(read->graph(1)->dataIfAny()->item(1).limitsSet());
    EXPECT_FALSE(read->graph(1)->dataIfAny()->item(2).limitsSet());
    EXPECT_EQ(read->graph(1)->dataIfAny()->item(1).sigmaDivisor(), SigmaDivisor::Count);
    EXPECT_EQ(read->graph(1)->dataIfAny()->item(2).sigmaDivisor(), SigmaDivisor::CountLessOne);
    EXPECT_DOUBLE_EQ(read->graph(1)->dataIfAny()->item(2).siguma(), original->graph(2)->data().item(2).siguma());
    EXPECT_FALSE(read->comLabel(1)->framed());
    EXPECT_TRUE(read->comLabel(2)->framed());
    EXPECT_EQ(read->unknownExtensionRecords, original->unknownExtensionRecords);
}

TEST(ExtensionBlockTest, KnownRecordsComeInObjectOrderAndUnknownOnesLast)
{
    ChartSheet sheet;
    for (int i = 0; i < 2; ++i) {
        NormoBp& graph = *sheet.graph(sheet.addGraph());
        graph.data().add().setIniData({1, 2});
        graph.data().item(1).setId(1);
    }
    sheet.unknownExtensionRecords = {"sheet z=1"};
    GraphAnalysis second;
    second.title = "a\nb";  // a lone line feed is saved as a line end of the document
    second.bandLevel = 99;
    sheet.graph(2)->setAnalysis(second);
    sheet.graph(1)->data().item(1).setCapabilityLines(CapabilityLines{false, true, false, false, false, false});
    ChartLabel& label = *sheet.comLabel(sheet.addComLabel());
    label.tag = " 1 ";

    const std::string bytes = writeOk(sheet);
    const std::string block = bytes.substr(bytes.find("ProbelExtension"));
    EXPECT_EQ(
        block,
        "ProbelExtension 1\r\nseries 1 1 ppmExpected=#TRUE#\r\ngraph 2 bandLevel=99\r\ngraph 2 title=\"a\r\nb\"\r\n"
        "label 1 frame=#TRUE#\r\nsheet z=1\r\n");
    EXPECT_EQ(readOk(bytes)->graph(2)->analysis().title, "a\r\nb");
}

TEST(ExtensionBlockTest, SheetsWithDefaultSettingsWriteNoBlock)
{
    // Settings given their default values, and labels whose tag says "no frame", are no
    // reason for a block: the document stays what the earlier program would write.
    auto sheet = readOk(test::exampleBytes());
    GraphAnalysis defaults;
    defaults.bandLevel = 95;
    defaults.band = ConfidenceBand::None;
    sheet->graph(1)->setAnalysis(defaults);
    sheet->graph(1)->data().item(1).setCapabilityLines(CapabilityLines{});
    sheet->comLabel(1)->tag = "0";
    EXPECT_EQ(writeOk(*sheet), test::exampleBytes());

    // Explicit defaults read as such and are not written again.
    const auto explicitDefaults = readOk(
        withBlock({"ProbelExtension 1", "graph 1 band=none", "label 1 frame=#FALSE#", "series 1 1 cpk=#FALSE#"}));
    EXPECT_EQ(writeOk(*explicitDefaults), test::exampleBytes());
}

TEST(ExtensionBlockTest, CountedFieldsOnlyReadsWhatTheEarlierProgramReads)
{
    const std::string bytes = withBlock(kDocumentedBlock);
    const auto sheet = readOk(bytes, SheetReading::CountedFieldsOnly);
    EXPECT_EQ(sheet->graph(1)->analysis(), GraphAnalysis{});
    EXPECT_EQ(sheet->graph(1)->dataIfAny()->item(1).capabilityLines(), CapabilityLines{});
    EXPECT_FALSE(sheet->comLabel(1)->framed());
    EXPECT_TRUE(sheet->unknownExtensionRecords.empty());
    EXPECT_EQ(writeOk(*sheet), test::exampleBytes());

    // It does not look at what follows the last label at all, damaged or not.
    for (const std::string& tail : {std::string("ProbelExtension 7\r\n"), std::string("garbage, \"\r\n")}) {
        EXPECT_EQ(writeOk(*readOk(test::exampleBytes() + tail, SheetReading::CountedFieldsOnly)), test::exampleBytes());
    }
}

TEST(ExtensionBlockTest, BlanksAroundTheBlockAndAnOldLayoutAreRead)
{
    std::vector<std::string> spaced = {"", "  ", "ProbelExtension\t1  ", "", "graph 1 legend=bottomRight   ", "\t", ""};
    const auto sheet = readOk(withBlock(spaced));
    EXPECT_EQ(sheet->graph(1)->analysis().legend, LegendCorner::BottomRight);

    std::string old = withBlock({"ProbelExtension 1", "label 1 frame=#TRUE#"});
    old.erase(0, old.find("\r\n") + 2);
    EXPECT_TRUE(readOk(old)->comLabel(1)->framed());
}

TEST(ExtensionBlockTest, SettingsTheBlockCouldNotReadBackAreRefusedWhenSaving)
{
    struct Refusal {
        const char* what;
        GraphAnalysis analysis;
        const char* message;
    };
    GraphAnalysis level;
    level.bandLevel = 42;
    GraphAnalysis hundred;
    hundred.percentiles = {50, 100};
    GraphAnalysis belowHundred;
    belowHundred.percentiles = {99.99999999999999};
    GraphAnalysis notANumber;
    notANumber.percentiles = {std::nan("")};
    GraphAnalysis emoji;
    emoji.title = "月報 \U0001F600";
    const std::vector<Refusal> cases = {
        {"band level", level, "グラフ 1 の信頼帯の信頼水準 (42) は保存できません"},
        {"percentage of 100", hundred, "グラフ 1 の累積確率の線 (100) は保存できません"},
        {"percentage saved as 100", belowHundred, "(99.999999999999986) は保存できません"},
        {"percentage that is no number", notANumber, "グラフ 1 の累積確率の線"},
        {"title outside code page 932", emoji, "グラフ 1 の表題を保存できません"},
    };
    for (const Refusal& one : cases) {
        auto sheet = readOk(test::exampleBytes());
        sheet->graph(1)->setAnalysis(one.analysis);
        const Result<std::string> bytes = sheetFileBytes(*sheet);
        ASSERT_FALSE(bytes.ok()) << one.what;
        EXPECT_NE(bytes.error().message.find(one.message), std::string::npos)
            << one.what << ": " << bytes.error().message;
    }
}

}  // namespace
}  // namespace probel
