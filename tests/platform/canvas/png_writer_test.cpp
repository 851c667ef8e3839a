// SPDX-License-Identifier: MIT
#include "platform/canvas/png_writer.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <string>

namespace probel {
namespace {

QImage decoded(const std::string& png)
{
    return QImage::fromData(QByteArray::fromStdString(png), "PNG").convertToFormat(QImage::Format_RGB32);
}

bool samePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if ((a.pixel(x, y) | 0xFF000000U) != (b.pixel(x, y) | 0xFF000000U)) {
                return false;
            }
        }
    }
    return true;
}

// A page: white, a grey grid, antialiased coloured text.
QImage page()
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setPen(QColor(192, 192, 192));
    for (int x = 10; x < 300; x += 30) {
        painter.drawLine(x, 0, x, 199);
    }
    painter.setPen(Qt::red);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(QPointF(20, 50), QStringLiteral("○ 50.0 正規確率紙"));
    return image;
}

TEST(PngWriterTest, APageOfFewColoursIsWrittenWithAPaletteAndReadsBackTheSame)
{
    const QImage image = page();
    const std::string png = encodePng(image);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png[25], 3) << "indexed colour";
    EXPECT_NE(png.find("PLTE"), std::string::npos);
    const QImage back = decoded(png);
    EXPECT_TRUE(samePixels(back, image));
    EXPECT_NEAR(QImage::fromData(QByteArray::fromStdString(png)).dotsPerMeterX(), 3780, 1);
}

TEST(PngWriterTest, MoreColoursThanAPaletteHoldsAreWrittenAsRgb)
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) % 256));
        }
    }
    const std::string png = encodePng(image);
    EXPECT_EQ(png[25], 2) << "true colour";
    EXPECT_EQ(png.find("PLTE"), std::string::npos);
    EXPECT_TRUE(samePixels(decoded(png), image));
}

TEST(PngWriterTest, TransparencyIsFlattenedOntoWhite)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const QImage back = decoded(encodePng(image));
    ASSERT_EQ(back.size(), QSize(2, 1));
    EXPECT_EQ(back.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(back.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(encodePng(QImage()), "");
}

}  // namespace
}  // namespace probel
