// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <unistd.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "core/util/error_text.h"
#include "platform/canvas/bmp_writer.h"
#include "platform/canvas/page_export.h"

namespace probel {
namespace {

std::string readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t u32At(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return value;
}

std::uint16_t u16At(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes.at(at)) |
                                      (static_cast<unsigned char>(bytes.at(at + 1)) << 8));
}

PaperSize a4Upright()
{
    return *paperSizeFromCode(kPaperCodeA4Upright);
}

// A frame 10 px inside the page's edges and a red square at the top left.
void drawTestPage(Canvas& canvas)
{
    const std::int32_t right = canvas.width() - 11;
    const std::int32_t bottom = canvas.height() - 11;
    const std::array frame = {Point{10, 10}, Point{right, 10}, Point{right, bottom}, Point{10, bottom}, Point{10, 10}};
    canvas.polyline(frame);
    canvas.setColor(0x0000FF);
    canvas.drawText({20, 20}, "■ 正規確率紙");
}

class PageExportTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const
    {
        return directory_.filePath(QString::fromStdString(name)).toStdString();
    }

    QTemporaryDir directory_;
};

TEST_F(PageExportTest, FormatFollowsTheExtensionInAnyCase)
{
    EXPECT_EQ(pageFormatForPath("a.png"), PageFormat::Png);
    EXPECT_EQ(pageFormatForPath("/x/y/Sheet.PNG"), PageFormat::Png);
    EXPECT_EQ(pageFormatForPath("a.b.Bmp"), PageFormat::Bmp);
    EXPECT_EQ(pageFormatForPath("a.svg"), PageFormat::Svg);
    EXPECT_EQ(pageFormatForPath("a.PdF"), PageFormat::Pdf);
    EXPECT_EQ(pageFormatForPath("a.jpg"), std::nullopt);
    EXPECT_EQ(pageFormatForPath("png"), std::nullopt);
    EXPECT_EQ(pageFormatForPath("dir.png/file"), std::nullopt);
    EXPECT_EQ(pageFormatForPath("a.png.txt"), std::nullopt);
}

TEST_F(PageExportTest, PngHasThePaperSizeAndTheDrawing)
{
    const std::string file = path("sheet.png");
    ASSERT_TRUE(exportPage(file, a4Upright(), drawTestPage));
    const QImage image(QString::fromStdString(file));
    ASSERT_EQ(image.size(), QSize(794, 1123));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(400, 500), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(10, 500), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(783, 500), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(400, 1112), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(400, 1113), qRgb(255, 255, 255));
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 96, 0.1);
}

TEST_F(PageExportTest, BmpIsUncompressed24BitBottomUp)
{
    const std::string file = path("sheet.BMP");
    const PaperSize paper = *paperSizeFromCode(148210);  // A5 upright: 559 × 794, rows padded by 3 bytes
    ASSERT_EQ(paper.widthPixels, 559);
    ASSERT_TRUE(exportPage(file, paper, drawTestPage));
    const std::string bytes = readBytes(file);
    const std::uint32_t rowBytes = (559 * 3 + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), 14 + 40 + rowBytes * 794);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(u32At(bytes, 2), bytes.size());
    EXPECT_EQ(u32At(bytes, 6), 0u);
    EXPECT_EQ(u32At(bytes, 10), 54u);
    EXPECT_EQ(u32At(bytes, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(u32At(bytes, 18), 559u);
    EXPECT_EQ(u32At(bytes, 22), 794u);  // positive height: bottom-up rows
    EXPECT_EQ(u16At(bytes, 26), 1);
    EXPECT_EQ(u16At(bytes, 28), 24);  // biBitCount
    EXPECT_EQ(u32At(bytes, 30), 0u);  // biCompression BI_RGB
    EXPECT_EQ(u32At(bytes, 34), rowBytes * 794);
    EXPECT_EQ(u32At(bytes, 38), 3780u);  // 96 dots per inch
    EXPECT_EQ(u32At(bytes, 46), 0u);

    // The last stored row is the top of the page: white, black at the frame's column.
    const std::size_t bottomRow = 54;
    const std::size_t frameRow = 54 + rowBytes * (794 - 1 - 10);
    EXPECT_EQ(bytes.substr(bottomRow, 3), std::string("\xFF\xFF\xFF"));
    EXPECT_EQ(bytes.substr(frameRow + 100 * 3, 3), std::string(3, '\0'));
    EXPECT_EQ(bytes.substr(frameRow + 5 * 3, 3), std::string("\xFF\xFF\xFF"));
    EXPECT_EQ(bytes.substr(frameRow + 559 * 3, rowBytes - 559 * 3), std::string(rowBytes - 559 * 3, '\0'));
    // Qt reads back the same picture.
    const QImage image(QString::fromStdString(file));
    ASSERT_EQ(image.size(), QSize(559, 794));
    EXPECT_EQ(image.pixel(100, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(100, 11), qRgb(255, 255, 255));
}

TEST_F(PageExportTest, BmpEncoderPutsBlueGreenRedAndFlattensAlpha)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const std::string bytes = encodeBmp24(image);
    ASSERT_EQ(bytes.size(), 54u + 8u);
    EXPECT_EQ(bytes.substr(54, 8), std::string("\x1E\x14\x0A\xFF\xFF\xFF\0\0", 8));
    EXPECT_EQ(encodeBmp24(QImage()), "");
}

TEST_F(PageExportTest, SvgHasThePageSizeAndViewBox)
{
    const std::string file = path("sheet.svg");
    ASSERT_TRUE(exportPage(file, *paperSizeFromCode(297210), drawTestPage));
    const std::string svg = readBytes(file);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 1123 794\""), std::string::npos) << svg.substr(0, 600);
    EXPECT_TRUE(std::regex_search(svg, std::regex("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\"|"
                                                  "width=\"1123\" height=\"794\"")))
        << svg.substr(0, 600);
    EXPECT_NE(svg.find("正規確率紙"), std::string::npos);
    EXPECT_NE(svg.find("polyline"), std::string::npos);
    EXPECT_GT(svg.size(), 500u);
}

TEST_F(PageExportTest, SvgMarkersStayTextDefinedOnceAndPlacedByReference)
{
    const std::string file = path("markers.svg");
    ASSERT_TRUE(exportPage(file, a4Upright(), [](Canvas& canvas) {
        const std::array places = {PointF{100, 100}, PointF{200.5, 300.25}, PointF{400, 500}};
        canvas.stampText(places, "◇");
    }));
    const std::string svg = readBytes(file);
    const auto count = [&](const std::string& what) {
        std::size_t found = 0;
        for (auto at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1)) {
            ++found;
        }
        return found;
    };
    EXPECT_EQ(count("◇</text>"), 1u);
    EXPECT_EQ(count("<use "), 3u);
    EXPECT_NE(svg.find("x=\"200.5\" y=\"300.25\""), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
}

TEST_F(PageExportTest, PdfIsOnePageOfThePaper)
{
    struct Case {
        std::int32_t code;
        const char* mediaBox;
    };
    // Points: 210 × 297 mm is 595 × 842 pt; the lying sheet is the same page turned.
    for (const auto& test : {Case{210297, R"(/MediaBox \[0 0 595(\.0+)? 842(\.0+)?\])"},
                             Case{297210, R"(/MediaBox \[0 0 842(\.0+)? 595(\.0+)?\])"}}) {
        const std::string file = path("sheet" + std::to_string(test.code) + ".pdf");
        ASSERT_TRUE(exportPage(file, *paperSizeFromCode(test.code), drawTestPage));
        const std::string pdf = readBytes(file);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_TRUE(std::regex_search(pdf, std::regex(test.mediaBox))) << test.code;
        std::size_t pages = 0;
        for (auto at = pdf.find("/Type /Page\n"); at != std::string::npos; at = pdf.find("/Type /Page\n", at + 1)) {
            ++pages;
        }
        EXPECT_EQ(pages, 1u);
        EXPECT_GT(pdf.size(), 2000u);
    }
}

TEST_F(PageExportTest, PdfPageHasTheSheetsExactSizeAlsoNearAStandardOne)
{
    // 250 × 354 mm lies 1 mm from ISO B4 (250 × 353); the page must not be snapped to it.
    const std::string file = path("b4.pdf");
    ASSERT_TRUE(exportPage(file, *paperSizeFromCode(250354), drawTestPage));
    std::smatch box;
    const std::string pdf = readBytes(file);
    ASSERT_TRUE(std::regex_search(pdf, box, std::regex(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")));
    constexpr double kPointsPerMillimetre = 72 / 25.4;
    EXPECT_NEAR(std::stod(box[1].str()), 250 * kPointsPerMillimetre, 1.0);
    EXPECT_NEAR(std::stod(box[2].str()), 354 * kPointsPerMillimetre, 1.0);
}

TEST_F(PageExportTest, PdfPageIsAPrinterPage)
{
    bool printerPage = false;
    std::int32_t width = 0;
    ASSERT_TRUE(exportPage(path("p.pdf"), a4Upright(), [&](Canvas& canvas) {
        printerPage = canvas.isPrinterPage();
        width = canvas.width();
    }));
    EXPECT_TRUE(printerPage);
    EXPECT_EQ(width, 794);
    ASSERT_TRUE(exportPage(path("p.png"), a4Upright(), [&](Canvas& canvas) { printerPage = canvas.isPrinterPage(); }));
    EXPECT_FALSE(printerPage);
}

TEST_F(PageExportTest, FailuresNameThePathAndKeepTheOldFile)
{
    const std::string unknown = path("sheet.jpg");
    const Status badExtension = exportPage(unknown, a4Upright(), drawTestPage);
    ASSERT_FALSE(badExtension);
    EXPECT_EQ(badExtension.error().file, unknown);
    EXPECT_NE(errorText(badExtension.error()).find(unknown), std::string::npos);
    EXPECT_NE(errorText(badExtension.error()).find("拡張子"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(unknown)));

    const std::string missingFolder = path("no/such/folder/sheet.png");
    const Status unwritable = exportPage(missingFolder, a4Upright(), drawTestPage);
    ASSERT_FALSE(unwritable);
    EXPECT_EQ(errorText(unwritable.error()).rfind("ファイルを保存できません: " + missingFolder + ": ", 0), 0u)
        << errorText(unwritable.error());

    // A read-only folder: the old file stays as it was.
    const std::string kept = path("locked/old.png");
    ASSERT_TRUE(QDir(QString::fromStdString(path(""))).mkdir("locked"));
    {
        std::ofstream(kept) << "old";
    }
    QFile::setPermissions(QString::fromStdString(path("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const Status denied = exportPage(kept, a4Upright(), drawTestPage);
    QFile::setPermissions(QString::fromStdString(path("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() != 0) {
        EXPECT_FALSE(denied);
        EXPECT_EQ(readBytes(kept), "old");
    }
}

}  // namespace
}  // namespace probel
