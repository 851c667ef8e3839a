// SPDX-License-Identifier: MIT
// probel-cli writes SVG plots and documents without starting Qt, and hands what Qt must draw
// to probel-cli-qt; either way the files are the ones the Qt build writes.
#if PROBEL_HAVE_CANVAS

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
using test::runProcess;
using test::writeBytes;

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

class PlotWithoutQtTest : public ::testing::Test {
protected:
    PlotWithoutQtTest()
    {
        // probel-cli alone, with no probel-cli-qt to hand anything to: what it does, it does
        // without Qt.
        std::filesystem::create_directories(folder_.path("alone"));
        std::filesystem::copy_file(PROBEL_CLI_PATH, lone_);
    }

    test::TemporaryFolder folder_;
    const std::string lone_ = folder_.path("alone/probel-cli");
};

TEST_F(PlotWithoutQtTest, SvgPlotsAndDocumentsAreTheQtBuildsOwn)
{
    const std::string table = writeBytes(folder_.path("lots.csv"),
                                         "重量,長さ (mm),Lot B\n"
                                         "10.2,3.5,101\n9.8,3.7,99.5\n10.5,3.2,100.25\n10.1,3.9,98\n9.9,3.4,102\n");
    const std::vector<std::vector<std::string>> options = {
        {},
        {"--labels", "--title", "寸法の分布\n2026 年 12 月", "--unit", "g"},
        {"--log", "--labels", "--format", "0.000", "--paper", "297210"},
    };
    for (const auto& extra : options) {
        std::string arguments;
        for (const auto& option : extra) {
            arguments += " " + quoted(option);
        }
        std::filesystem::create_directories(folder_.path("mine"));
        const auto svg = runProcess(lone_ + " plot" + arguments + " -o " + quoted(folder_.path("mine/plot.svg")) + " " +
                                    quoted(table) + " 2>&1");
        ASSERT_EQ(svg.exitCode, 0) << arguments << svg.out;
        const auto document =
            runProcess(lone_ + " plot" + arguments + " -o " + quoted(folder_.path("plot.pbl")) + " " + quoted(table));
        ASSERT_EQ(document.exitCode, 0) << arguments;

        // The Qt build lays the same plot out alike and draws the document to the same bytes.
        std::vector<std::string> inProcess = {"plot"};
        inProcess.insert(inProcess.end(), extra.begin(), extra.end());
        inProcess.insert(inProcess.end(), {"-o", folder_.path("qt.pbl"), table});
        ASSERT_EQ(runCliInProcess(inProcess).exitCode, 0);
        EXPECT_EQ(readBytes(folder_.path("plot.pbl")), readBytes(folder_.path("qt.pbl"))) << arguments;
        ASSERT_EQ(runCliInProcess({"render", folder_.path("plot.pbl"), "-o", folder_.path("plot.svg")}).exitCode, 0);
        EXPECT_EQ(readBytes(folder_.path("mine/plot.svg")), readBytes(folder_.path("plot.svg"))) << arguments;
    }
}

TEST_F(PlotWithoutQtTest, WhatOnlyQtCanDrawIsHandedOverWithItsInput)
{
    // A header no IPA font can draw (an emoji, shown in its detail label), given on standard
    // input, and a column with a header but no numbers, which is worth one warning, not two.
    const std::string input = "\xF0\x9F\x93\x8F,空\n1.5,\n2.5,\n3.25,\n";
    const std::string stdinFile = writeBytes(folder_.path("input.csv"), input);
    const std::string svg = folder_.path("emoji.svg");
    const auto handed = runProcess(std::string(PROBEL_CLI_PATH) + " plot --labels -o " + quoted(svg) + " - < " +
                                   quoted(stdinFile) + " 2>&1");
    ASSERT_EQ(handed.exitCode, 0) << handed.out;
    EXPECT_EQ(handed.out, "probel-cli: 標準入力: 2 列目 (空) には数値がないので描きません。\n");
    std::filesystem::create_directories(folder_.path("qt"));
    const auto inProcess = runCliInProcess({"plot", "--labels", "-o", folder_.path("qt/emoji.svg"), "-"}, input);
    ASSERT_EQ(inProcess.exitCode, 0) << inProcess.err;
    EXPECT_EQ(readBytes(svg), readBytes(folder_.path("qt/emoji.svg")));

    // Without probel-cli-qt the tool says why instead.
    const auto alone = runProcess(lone_ + " plot --labels -o " + quoted(folder_.path("alone.svg")) + " - < " +
                                  quoted(stdinFile) + " 2>&1");
    EXPECT_EQ(alone.exitCode, 1);
    EXPECT_NE(alone.out.find("描画用のプログラムを起動できません"), std::string::npos) << alone.out;
    EXPECT_FALSE(std::filesystem::exists(folder_.path("alone.svg")));

    // PNG, PDF, BMP and render go to Qt at once, through the real tool.
    const std::string table = writeBytes(folder_.path("values.txt"), "1\n2\n3\n4\n");
    for (const char* name : {"p.png", "p.pdf", "p.bmp"}) {
        const auto run = runProcess(std::string(PROBEL_CLI_PATH) + " plot -o " + quoted(folder_.path(name)) + " " +
                                    quoted(table) + " 2>&1");
        EXPECT_EQ(run.exitCode, 0) << name << run.out;
        EXPECT_GT(readBytes(folder_.path(name)).size(), 1000u) << name;
    }
    ASSERT_EQ(runProcess(lone_ + " plot -o " + quoted(folder_.path("p.pbl")) + " " + quoted(table)).exitCode, 0);
    const auto render = runProcess(std::string(PROBEL_CLI_PATH) + " render " + quoted(folder_.path("p.pbl")) + " -o " +
                                   quoted(folder_.path("r.png")) + " 2>&1");
    EXPECT_EQ(render.exitCode, 0) << render.out;
    EXPECT_GT(readBytes(folder_.path("r.png")).size(), 1000u);
}

}  // namespace
}  // namespace probel

#endif
