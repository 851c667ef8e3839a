// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>

#include <cstring>

#include "app/bitmap_export.h"
#include "core/util/error_text.h"
#include "output_fixtures.h"
#include "support/recording_canvas.h"

namespace probel {
namespace {

using test::addFramedGraph;
using test::addTextLabel;
using test::emptySheet;

std::uint32_t littleEndian(const QByteArray& bytes, int offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

class BitmapExport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.valid()); }

    QByteArray exported(ChartSheet& sheet, const std::string& name = "sheet.bmp")
    {
        const std::string path = folder_.path(name);
        const Status saved = exportSheetBitmap(sheet, path);
        EXPECT_TRUE(saved.ok()) << saved.error().message;
        return test::fileBytes(path);
    }

    static QImage decoded(const QByteArray& bmp)
    {
        return QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
    }

    test::ScratchFolder folder_;
};

TEST_F(BitmapExport, WholePaperAsUncompressed24BitBitmap)
{
    struct Case {
        std::int32_t code;
        int width;
        int height;
    };
    for (const Case& one : {Case{210297, 794, 1123}, Case{297210, 1123, 794}, Case{182257, 688, 971}}) {
        SCOPED_TRACE(one.code);
        auto sheet = emptySheet(one.code);
        const QByteArray bmp = exported(*sheet, "paper.bmp");
        ASSERT_GE(bmp.size(), 54);
        EXPECT_EQ(bmp.left(2), QByteArray("BM"));
        EXPECT_EQ(littleEndian(bmp, 2, 4), static_cast<std::uint32_t>(bmp.size()));
        EXPECT_EQ(littleEndian(bmp, 10, 4), 54u);  // pixels right after the two headers
        EXPECT_EQ(littleEndian(bmp, 14, 4), 40u);
        EXPECT_EQ(littleEndian(bmp, 18, 4), static_cast<std::uint32_t>(one.width));
        EXPECT_EQ(littleEndian(bmp, 22, 4), static_cast<std::uint32_t>(one.height));  // positive: bottom-up
        EXPECT_EQ(littleEndian(bmp, 28, 2), 24u);
        EXPECT_EQ(littleEndian(bmp, 30, 4), 0u);  // no compression
        const int rowBytes = (one.width * 3 + 3) / 4 * 4;
        EXPECT_EQ(bmp.size(), 54 + rowBytes * one.height);
    }
}

TEST_F(BitmapExport, GraphsAsOnScreenAndLabelsInTheirColour)
{
    auto sheet = emptySheet();
    const std::int32_t number = addFramedGraph(*sheet, 100, 200, 400, 300);
    sheet->graph(number)->setLineDrawStyle(kPenInvisible);
    addTextLabel(*sheet, "■■", 600, 50, 20, 0x0000FF);  // BGR: pure red
    const QImage image = decoded(exported(*sheet));
    ASSERT_EQ(image.size(), QSize(794, 1123));

    const QRect frame = test::inkBox(image, test::darkPixel, QRect(0, 150, 794, 900));
    EXPECT_EQ(frame, QRect(QPoint(100, 200), QPoint(500, 500)));

    const QRect red = test::inkBox(image, [](QRgb pixel) { return pixel == qRgb(255, 0, 0); });
    ASSERT_FALSE(red.isEmpty());
    EXPECT_GE(red.left(), 600);
    EXPECT_LE(red.left(), 604);
    EXPECT_GE(red.top(), 50);
    EXPECT_LE(red.bottom(), 50 + 30);
}

TEST_F(BitmapExport, BoldLabelIsDrawnInNormalWeightAndLinesStartAtTheLeftEdge)
{
    auto bold = emptySheet();
    addTextLabel(*bold, "■■\r\n■", 300, 400, 20, 0, true);
    auto normal = emptySheet();
    addTextLabel(*normal, "■■\r\n■", 300, 400, 20, 0, false);
    const QByteArray boldBytes = exported(*bold, "bold.bmp");
    EXPECT_EQ(boldBytes, exported(*normal, "normal.bmp"));

    const QImage image = decoded(boldBytes);
    const QRect ink = test::inkBox(image, test::darkPixel);
    ASSERT_FALSE(ink.isEmpty());
    const int middle = ink.top() + ink.height() / 2;
    const QRect first = test::inkBox(image, test::darkPixel, QRect(0, ink.top(), 794, middle - ink.top()));
    const QRect second = test::inkBox(image, test::darkPixel, QRect(0, middle, 794, ink.bottom() - middle + 1));
    EXPECT_EQ(first.left(), second.left());
    EXPECT_GT(first.width(), second.width() * 3 / 2);
    EXPECT_GT(second.top(), first.bottom());
}

TEST_F(BitmapExport, FramesAndScreenPictureAreLeftAsTheyWere)
{
    RecordingCanvas screen(794, 1123);
    auto sheet = emptySheet();
    const std::int32_t number = addFramedGraph(*sheet, 100, 200, 400, 300);
    sheet->bindGraphs(&screen);
    addTextLabel(*sheet, "ラベル", 10, 10);
    ASSERT_FALSE(exported(*sheet).isEmpty());
    const NormoBp& graph = *sheet->graph(number);
    EXPECT_EQ(graph.showObj(), &screen);
    EXPECT_EQ(graph.frameLeft(), 100);
    EXPECT_EQ(graph.frameTop(), 200);
    EXPECT_EQ(graph.frameWidth(), 400);
    EXPECT_EQ(graph.frameHeight(), 300);
    EXPECT_TRUE(screen.calls().empty());
}

TEST_F(BitmapExport, FailureNamesThePathAndKeepsTheOldFile)
{
    const std::string path = folder_.path("old.bmp");
    auto good = emptySheet();
    const QByteArray old = exported(*good, "old.bmp");
    ASSERT_FALSE(old.isEmpty());

    // A sheet without a paper has no picture to save.
    auto paperless = emptySheet(0);
    const Status noPaper = exportSheetBitmap(*paperless, path);
    ASSERT_FALSE(noPaper.ok());
    EXPECT_NE(errorText(noPaper.error()).find(path), std::string::npos) << errorText(noPaper.error());
    EXPECT_EQ(test::fileBytes(path), old);

    const std::string blocked = folder_.path("old.bmp/inner.bmp");
    const Status noFolder = exportSheetBitmap(*good, blocked);
    ASSERT_FALSE(noFolder.ok());
    EXPECT_NE(errorText(noFolder.error()).find(blocked), std::string::npos) << errorText(noFolder.error());
    EXPECT_EQ(test::fileBytes(path), old);
}

TEST_F(BitmapExport, NameWithoutBmpExtensionStillGetsABitmap)
{
    auto sheet = emptySheet();
    const QByteArray bytes = exported(*sheet, "picture");
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
}

}  // namespace
}  // namespace probel
