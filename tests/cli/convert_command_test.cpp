// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "cli_files.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;
using test::writeBytes;

std::vector<std::string> documentsWrittenByUs()
{
    std::vector<std::string> documents = test::documentsIn("examples");
    for (const std::string& document : test::documentsIn("tests/core/document/data")) {
        documents.push_back(document);
    }
    return documents;
}

TEST(ConvertCommandTest, EveryExampleComesBackByteForByte)
{
    const auto documents = documentsWrittenByUs();
    // The examples and the format's own example, at the least.
    ASSERT_GE(documents.size(), 5u);
    test::TemporaryFolder folder;
    for (const std::string& document : documents) {
        const std::string out = folder.path("out.pbl");
        const auto run = runCliInProcess({"convert", document, out});
        ASSERT_EQ(run.exitCode, 0) << document << ": " << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(readBytes(out), readBytes(document)) << document;
    }
}

TEST(ConvertCommandTest, AnOldLayoutGetsTheVersionAndStaysOtherwiseTheSame)
{
    test::TemporaryFolder folder;
    const std::string current = std::string(PROBEL_SOURCE_DIR) + "/tests/core/document/data/example.pbl";
    const std::string bytes = readBytes(current);
    ASSERT_EQ(bytes.rfind("\"0100\"\r\n", 0), 0u);
    const std::string old = writeBytes(folder.path("old.pbl"), bytes.substr(8));
    const auto run = runCliInProcess({"convert", old, folder.path("new.pbl")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readBytes(folder.path("new.pbl")), bytes);
}

TEST(ConvertCommandTest, ADamagedDocumentLeavesTheOutputAlone)
{
    test::TemporaryFolder folder;
    std::string text = readBytes(std::string(PROBEL_SOURCE_DIR) + "/tests/core/document/data/example.pbl");
    // Line 15 is the axis kind (G10 in docs/pbl-format.md, Example); a number there is not a Boolean.
    const std::size_t axis = text.find("\r\n#FALSE#\r\n");
    ASSERT_NE(axis, std::string::npos);
    text.replace(axis, 11, "\r\n7\r\n");
    const std::string damaged = writeBytes(folder.path("damaged.pbl"), text);
    const std::string out = writeBytes(folder.path("out.pbl"), "earlier content");
    const auto run = runCliInProcess({"convert", damaged, out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("probel-cli: " + damaged + " を読み込めません（15 行目）: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("#TRUE# か #FALSE#"), std::string::npos) << run.err;
    EXPECT_EQ(readBytes(out), "earlier content");
}

TEST(ConvertCommandTest, AnUnwritableOutputIsReported)
{
    test::TemporaryFolder folder;
    const std::string in = std::string(PROBEL_SOURCE_DIR) + "/tests/core/document/data/example.pbl";
    const std::string nowhere = folder.path("no/such/folder/out.pbl");
    const auto run = runCliInProcess({"convert", in, nowhere});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("ファイルを保存できません: " + nowhere), std::string::npos) << run.err;

    // A folder without write permission keeps the old file (root may write anyway).
    const std::string locked = folder.path("locked");
    ASSERT_EQ(mkdir(locked.c_str(), 0755), 0);
    const std::string old = writeBytes(locked + "/out.pbl", "old");
    ASSERT_EQ(chmod(locked.c_str(), 0555), 0);
    if (access(locked.c_str(), W_OK) != 0) {
        const auto refused = runCliInProcess({"convert", in, old});
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_NE(refused.err.find(old), std::string::npos) << refused.err;
        EXPECT_EQ(readBytes(old), "old");
    }
    chmod(locked.c_str(), 0755);
}

TEST(ConvertCommandTest, UsageErrorsExitWithTwo)
{
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"convert"}, {"convert", "in.pbl"}, {"convert", "a", "b", "c"}, {"convert", "-f", "a", "b"}}) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.size();
        EXPECT_NE(run.err.find("probel-cli convert IN.pbl OUT.pbl"), std::string::npos) << run.err;
    }
}

TEST(ConvertCommandTest, TheProgramConvertsToo)
{
    test::TemporaryFolder folder;
    const std::string in = std::string(PROBEL_SOURCE_DIR) + "/tests/cli/data/small-sheet.pbl";
    const std::string once = folder.path("once.pbl");
    const std::string twice = folder.path("twice.pbl");
    const auto first = test::runProcess(std::string(PROBEL_CLI_PATH) + " convert '" + in + "' '" + once + "'");
    ASSERT_EQ(first.exitCode, 0);
    ASSERT_EQ(runCliInProcess({"convert", once, twice}).exitCode, 0);
    // The log axis written as 0.5 … 500 comes back as its decades; after that nothing changes.
    const std::string converted = readBytes(once);
    EXPECT_NE(converted.find("\r\n#TRUE#\r\n1000\r\n1\r\n#FALSE#\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(twice), converted);
}

}  // namespace
}  // namespace probel
