// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/sheet_json.h"
#include "cli_files.h"
#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;

// data/small-sheet.pbl: two graphs on A3 lying paper. Graph 1 (linear) holds the format's
// example series and a series of two equal values (σ 0), hidden, with a bold two-line detail
// label; graph 2 has a logarithmic axis written as 0.5 … 500 (read as the decades 1 … 1000),
// other fonts and colours, and one series with a label; one two-line text label.
// data/small-sheet.json is its dump, every value checked by hand (σ of 10, 100, 1000 is
// √199800, of their logs √(2/3)); regenerate with `probel-cli dump` and check again.
std::string dataPath(const std::string& name)
{
    return std::string(PROBEL_SOURCE_DIR) + "/tests/cli/data/" + name;
}

TEST(DumpCommandTest, PrintsEveryPropertyOfAKnownDocument)
{
    const auto run = runCliInProcess({"dump", dataPath("small-sheet.pbl")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, readBytes(dataPath("small-sheet.json")));
}

TEST(DumpCommandTest, KeepsTheTextOfTheDocumentAsUtf8AndTheLogAxisInAxisUnits)
{
    const auto run = runCliInProcess({"dump", dataPath("small-sheet.pbl")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("\"Comment\": \"二行の\\r\\nコメント\""), std::string::npos);
    EXPECT_NE(run.out.find("\"FontName\": \"ＭＳ 明朝\""), std::string::npos);
    EXPECT_NE(run.out.find("\"Min\": 1,\n      \"Max\": 1000,\n      \"LogV\": true"), std::string::npos);
    EXPECT_NE(run.out.find("\"SLabel\": null"), std::string::npos);
    EXPECT_NE(run.out.find("\"SLabel\": {\n            \"index\": 102"), std::string::npos);
}

// The settings kept after the earlier program's fields, as the example sheet's plot command set
// them (examples/make-examples.sh).
TEST(DumpCommandTest, PrintsTheAnalysisTheDocumentKeeps)
{
    const auto run = runCliInProcess({"dump", std::string(PROBEL_SOURCE_DIR) + "/examples/shaft-capability.pbl"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(R"("analysis": {
        "specLines": true,
        "band": "pointwise",
        "bandLevel": 95,
        "percentiles": [0.135, 50, 99.865],
        "legend": "bottomRight",
        "title": "ロット別 外径分布",
        "beyondAxisMarks": true,
        "positions": "weibull",
        "paper": "normal",
        "fit": "mle"
      },)"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(R"("limits": true,
          "sigma": "n",
          "capabilityLines": {
            "cpk": false,)"),
              std::string::npos);
}

TEST(DumpCommandTest, ReadingTheSheetChangesNothingInIt)
{
    auto sheet = readSheetFile(dataPath("small-sheet.pbl"));
    ASSERT_TRUE(sheet) << sheet.error().message;
    const auto before = sheetFileBytes(*sheet.value());
    ASSERT_TRUE(before);
    std::ostringstream first;
    std::ostringstream second;
    cli::printSheetJson(*sheet.value(), first);
    cli::printSheetJson(*sheet.value(), second);
    // A hidden series stays hidden, a zero σ stays zero (reading Cp would replace it), no
    // format is remembered.
    EXPECT_EQ(first.str(), second.str());
    EXPECT_EQ(sheetFileBytes(*sheet.value()).value(), before.value());
    const NormoData& hidden = sheet.value()->graph(1)->data().item(2);
    EXPECT_FALSE(hidden.visible());
    EXPECT_EQ(NormoData(hidden).siguma(), 0);
}

TEST(DumpCommandTest, AnEmptySheetHasEmptyLists)
{
    test::TemporaryFolder folder;
    const std::string empty = test::writeBytes(folder.path("empty.pbl"), "\"0100\"\r\n0\r\n0\r\n297210\r\n0\r\n");
    const auto run = runCliInProcess({"dump", empty});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "{\n  \"MyFormType\": 297210,\n  \"graphs\": [],\n  \"ComLabel\": []\n}\n");
}

TEST(DumpCommandTest, ABadDocumentIsRefusedWithItsLine)
{
    test::TemporaryFolder folder;
    // Line 9 of the document holds the first graph's frame width (G3 after a header of two graphs).
    std::string text = readBytes(dataPath("small-sheet.pbl"));
    const std::size_t width = text.find("\r\n6000\r\n");
    ASSERT_NE(width, std::string::npos);
    text.replace(width, 8, "\r\n60x0\r\n");
    const std::string bad = test::writeBytes(folder.path("bad.pbl"), text);
    const auto run = runCliInProcess({"dump", bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("probel-cli: " + bad + " を読み込めません（9 行目）: ", 0), 0u) << run.err;

    const auto missing = runCliInProcess({"dump", folder.path("missing.pbl")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find(folder.path("missing.pbl")), std::string::npos);
}

TEST(DumpCommandTest, UsageErrorsExitWithTwo)
{
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"dump"}, {"dump", "a.pbl", "b.pbl"}, {"dump", "--pretty", "a.pbl"}}) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("probel-cli dump SHEET.pbl"), std::string::npos) << run.err;
    }
}

TEST(DumpCommandTest, TheProgramPrintsTheSameAsTheCommand)
{
    const std::string document = dataPath("small-sheet.pbl");
    const auto run = test::runProcess(std::string(PROBEL_CLI_PATH) + " dump '" + document + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, readBytes(dataPath("small-sheet.json")));

    if (std::filesystem::exists("/dev/full")) {
        const auto full = test::runProcess(std::string(PROBEL_CLI_PATH) + " dump '" + document + "' 2>&1 >/dev/full");
        EXPECT_EQ(full.exitCode, 1);
        EXPECT_EQ(full.out, "probel-cli: 標準出力に書き込めません。\n");
    }
}

}  // namespace
}  // namespace probel
