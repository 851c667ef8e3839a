// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <string>

#include "cli_files.h"
#include "support/cli_runner.h"
#include "support/image_pixels.h"

namespace probel {
namespace {

using test::readBytes;
using test::runCliInProcess;

// An A3 lying sheet: graph 1 at (20, 20) 400 × 500 with a hidden blue series, graph 2 at
// (500, 20) 400 × 300; the blue detail label of the hidden series at (600, 100), inside
// graph 2; a black two-line text label at (80, 40), inside graph 1.
const std::string kDocument = std::string(PROBEL_SOURCE_DIR) + "/tests/cli/data/small-sheet.pbl";

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 150 && qRed(pixel) < 110 && qGreen(pixel) < 110;
}
bool isBlack(QRgb pixel)
{
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

using test::countPixels;

class RenderCommandTest : public ::testing::Test {
protected:
    test::TemporaryFolder folder_;
};

TEST_F(RenderCommandTest, DrawsGraphsAndLabelTextOnTheWholePaper)
{
    const std::string out = folder_.path("sheet.png");
    const auto run = runCliInProcess({"render", kDocument, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(1588, 1123));

    // The frames on their places: graph 1 solid, graph 2 dashed.
    EXPECT_TRUE(isBlack(image.pixel(200, 20)));
    EXPECT_TRUE(isBlack(image.pixel(20, 300)));
    const int dashes = countPixels(image, QRect(501, 320, 398, 1), isBlack);
    EXPECT_GT(dashes, 100);
    EXPECT_LT(dashes, 350);
    EXPECT_EQ(image.pixel(1200, 600), qRgb(255, 255, 255));
    // The blue detail label's text, in its colour, starting at its corner; the hidden series
    // itself draws nothing blue anywhere else.
    const QRect label(600, 100, 120, 70);
    EXPECT_GT(countPixels(image, label, isBlue), 60);
    EXPECT_EQ(countPixels(image, image.rect(), isBlue), countPixels(image, label, isBlue));
    // The two lines of the text label, left-aligned at x = 80; no frame around it.
    EXPECT_GT(countPixels(image, QRect(80, 40, 60, 20), isBlack), 40);
    EXPECT_GT(countPixels(image, QRect(80, 62, 60, 20), isBlack), 40);
    EXPECT_EQ(countPixels(image, QRect(70, 30, 8, 60), isBlack), 0);
}

TEST_F(RenderCommandTest, WritesEveryFormatByItsExtension)
{
    ASSERT_EQ(runCliInProcess({"render", kDocument, "-o", folder_.path("s.bmp")}).exitCode, 0);
    const std::string bmp = readBytes(folder_.path("s.bmp"));
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(bmp[28], 24);  // bits per pixel
    EXPECT_EQ(bmp[30], 0);   // no compression
    EXPECT_EQ(bmp.size(), 54u + 1588u * 3u * 1123u);

    ASSERT_EQ(runCliInProcess({"render", kDocument, "--output=" + folder_.path("s.svg")}).exitCode, 0);
    const std::string svg = readBytes(folder_.path("s.svg"));
    EXPECT_NE(svg.find("viewBox=\"0 0 1588 1123\""), std::string::npos);
    EXPECT_NE(svg.find(">二行目</text>"), std::string::npos);

    ASSERT_EQ(runCliInProcess({"render", kDocument, "-o", folder_.path("s.pdf")}).exitCode, 0);
    const std::string pdf = readBytes(folder_.path("s.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // One A3 page, lying: 420 × 297 mm in points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 1191.000000 842.000000]"), std::string::npos);
    EXPECT_EQ(pdf.find("/MediaBox", pdf.find("/MediaBox") + 1), std::string::npos);
}

TEST_F(RenderCommandTest, BadDocumentsAndOutputsAreReported)
{
    std::string text = readBytes(kDocument);
    text.resize(text.size() / 2);
    const std::string cut = test::writeBytes(folder_.path("cut.pbl"), text);
    const std::string out = test::writeBytes(folder_.path("out.png"), "old");
    const auto run = runCliInProcess({"render", cut, "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("probel-cli: " + cut + " を読み込めません（", 0), 0u) << run.err;
    EXPECT_EQ(readBytes(out), "old");

    const std::string nowhere = folder_.path("no/folder/out.png");
    const auto unwritable = runCliInProcess({"render", kDocument, "-o", nowhere});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("ファイルを保存できません: " + nowhere), std::string::npos) << unwritable.err;
}

TEST_F(RenderCommandTest, UsageErrorsExitWithTwo)
{
    const std::string png = folder_.path("u.png");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"render", kDocument},
             {"render", "-o", png},
             {"render", kDocument, kDocument, "-o", png},
             {"render", kDocument, "-o", folder_.path("u.jpg")},
             {"render", kDocument, "-o", folder_.path("u.pbl")},
             {"render", kDocument, "--dpi", "300", "-o", png},
         }) {
        const auto run = runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.size();
        EXPECT_NE(run.err.find("probel-cli render SHEET.pbl -o OUT"), std::string::npos) << run.err;
    }
}

TEST_F(RenderCommandTest, TheProgramRendersWithoutADisplay)
{
    const std::string out = folder_.path("p.png");
    const auto run = test::runProcess("env -u DISPLAY -u QT_QPA_PLATFORM " + std::string(PROBEL_CLI_PATH) +
                                      " render '" + kDocument + "' -o '" + out + "' 2>&1");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(1588, 1123));
}

}  // namespace
}  // namespace probel
