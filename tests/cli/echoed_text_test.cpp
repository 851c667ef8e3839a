// SPDX-License-Identifier: MIT
// Text the user gave that a message repeats (option values, unknown names, headers) is quoted
// by its start only, however long it is, so a message stays one readable line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_files.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

using test::runCliInProcess;

const std::string kLong(1'000'000, 'x');
const std::string kShown = std::string(40, 'x') + "…";

// The first line of what a command wrote.
std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

TEST(EchoedTextTest, OptionValuesAndUnknownNamesAreQuotedByTheirStartOnly)
{
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{kLong}, "probel-cli: 不明なコマンドです: " + kShown},
        {{"stats", "--" + kLong}, "probel-cli stats: 不明なオプションです: --" + std::string(38, 'x') + "…"},
        {{"stats", "--lower", kLong}, "probel-cli stats: --lower は数値で指定してください: " + kShown},
        {{"stats", "--log", "--upper=-0" + std::string(999'998, '0')},
         "probel-cli stats: --upper は対数軸では 0 より大きい数で指定してください: -" + std::string(39, '0') + "…"},
        {{"stats", "--cp-option", kLong}, "probel-cli stats: --cp-option は整数で指定してください: " + kShown},
        {{"plot", "--min", kLong, "-o", "never-written.svg", "-"},
         "probel-cli plot: --min は数値で指定してください: " + kShown},
        {{"plot", "--paper", kLong, "-o", "never-written.svg", "-"},
         "probel-cli plot: --paper の用紙コードが違います: " + kShown},
        {{"plot", "-o", kLong, "-"},
         "probel-cli plot: 出力ファイルの拡張子は .png, .bmp, .svg, .pdf, .pbl のどれかにしてください: " + kShown},
        {{"render", "-o", kLong, "sheet.pbl"},
         "probel-cli render: 出力ファイルの拡張子は .png, .bmp, .svg, .pdf のどれかにしてください: " + kShown},
    };
    for (const auto& one : cases) {
        const auto run = runCliInProcess(one.arguments);
        EXPECT_EQ(run.exitCode, 2) << one.message;
        EXPECT_EQ(firstLine(run.err), one.message);
    }
}

TEST(EchoedTextTest, AHeaderOverAColumnWithoutNumbersIsQuotedByItsStartOnly)
{
    test::TemporaryFolder folder;
    const auto run = runCliInProcess({"plot", "-o", folder.path("plot.svg"), "-"}, "a," + kLong + "\n1,\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "probel-cli: 標準入力: 2 列目 (" + kShown + ") には数値がないので描きません。\n");
}

}  // namespace
}  // namespace probel
