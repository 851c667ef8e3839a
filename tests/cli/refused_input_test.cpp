// SPDX-License-Identifier: MIT
// Input a careful user or an attacker might give stats and plot: folders, endless devices,
// lines of garbage of any length. Each is refused with a short message naming the input.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/input_bytes.h"
#include "cli_files.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

// Standard input that never ends, as /dev/zero or `yes 1` give it.
class EndlessInput : public std::streambuf {
public:
    EndlessInput() { setg(line_, line_, line_ + sizeof line_ - 1); }

protected:
    int_type underflow() override
    {
        setg(line_, line_, line_ + sizeof line_ - 1);
        return traits_type::to_int_type(line_[0]);
    }

private:
    char line_[3] = "1\n";
};

std::vector<std::vector<std::string>> commandsReading(const std::string& input)
{
    std::vector<std::vector<std::string>> commands = {{"stats", input}, {"stats", "--json", input}};
    commands.push_back({"plot", "-o", "never-written.png", input});
    return commands;
}

TEST(RefusedInputTest, AFolderCannotBeReadAndIsNamed)
{
    test::TemporaryFolder folder;
    const std::string data = folder.path("data");
    std::filesystem::create_directory(data);
    for (const auto& arguments : commandsReading(data)) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.front();
        EXPECT_EQ(run.err, "probel-cli: " + data + ": フォルダーなので読み込めません。\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists("never-written.png"));
}

TEST(RefusedInputTest, AnEndlessDeviceIsReadOnlyUpToTheBound)
{
    ASSERT_TRUE(std::filesystem::exists("/dev/zero"));
    for (const auto& arguments : commandsReading("/dev/zero")) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.front();
        EXPECT_EQ(run.err, "probel-cli: /dev/zero: 入力が上限 (64 MiB) を超えるので読み込めません。\n");
    }
    EXPECT_FALSE(std::filesystem::exists("never-written.png"));
}

TEST(RefusedInputTest, AnEndlessStandardInputIsReadOnlyUpToTheBound)
{
    for (const auto& arguments : commandsReading("-")) {
        EndlessInput endless;
        std::istream in(&endless);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(arguments, {in, out, err}), 1) << arguments.front();
        EXPECT_EQ(err.str(), "probel-cli: 標準入力: 入力が上限 (64 MiB) を超えるので読み込めません。\n");
        EXPECT_EQ(out.str(), "");
    }
}

TEST(RefusedInputTest, TheBoundIsFarAboveTheLargestSeriesAndExact)
{
    // 30 000 rows of five values at full precision fit many times over.
    std::string table;
    for (int row = 0; row < 30000; ++row) {
        table += "-1.2345678901234567e-300,2.5e+300,3.25,-4.125,5.0625\n";
    }
    EXPECT_LT(table.size() * 10, cli::kMaxInputBytes);
    std::istringstream whole(table);
    const auto read = cli::readInputBytes("-", whole);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), table);

    std::istringstream exactly("1\n2\n");
    EXPECT_TRUE(cli::readInputBytes("-", exactly, 4).ok());
    std::istringstream oneMore("1\n2\n3");
    const auto refused = cli::readInputBytes("-", oneMore, 4);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message, "入力が上限 (4 バイト) を超えるので読み込めません。");
    EXPECT_EQ(refused.error().file, "標準入力");
}

TEST(RefusedInputTest, ALongLineOfGarbageIsQuotedByItsStartOnly)
{
    const std::string garbage(1'000'000, 'x');
    const auto stats = runCliInProcess({"stats"}, "1\n" + garbage + "\r\n2\n");
    EXPECT_EQ(stats.exitCode, 1);
    EXPECT_EQ(stats.err, "probel-cli: 標準入力:2: 数値ではありません: \"" + std::string(40, 'x') + "…\"\n");

    // Control characters and broken UTF-8 do not reach the terminal; a short line is whole.
    const auto control = runCliInProcess({"stats"}, "\x1b[2J\xff\xfe値\n");
    EXPECT_EQ(control.err, "probel-cli: 標準入力:1: 数値ではありません: \"?[2J??値\"\n");

    const auto plot = runCliInProcess({"plot", "-o", "never-written.png", "-"}, "a,b\n1,2\n3," + garbage + "\n");
    EXPECT_EQ(plot.exitCode, 1);
    EXPECT_EQ(plot.err, "probel-cli: 標準入力:3:2: 数値ではありません: \"" + std::string(40, 'x') + "…\"\n");
}

TEST(RefusedInputTest, PlotNamesStandardInputAsStatsDoes)
{
    const auto run = runCliInProcess({"plot", "-o", "never-written.svg", "-"}, "\n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "probel-cli: 標準入力: 描く数値が一つもありません。\n");
    EXPECT_FALSE(std::filesystem::exists("never-written.svg"));
}

}  // namespace
}  // namespace probel
