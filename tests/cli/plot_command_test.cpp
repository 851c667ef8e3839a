// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <string>

#include "support/cli_runner.h"
#include "support/image_pixels.h"

namespace probel {
namespace {

using test::runCliInProcess;

// An A4 upright page is 794 × 1123; the graph's frame sits at the 10 % margins.
constexpr int kFrameLeft = 79;
constexpr int kFrameTop = 112;
constexpr int kFrameRight = 79 + 635;
constexpr int kFrameBottom = 112 + 898;

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 120 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

using test::countPixels;

class PlotCommandTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const
    {
        return directory_.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string write(const std::string& name, const std::string& text) const
    {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    static std::string readBytes(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    QTemporaryDir directory_;
};

TEST_F(PlotCommandTest, DrawsEveryColumnOnAnA4Page)
{
    const std::string csv = write("lots.csv", "Lot A,Lot B\n41,62\n44,65\n47,66\n50,68\n53,71\n");
    const std::string out = path("lots.png");
    const auto run = runCliInProcess({"plot", "-o", out, csv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");

    const QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(794, 1123));
    // White paper around the graph, the frame on its margins.
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(400, 1100), qRgb(255, 255, 255));
    EXPECT_EQ(qGray(image.pixel(400, kFrameTop)), 0);
    EXPECT_EQ(qGray(image.pixel(kFrameLeft, 500)), 0);
    EXPECT_EQ(qGray(image.pixel(kFrameRight, 500)), 0);
    EXPECT_EQ(qGray(image.pixel(400, kFrameBottom)), 0);
    // The second series is red, and inside the frame; its values 62 … 71 lie on the axis
    // 0 … 100 between x = 79 + 0.6 × 635 and 79 + 0.72 × 635 (the fitted line runs further).
    const QRect inside(kFrameLeft + 1, kFrameTop + 1, kFrameRight - kFrameLeft - 1, kFrameBottom - kFrameTop - 1);
    EXPECT_GT(countPixels(image, inside, isReddish), 200);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 794, kFrameTop - 10), isReddish), 0);
    const QRect markerBand(460, 300, 80, 600);
    EXPECT_GT(countPixels(image, markerBand, isReddish), 100);
}

TEST_F(PlotCommandTest, RangeOptionsPlaceTheMarkers)
{
    // The second column is drawn in red.
    const std::string csv = write("v.csv", "1,40\n1,45\n1,50\n1,55\n1,60\n");
    const std::string out = path("v.png");
    // On an axis 0 … 1000 the values and their steep fitted line stay in the frame's first tenth.
    const auto run = runCliInProcess({"plot", "--min", "0", "--max=1000", "-o", out, csv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage image(QString::fromStdString(out));
    EXPECT_GT(countPixels(image, QRect(kFrameLeft + 1, kFrameTop, 63, 898), isReddish), 100);
    EXPECT_EQ(countPixels(image, QRect(kFrameLeft + 64, 0, 794 - kFrameLeft - 64, 1123), isReddish), 0);
}

TEST_F(PlotCommandTest, PaperAndFormatsFollowTheOptions)
{
    const std::string csv = write("d.csv", "1.5;2.5\n2;3\n2.5;3.5\n");
    const auto png = runCliInProcess({"plot", "--paper", "297210", "-o", path("lying.PNG"), csv});
    ASSERT_EQ(png.exitCode, 0) << png.err;
    EXPECT_EQ(QImage(QString::fromStdString(path("lying.PNG"))).size(), QSize(1123, 794));

    ASSERT_EQ(runCliInProcess({"plot", "-o", path("d.bmp"), csv}).exitCode, 0);
    const std::string bmp = readBytes(path("d.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp[28], 24);                      // bits per pixel
    EXPECT_EQ(bmp.size(), 54u + 2384u * 1123u);  // rows of 794 × 3 bytes, padded to 2384

    ASSERT_EQ(runCliInProcess({"plot", "--log", "-o", path("d.svg"), csv}).exitCode, 0);
    const std::string svg = readBytes(path("d.svg"));
    EXPECT_NE(svg.find("viewBox=\"0 0 794 1123\""), std::string::npos);
    EXPECT_NE(svg.find("1.0E+1"), std::string::npos);  // a decade label of the log axis

    ASSERT_EQ(runCliInProcess({"plot", "-o", path("d.pdf"), csv}).exitCode, 0);
    const std::string pdf = readBytes(path("d.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_GT(pdf.size(), 2000u);
}

TEST_F(PlotCommandTest, StandardInputAndSeveralFiles)
{
    const std::string first = write("1.csv", "A\n1\n2\n3\n");
    const auto run = runCliInProcess({"plot", "-o", path("two.png"), first, "-"}, "B\n4\n5\n6\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage image(QString::fromStdString(path("two.png")));
    // The second series (standard input) is the red one.
    EXPECT_GT(countPixels(image, QRect(kFrameLeft + 1, kFrameTop + 1, 634, 897), isReddish), 50);
}

TEST_F(PlotCommandTest, BadInputIsReportedWithItsPlace)
{
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> options;
        const char* place;
    };
    const Case cases[] = {
        {"bad.csv", "x,y\n1,2\n3,abc\n", {}, "bad.csv:3:2: 数値ではありません: \"abc\""},
        {"neg.csv", "1;5\n2;0\n", {"--log"}, "neg.csv:2:2: 対数軸には 0 以下の値を描けません: 0"},
        {"none.csv", "A,B\n\n", {}, "none.csv: 描く数値が一つもありません。"},
    };
    for (const auto& test : cases) {
        const std::string csv = write(test.name, test.text);
        std::vector<std::string> arguments = {"plot", "-o", path("x.png")};
        arguments.insert(arguments.end(), test.options.begin(), test.options.end());
        arguments.push_back(csv);
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 1) << test.name;
        EXPECT_NE(run.err.find(path(test.place)), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("使い方"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("x.png"))));

    const auto missing = runCliInProcess({"plot", "-o", path("x.png"), path("missing.csv")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find(path("missing.csv") + ": ファイルを開けません。"), std::string::npos) << missing.err;

    const std::string csv = write("ok.csv", "1\n2\n");
    const auto unwritable = runCliInProcess({"plot", "-o", path("no/dir/x.png"), csv});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("ファイルを保存できません: " + path("no/dir/x.png")), std::string::npos)
        << unwritable.err;
}

TEST_F(PlotCommandTest, AColumnWithAHeaderButNoValuesIsPassedOverWithANote)
{
    const std::string csv = write("gap.csv", "A,B,C,\n1,,4,\n2,,5,\n");
    const auto run = runCliInProcess({"plot", "-o", path("gap.png"), csv});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "probel-cli: " + csv + ": 2 列目 (B) には数値がないので描きません。\n");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path("gap.png"))));
}

TEST_F(PlotCommandTest, UsageErrorsExitWithTwo)
{
    const std::string csv = write("u.csv", "1\n2\n");
    const std::string png = path("u.png");
    const std::vector<std::vector<std::string>> cases = {
        {"plot", csv},
        {"plot", "-o", png},
        {"plot", "-o", path("u.jpg"), csv},
        {"plot", "-o", path("u"), csv},
        {"plot", "--paper", "210298", "-o", png, csv},
        {"plot", "--paper", "A4", "-o", png, csv},
        {"plot", "--min", "abc", "-o", png, csv},
        {"plot", "--min", "5", "--max", "5", "-o", png, csv},
        {"plot", "--log", "--min", "0", "-o", png, csv},
        {"plot", "--colour", "-o", png, csv},
        {"plot", "-o"},
    };
    for (const auto& arguments : cases) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.size();
        EXPECT_EQ(run.err.rfind("probel-cli plot: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("probel-cli plot [--log]"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(png)));

    const auto help = runCliInProcess({"--help"});
    EXPECT_NE(help.out.find("probel-cli plot [--log] [--min A] [--max B] [--paper CODE] -o OUT FILE..."),
              std::string::npos);
}

TEST_F(PlotCommandTest, TheProgramRunsWithoutADisplay)
{
    const std::string csv = write("p.csv", "1\n2\n3\n");
    const std::string out = path("p.png");
    const auto run = test::runProcess("env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(PROBEL_CLI_PATH) +
                                      " plot -o '" + out + "' '" + csv + "' 2>&1");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(794, 1123));
}

}  // namespace
}  // namespace probel
