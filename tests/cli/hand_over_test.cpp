// SPDX-License-Identifier: MIT
// probel-cli runs stats, dump and convert itself and hands plot and render to probel-cli-qt
// before reading anything: every input, a pipe or a FIFO as much as a file, is read once.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "cli_files.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;
using test::runProcess;
using test::writeBytes;

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

const std::string kTool = PROBEL_CLI_PATH;
// An input that never ends would hang the test instead of failing it.
const std::string kBounded = "timeout 60 ";

class HandOverTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_.path(name); }

    test::TemporaryFolder folder_;
};

TEST_F(HandOverTest, PlotsFromPipesAndFifosAreTheInProcessPlots)
{
    const std::string values = "\xF0\x9F\x93\x8F,B\n1.5,10\n2.5,12\n3.25,11\n";
    const std::string table = writeBytes(path("table.csv"), values);
    // Each plot in a folder of its own under the same name, which the SVG carries as its title.
    for (const char* folder : {"expected", "dash", "stdin", "sub", "fifo"}) {
        std::filesystem::create_directories(path(folder));
    }
    ASSERT_EQ(runCliInProcess({"plot", "--labels", "--title", "😀", "-o", path("expected/p.svg"), table}).exitCode, 0);
    const std::string expected = readBytes(path("expected/p.svg"));
    ASSERT_FALSE(expected.empty());

    // Standard input, /dev/stdin and a process substitution are one pipe each, read once.
    const std::string options = " plot --labels --title 😀 -o ";
    const auto dash = runProcess(kBounded + kTool + options + path("dash/p.svg") + " - < " + quoted(table) + " 2>&1");
    EXPECT_EQ(dash.exitCode, 0) << dash.out;
    EXPECT_EQ(readBytes(path("dash/p.svg")), expected);
    const auto devStdin = runProcess("cat " + quoted(table) + " | " + kBounded + kTool + options + path("stdin/p.svg") +
                                     " /dev/stdin 2>&1");
    EXPECT_EQ(devStdin.exitCode, 0) << devStdin.out;
    EXPECT_EQ(readBytes(path("stdin/p.svg")), expected);
    const auto substituted =
        runProcess("bash -c " + quoted(kBounded + kTool + options + path("sub/p.svg") + " <(cat " + table + ") 2>&1"));
    EXPECT_EQ(substituted.exitCode, 0) << substituted.out;
    EXPECT_EQ(readBytes(path("sub/p.svg")), expected);

    // A FIFO: its writer gives the table once and closes.
    const std::string fifo = path("named-pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto fromFifo = runProcess("(cat " + quoted(table) + " > " + quoted(fifo) + " &); " + kBounded + kTool +
                                     options + path("fifo/p.svg") + " " + quoted(fifo) + " 2>&1");
    EXPECT_EQ(fromFifo.exitCode, 0) << fromFifo.out;
    EXPECT_EQ(readBytes(path("fifo/p.svg")), expected);
}

TEST_F(HandOverTest, MessagesOfAHandedOverPlotAreGivenOnce)
{
    const std::string table = writeBytes(path("input.csv"), "A,空\n1.5,\n2.5,\n3.25,\n");
    const auto run = runProcess(kTool + " plot -o " + quoted(path("p.png")) + " - < " + quoted(table) + " 2>&1");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(run.out, "probel-cli: 標準入力: 2 列目 (空) には数値がないので描きません。\n");
    EXPECT_GT(readBytes(path("p.png")).size(), 1000u);
}

TEST_F(HandOverTest, WithoutTheQtToolOnlyTheDrawingCommandsAreRefused)
{
    std::filesystem::create_directories(path("alone"));
    const std::string lone = path("alone/probel-cli");
    std::filesystem::copy_file(kTool, lone);
    const std::string values = writeBytes(path("values.txt"), "1\n2\n3\n4\n");

    const auto stats = runProcess(lone + " stats --json " + quoted(values));
    EXPECT_EQ(stats.exitCode, 0);
    EXPECT_NE(stats.out.find("\"n\": 4"), std::string::npos) << stats.out;
    const auto help = runProcess(lone + " --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("probel-cli render SHEET.pbl... --output-dir DIR"), std::string::npos) << help.out;

    const auto plot = runProcess(lone + " plot -o " + quoted(path("alone.svg")) + " " + quoted(values) + " 2>&1");
    EXPECT_EQ(plot.exitCode, 1);
    EXPECT_NE(plot.out.find("描画用のプログラムを起動できません"), std::string::npos) << plot.out;
    EXPECT_FALSE(std::filesystem::exists(path("alone.svg")));
}

TEST_F(HandOverTest, RenderIsHandedOverToo)
{
    const std::string table = writeBytes(path("values.txt"), "1\n2\n3\n4\n");
    ASSERT_EQ(runProcess(kTool + " plot -o " + quoted(path("p.pbl")) + " " + quoted(table)).exitCode, 0);
    const auto render =
        runProcess(kTool + " render " + quoted(path("p.pbl")) + " -o " + quoted(path("r.pdf")) + " 2>&1");
    EXPECT_EQ(render.exitCode, 0) << render.out;
    EXPECT_EQ(readBytes(path("r.pdf")).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace probel
