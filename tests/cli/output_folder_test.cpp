// SPDX-License-Identifier: MIT
// The --output-dir form of render and plot: one output per input in a folder, in one run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_files.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;
using test::writeBytes;

class OutputFolderTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_.path(name); }

    test::TemporaryFolder folder_;
};

TEST_F(OutputFolderTest, RenderWritesEachDocumentAsTheSingleFileFormDoes)
{
    const std::vector<std::string> documents = test::documentsIn("examples");
    ASSERT_GE(documents.size(), 3u);
    for (const char* format : {"png", "svg"}) {
        std::vector<std::string> arguments = {"render", "--output-dir", path(std::string("out-") + format), "--format",
                                              format};
        arguments.insert(arguments.end(), documents.begin(), documents.end());
        const auto run = runCliInProcess(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        for (const std::string& document : documents) {
            const std::string name = std::filesystem::path(document).stem().string() + "." + format;
            ASSERT_EQ(runCliInProcess({"render", document, "-o", path(name)}).exitCode, 0);
            EXPECT_EQ(readBytes(path(std::string("out-") + format + "/" + name)), readBytes(path(name))) << name;
        }
    }
}

TEST_F(OutputFolderTest, ADocumentThatCannotBeReadStopsNoOther)
{
    const std::vector<std::string> documents = test::documentsIn("examples");
    std::string text = readBytes(documents.front());
    text.resize(text.size() / 2);
    const std::string cut = writeBytes(path("cut.pbl"), text);
    const std::string missing = path("missing.pbl");
    const auto run = runCliInProcess(
        {"render", cut, documents.front(), missing, documents.back(), "--output-dir", path("out"), "--format", "bmp"});
    EXPECT_EQ(run.exitCode, 1);
    // Each failure once, with its file (and the line where the document breaks off).
    EXPECT_EQ(run.err.find("probel-cli: " + cut + " を読み込めません（"), 0u) << run.err;
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path("out/cut.bmp")));
    EXPECT_FALSE(std::filesystem::exists(path("out/missing.bmp")));
    for (const std::string& document : {documents.front(), documents.back()}) {
        const std::string bmp = path("out/" + std::filesystem::path(document).stem().string() + ".bmp");
        EXPECT_EQ(readBytes(bmp).substr(0, 2), "BM") << bmp;
    }
}

TEST_F(OutputFolderTest, APictureThatCannotBeWrittenIsReportedInItsTurn)
{
    const std::vector<std::string> documents = test::documentsIn("examples");
    ASSERT_GE(documents.size(), 4u);
    // A folder in the way of the second picture; the ones before and after it are written.
    const std::string blocked = path("out/" + std::filesystem::path(documents[1]).stem().string() + ".png");
    std::filesystem::create_directories(blocked);
    const std::string missing = path("missing.pbl");
    std::vector<std::string> arguments = {"render",     "--output-dir", path("out"), "--format",   "png",
                                          documents[0], documents[1],   missing,     documents[2], documents[3]};
    const auto run = runCliInProcess(arguments);
    EXPECT_EQ(run.exitCode, 1);
    const auto blockedAt = run.err.find(blocked);
    const auto missingAt = run.err.find(missing);
    ASSERT_NE(blockedAt, std::string::npos) << run.err;
    ASSERT_NE(missingAt, std::string::npos) << run.err;
    EXPECT_LT(blockedAt, missingAt) << run.err;
    for (const std::size_t i : {0u, 2u, 3u}) {
        const std::string png = path("out/" + std::filesystem::path(documents[i]).stem().string() + ".png");
        EXPECT_EQ(readBytes(png).substr(1, 3), "PNG") << png;
    }
}

TEST_F(OutputFolderTest, InputsThatWouldWriteTheSameFileAreRefusedBeforeAnyIsWritten)
{
    const std::string document = test::documentsIn("examples").front();
    std::filesystem::create_directories(path("a"));
    std::filesystem::create_directories(path("b"));
    std::filesystem::copy_file(document, path("a/same.pbl"));
    std::filesystem::copy_file(document, path("b/same.PBL"));
    const auto run = runCliInProcess(
        {"render", document, path("a/same.pbl"), path("b/same.PBL"), "--output-dir", path("out"), "--format", "png"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("same.png"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(path("b/same.PBL")), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(path("out")));

    // The same table twice, and standard input, which has no name to write under.
    const std::string table = writeBytes(path("t.csv"), "1\n2\n3\n");
    for (const auto& inputs : std::vector<std::vector<std::string>>{{table, table}, {table, "-"}}) {
        std::vector<std::string> arguments = {"plot", "--output-dir", path("plots"), "--output-format", "svg"};
        arguments.insert(arguments.end(), inputs.begin(), inputs.end());
        const auto plot = runCliInProcess(arguments, "4\n5\n");
        EXPECT_EQ(plot.exitCode, 1) << inputs.back();
        EXPECT_FALSE(std::filesystem::exists(path("plots"))) << inputs.back();
    }
}

TEST_F(OutputFolderTest, AFolderThatCannotBeMadeIsReported)
{
    const std::string file = writeBytes(path("taken"), "not a folder");
    const auto run =
        runCliInProcess({"render", test::documentsIn("examples").front(), "--output-dir", file, "--format", "png"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("出力フォルダーを作れません"), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(file), "not a folder");
}

TEST_F(OutputFolderTest, PlotDrawsEachTableOnItsOwnSheetWithTheSameOptions)
{
    const std::string first = writeBytes(path("first.csv"), "長さ,幅\n1,10\n2,12\n3,11\n");
    const std::string second = writeBytes(path("second.txt"), "0.5\n0.25\n0.75\n");
    const std::string empty = writeBytes(path("empty.csv"), "\n");
    const std::vector<std::string> options = {"--labels", "--title", "ロット", "--format", "0.0"};
    for (const char* format : {"png", "pbl"}) {
        std::vector<std::string> arguments = {"plot", "--output-dir", path("plots"), "--output-format", format};
        arguments.insert(arguments.end(), options.begin(), options.end());
        arguments.insert(arguments.end(), {first, empty, second});
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 1) << format;
        EXPECT_EQ(run.err, "probel-cli: " + empty + ": 描く数値が一つもありません。\n") << format;
        for (const auto& [input, name] : {std::pair{first, "first"}, std::pair{second, "second"}}) {
            const std::string single = path(std::string("single.") + format);
            std::vector<std::string> one = {"plot", "-o", single};
            one.insert(one.end(), options.begin(), options.end());
            one.push_back(input);
            ASSERT_EQ(runCliInProcess(one).exitCode, 0);
            EXPECT_EQ(readBytes(path(std::string("plots/") + name + "." + format)), readBytes(single)) << name;
        }
    }
}

TEST_F(OutputFolderTest, UsageErrorsExitWithTwo)
{
    const std::string document = test::documentsIn("examples").front();
    const std::string table = writeBytes(path("t.csv"), "1\n2\n3\n");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"render", document, "--output-dir", path("o")},
             {"render", document, "--output-dir", path("o"), "--format", "jpg"},
             {"render", document, "--output-dir", path("o"), "--format", "png", "-o", path("x.png")},
             {"render", document, "--output-dir", "", "--format", "png"},
             {"render", "--output-dir", path("o"), "--format", "png"},
             {"render", document, "-o", path("x.png"), "--format", "png"},
             {"plot", table, "--output-dir", path("o")},
             {"plot", table, "--output-dir", path("o"), "--output-format", "txt"},
             {"plot", table, "-o", path("x.png"), "--output-format", "png"},
         }) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.back() << run.err;
        EXPECT_FALSE(std::filesystem::exists(path("o")));
    }
}

}  // namespace
}  // namespace probel
