// SPDX-License-Identifier: MIT
// What a long marker costs on the canvases that draw pages: an A4 page shows about sixty
// 10-point "○" side by side, so markers of 500 and 5 000 of them are the same on it.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/canvas/page_export.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

std::string readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

const PaperSize kA4 = *paperSizeFromCode(kPaperCodeA4Upright);

std::string circles(std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += "○";
    }
    return text;
}

// 100 markers of `marker` in 10 points scattered over the page, some starting left of it.
void drawMarkers(Canvas& canvas, const std::string& marker)
{
    std::vector<PointF> places;
    for (int i = 0; i < 100; ++i) {
        places.push_back(PointF{-200.0 + (i % 10) * 110.3, 20.0 + i * 10.7});
    }
    CanvasFont font;
    font.size = 10;
    canvas.setFont(font);
    canvas.stampText(places, marker);
}

// The bytes of an A4 page of `format` with drawMarkers on it.
std::string pageWithMarkers(const QTemporaryDir& directory, PageFormat format, const std::string& marker)
{
    const std::string path = directory.filePath("markers").toStdString();
    const Status written = exportPage(
        path, kA4, [&](Canvas& canvas) { drawMarkers(canvas, marker); }, format);
    EXPECT_TRUE(written.ok());
    return readBytes(path);
}

TEST(DrawingCost, FilesHoldNoMoreOfAMarkerThanThePageShows)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    for (const PageFormat format : {PageFormat::Svg, PageFormat::Pdf}) {
        const std::string shorter = pageWithMarkers(directory, format, circles(500));
        const std::string longer = pageWithMarkers(directory, format, circles(5000));
        // The PDF's creation time may differ; its length does not.
        EXPECT_EQ(longer.size(), shorter.size()) << static_cast<int>(format);
        EXPECT_GT(longer.size(), 500U) << static_cast<int>(format);
        if (format == PageFormat::Svg) {
            EXPECT_TRUE(longer == shorter);
            // Defined once, as far as the page shows it, and placed by reference.
            std::size_t characters = 0;
            for (auto at = longer.find("○"); at != std::string::npos; at = longer.find("○", at + 1)) {
                ++characters;
            }
            EXPECT_GT(characters, 40U);
            EXPECT_LT(characters, 100U);
        }
    }
}

// drawMarkers on an A4 image, with what the canvas kept of the markers it rendered.
struct StampedImage {
    QImage image;
    qsizetype cachedPixels = 0;
    double lineHeight = 0;
};

StampedImage stampedImage(const std::string& marker, bool fastStamping)
{
    StampedImage stamped{QImage(kA4.widthPixels, kA4.heightPixels, QImage::Format_RGB32)};
    stamped.image.fill(Qt::white);
    {
        QPainterCanvas canvas(stamped.image);
        canvas.setFastStamping(fastStamping);
        drawMarkers(canvas, marker);
        stamped.cachedPixels = canvas.stampImagePixels();
        stamped.lineHeight = canvas.textHeight(marker);
    }
    return stamped;
}

// On an image the visible part, a little wider than the page and one line high, is rendered
// once and placed at every point, as short markers are, not laid out again for each.
TEST(DrawingCost, ALongMarkerOnAnImageIsRenderedOnceAndLooksLikeItsTextDrawnOneByOne)
{
    const StampedImage fast = stampedImage(circles(5000), true);
    const StampedImage naive = stampedImage(circles(5000), false);
    EXPECT_GT(fast.cachedPixels, 0);
    EXPECT_LT(fast.cachedPixels, static_cast<qsizetype>(2 * kA4.widthPixels * fast.lineHeight));
    int worst = 0;
    int inked = 0;
    for (int y = 0; y < fast.image.height(); ++y) {
        for (int x = 0; x < fast.image.width(); ++x) {
            const int gray = qGray(fast.image.pixel(x, y));
            worst = std::max(worst, std::abs(gray - qGray(naive.image.pixel(x, y))));
            inked += gray < 128 ? 1 : 0;
        }
    }
    EXPECT_LE(worst, 4);
    EXPECT_GT(inked, 10000);
}

}  // namespace
}  // namespace probel
