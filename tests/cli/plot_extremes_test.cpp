// SPDX-License-Identifier: MIT
// plot at the edges: values at the ends of the double range, a series without spread, a
// series of many values as SVG.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"
#include "core/graph/normo_bp.h"
#include "support/cli_runner.h"
#include "support/image_pixels.h"

namespace probel {
namespace {

using test::runCliInProcess;

// An A4 upright page is 794 × 1123; the graph's frame sits at the 10 % margins.
constexpr int kFrameTop = 112;
constexpr int kFrameBottom = 112 + 898;

std::size_t occurrences(const std::string& text, const std::string& what)
{
    std::size_t found = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++found;
    }
    return found;
}

class PlotExtremesTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const
    {
        return directory_.filePath(QString::fromStdString(name)).toStdString();
    }
    static std::string readBytes(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    QTemporaryDir directory_;
};

// Each of these once met undefined behaviour in choosing the axis (a float beyond the int
// range cast to int, then INT_MIN negated). The sanitizer build runs them too.
TEST_F(PlotExtremesTest, ValuesAtTheEndsOfTheDoubleRangeGetAnAxisOrTheReasonWhyNot)
{
    struct Case {
        std::string input;
        std::vector<std::string> options;
        int exitCode;
        const char* reason;
    };
    const Case cases[] = {
        {"0\n4.9e-324\n", {}, 1, "小さすぎて"},
        {"-1e308\n1e308\n", {}, 1, "範囲を超えます"},
        {"1\n1e400\n", {}, 1, "標準入力:2:1: 数値が大きすぎます"},
        {"1e400\n1e400\n", {}, 1, "標準入力:1:1: 数値が大きすぎます"},
        {"1\n2\n", {"--max", "4.9e-324"}, 1, "小さすぎて"},
        {"1\n2\n", {"--min", "-1e308"}, 0, ""},
        {"4.9e-324\n2\n", {"--log"}, 1, "範囲を超えます"},
        {"1\n2\n", {"--log", "--max", "4.9e-324"}, 1, "範囲を超えます"},
        {"1\n1e308\n", {"--log"}, 0, ""},
        {"1\n2\n", {"--min", "0", "--max", "4.9e-324"}, 0, ""},
        {"-4e307\n4e307\n", {}, 0, ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"plot", "-o", path("a.png")};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.push_back("-");
        const auto run = runCliInProcess(arguments, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.input << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.input << run.err;
    }
}

TEST_F(PlotExtremesTest, TheFittedLineOfValuesWithoutSpreadStaysInTheFrame)
{
    const std::string out = path("equal.png");
    const auto run = runCliInProcess({"plot", "-o", out, "-"}, "49.1\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(794, 1123));
    const auto dark = [](QRgb pixel) { return qGray(pixel) < 128; };
    // The line is at 49.1 on the axis 20 ... 80, x = 79 + 635 × 29.1 / 60 = 387, and runs from
    // the frame's top to its bottom; nothing of it above the frame or below the value labels.
    EXPECT_GT(test::countPixels(image, QRect(380, kFrameTop + 5, 15, 200), dark), 150);
    EXPECT_EQ(test::countPixels(image, QRect(380, 0, 15, kFrameTop - 2), dark), 0);
    EXPECT_EQ(test::countPixels(image, QRect(380, kFrameBottom + 30, 15, 1123 - kFrameBottom - 30), dark), 0);
}

TEST_F(PlotExtremesTest, EveryValueOfALargeSeriesIsOneMarkerInTheSvg)
{
    std::string values;
    for (int i = 0; i < 30000; ++i) {
        values += std::to_string(50 + (i % 2001 - 1000) / 100.0) + "\n";
    }
    const std::string out = path("large.svg");
    const auto run = runCliInProcess({"plot", "-o", out, "-"}, values);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string svg = readBytes(out);
    EXPECT_EQ(occurrences(svg, "<use "), 30000u);
    // About 45 bytes a marker, the page itself a few kilobytes.
    EXPECT_LT(svg.size(), 30000u * 60);
}

TEST_F(PlotExtremesTest, TheAutomaticAxisIsFilledByTheValues)
{
    const std::string out = path("axis.pbl");
    const auto run = runCliInProcess({"plot", "-o", out, "-"}, "-2.7\n40\n92.1\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto sheet = readSheetFile(out);
    ASSERT_TRUE(sheet);
    const NormoBp& graph = *sheet.value()->graph(1);
    EXPECT_EQ(graph.min(), -20);
    EXPECT_EQ(graph.max(), 100);
    EXPECT_EQ(graph.bunnkatu(), 6);
}

// A frame 2^31 - 1 pixels wide with as many divisions once took hours to draw (a grid line and
// a label for each); now only what meets the page is drawn.
TEST_F(PlotExtremesTest, AFrameFarWiderThanThePageRendersAtOnce)
{
    const std::string document = path("wide.pbl");
    ASSERT_EQ(runCliInProcess({"plot", "-o", document, "-"}, "1\n2\n3\n").exitCode, 0);
    auto sheet = readSheetFile(document);
    ASSERT_TRUE(sheet);
    NormoBp& graph = *sheet.value()->graph(1);
    graph.setFrameWidth(std::numeric_limits<std::int32_t>::max());
    graph.setBunnkatu(std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(writeSheetFile(*sheet.value(), document));
    const std::string out = path("wide.svg");
    const auto run = runCliInProcess({"render", document, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::size_t lines = occurrences(readBytes(out), "<polyline");
    // A line a pixel column of the page at most, and the probability grid.
    EXPECT_GT(lines, 13u);
    EXPECT_LE(lines, 794u + 20u);
}

}  // namespace
}  // namespace probel
