// SPDX-License-Identifier: MIT
// Where the commands write: standard output that cannot take the output, and output files that
// are read-only, links, pipes or beyond the file size limit. The output is checked, and a target
// that is no plain writable file is left exactly as it was. Runs as root and as an ordinary
// user: pipes are made with mkfifo, devices are only read.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "cli/cli.h"
#include "cli_files.h"
#include "core/document/sheet_writer.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/data.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::runCliInProcess;
using test::runProcess;

const std::string kSheet = std::string(PROBEL_SOURCE_DIR) + "/tests/cli/data/small-sheet.pbl";

// Standard output on a full disk: every write fails.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

mode_t modeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

std::size_t entriesIn(const std::string& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(OutputTargetsTest, OutputThatCannotBeWrittenIsAnError)
{
    std::vector<std::vector<std::string>> commands = {{"stats"}, {"stats", "--json"}, {"--help"}, {"dump", kSheet}};
    for (const auto& arguments : commands) {
        std::istringstream in("1\n2\n");
        FullDisk full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(arguments, {in, out, err}), 1) << arguments.front();
        EXPECT_EQ(err.str(), "probel-cli: 標準出力に書き込めません。\n") << arguments.front();
    }

    // The real thing: the program's buffered output meets the full disk only when flushed.
    if (fs::exists("/dev/full")) {
        test::TemporaryFolder folder;
        const std::string values = test::writeBytes(folder.path("values.txt"), "1\n2\n");
        for (const std::string& arguments : {"stats " + values, "stats --json " + values, std::string("--help")}) {
            const auto run = runProcess(std::string(PROBEL_CLI_PATH) + " " + arguments + " 2>&1 >/dev/full");
            EXPECT_EQ(run.exitCode, 1) << arguments;
            EXPECT_EQ(run.out, "probel-cli: 標準出力に書き込めません。\n") << arguments;
        }
    }
}

// The rules themselves are tested with the saving code (save_target_test.cpp); here every
// command that writes a file meets them.
TEST(OutputTargetsTest, WhatIsNoWritableRegularFileIsLeftAsItWas)
{
    test::TemporaryFolder folder;
    const std::string locked = test::writeBytes(folder.path("ro.pbl"), "old");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    const std::string loop = folder.path("loop.pbl");
    fs::create_symlink("loop.pbl", loop);
    const std::string pipe = folder.path("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
    const std::string toPipe = folder.path("o.png");
    fs::create_symlink(pipe, toPipe);
    // A device through a link: a null device of our own as root (a fault must not cost the
    // machine its /dev/null), /dev/null itself for anyone else.
    std::string device = "/dev/null";
    if (::geteuid() == 0) {
        device = folder.path("null");
        ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0) << std::strerror(errno);
    }
    const std::string toDevice = folder.path("null.pbl");
    fs::create_symlink(device, toDevice);

    const struct {
        std::vector<std::string> arguments;
        std::string reason;
    } cases[] = {
        {{"convert", kSheet, locked}, "読み取り専用のファイルです"},
        {{"convert", kSheet, loop}, std::strerror(ELOOP)},
        {{"convert", kSheet, toDevice}, "通常のファイルではありません"},
        {{"render", kSheet, "-o", toPipe}, "通常のファイルではありません"},
        {{"plot", "-o", toPipe, "-"}, "通常のファイルではありません"},
    };
    for (const auto& test : cases) {
        const std::string& target = test.arguments.front() == "plot" ? toPipe : test.arguments.back();
        const auto run = runCliInProcess(test.arguments, "1\n2\n");
        EXPECT_EQ(run.exitCode, 1) << target;
        EXPECT_EQ(run.err, "probel-cli: ファイルを保存できません: " + target + ": " + test.reason + "\n");
    }
    EXPECT_EQ(readBytes(locked), "old");
    EXPECT_EQ(modeOf(locked) & 07777, 0444U);
    EXPECT_TRUE(fs::is_symlink(loop));
    EXPECT_TRUE(S_ISFIFO(modeOf(pipe)));
    EXPECT_TRUE(S_ISCHR(modeOf(device)));
    EXPECT_EQ(entriesIn(folder.path("")), ::geteuid() == 0 ? 6U : 5U);

    // A dangling link is no refusal: its file is made and the link stays.
    const std::string dangling = folder.path("out.pbl");
    fs::create_symlink("made.pbl", dangling);
    EXPECT_EQ(runCliInProcess({"convert", kSheet, dangling}).exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(readBytes(folder.path("made.pbl")).substr(0, 6), "\"0100\"");
}

// A file size limit (ulimit -f) used to end the program by SIGXFSZ half way, leaving its
// temporary file; now the write fails, is reported, and nothing stays behind.
TEST(OutputTargetsTest, TheFileSizeLimitIsReportedAndLeavesNothing)
{
    test::TemporaryFolder folder;
    ChartSheet sheet;
    std::vector<double> values;
    for (int i = 0; i < 30000; ++i) {
        values.push_back(i * 1.0001);
    }
    sheet.graph(sheet.addGraph())->data().add().setIniData(values);
    const std::string big = folder.path("big.pbl");
    ASSERT_TRUE(writeSheetFile(sheet, big).ok());
    ASSERT_GT(fs::file_size(big), 100'000U);

    const std::string target = folder.path("t.pbl");
    const auto run = runProcess("ulimit -f 50; " + std::string(PROBEL_CLI_PATH) + " convert " + quoted(big) + " " +
                                quoted(target) + " 2>&1");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "probel-cli: ファイルを保存できません: " + target + ": " + std::strerror(EFBIG) + "\n");
    EXPECT_EQ(entriesIn(folder.path("")), 1U);
}

}  // namespace
}  // namespace probel
