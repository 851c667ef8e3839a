// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>

#include <array>
#include <string>
#include <vector>

#include "core/graph/graph_refresh.h"
#include "core/graph/normo_bp.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;

QPainterCanvas::Options atDotsPerInch(double dotsPerInch)
{
    QPainterCanvas::Options options;
    options.dotsPerInch = dotsPerInch;
    return options;
}

QImage whitePage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isWhite(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
bool isDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

int darkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += isDark(image, x, y) ? 1 : 0;
        }
    }
    return count;
}

int reddishPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110 ? 1 : 0;
        }
    }
    return count;
}

// The smallest rectangle holding every non-white pixel; empty for a white image.
QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isWhite(image, x, y)) {
                bounds = bounds.united(QRect(x, y, 1, 1));
            }
        }
    }
    return bounds;
}

TEST(QPainterCanvasTest, GraphFrameGridAndMarkersLandOnTheirPixels)
{
    QImage image = whitePage(500, 300);
    image.fill(Qt::gray);
    {
        QPainterCanvas canvas(image);
        canvas.clear();
        NormoBp graph;
        graph.setShowObj(&canvas);  // frame 50, 30, 400 × 240
        graph.setLineDrawStyle(kPenInvisible);
        NormoData& series = graph.data().add();
        series.setIniData({10, 55, 90});
        series.setMrk("●");
        series.setMrkSize(12);
        series.setColor(kRed);
        series.setLineVisible(false);
        refreshGraph(graph);
    }
    // Cleared to white outside the frame, and inside it away from the markers.
    EXPECT_TRUE(isWhite(image, 0, 0));
    EXPECT_TRUE(isWhite(image, 499, 299));
    EXPECT_TRUE(isWhite(image, 49, 100));
    EXPECT_TRUE(isWhite(image, 451, 100));
    EXPECT_TRUE(isWhite(image, 150, 29));
    EXPECT_TRUE(isWhite(image, 150, 271));
    EXPECT_TRUE(isWhite(image, 100, 100));
    // The frame: rows 30 and 270, columns 50 and 450, one pixel wide, corners included.
    for (int x = 50; x <= 450; ++x) {
        ASSERT_TRUE(isDark(image, x, 30)) << x;
        ASSERT_TRUE(isDark(image, x, 270)) << x;
        ASSERT_TRUE(isWhite(image, x, 31) || x == 50 || x == 450) << x;
    }
    for (int y = 30; y <= 270; ++y) {
        ASSERT_TRUE(isDark(image, 50, y)) << y;
        ASSERT_TRUE(isDark(image, 450, y)) << y;
        ASSERT_TRUE(isWhite(image, 51, y) || y == 30 || y == 270) << y;
    }
    // The middle marker is centred on (50 + 55 × 4, 30 + 240 / 2) = (270, 150), in red;
    // an equal box beside it holds none of it.
    EXPECT_GT(reddishPixels(image, QRect(266, 146, 9, 9)), 40);
    EXPECT_EQ(reddishPixels(image, QRect(286, 146, 9, 9)), 0);
    EXPECT_EQ(reddishPixels(image, QRect(254, 146, 9, 9)), 0);
    // Its ink is centred on the point within two pixels (the IPA fonts' line box reaches lower
    // below the glyphs than above them).
    const QImage around = image.copy(250, 130, 41, 41);
    const QRect ink = inkBounds(around).translated(250, 130);
    EXPECT_NEAR(ink.center().x(), 270, 1);
    EXPECT_NEAR(ink.center().y(), 150, 2);
}

TEST(QPainterCanvasTest, PenStylesAndColours)
{
    struct Case {
        std::int32_t style;
        int fewestDark;
        int mostDark;
    };
    // A line over 101 pixels: solid covers all of them, the patterns leave gaps, 5 none.
    const std::array cases = {
        Case{kPenSolid, 101, 101},       Case{kPenDash, 55, 80},       Case{kPenDot, 25, 45},
        Case{kPenDashDot, 45, 75},       Case{kPenDashDotDot, 40, 70}, Case{kPenInvisible, 0, 0},
        Case{kPenInsideSolid, 101, 101}, Case{42, 101, 101},
    };
    for (const auto& test : cases) {
        QImage image = whitePage(120, 20);
        {
            QPainterCanvas canvas(image);
            canvas.setPenStyle(test.style);
            const std::array points = {Point{10, 10}, Point{110, 10}};
            canvas.polyline(points);
        }
        const int dark = darkPixels(image, QRect(0, 0, 120, 20));
        EXPECT_GE(dark, test.fewestDark) << "style " << test.style;
        EXPECT_LE(dark, test.mostDark) << "style " << test.style;
        EXPECT_EQ(darkPixels(image, QRect(0, 9, 120, 1)) + darkPixels(image, QRect(0, 11, 120, 1)), 0)
            << "one pixel wide, style " << test.style;
    }

    QImage image = whitePage(40, 40);
    {
        QPainterCanvas canvas(image);
        canvas.setColor(kBlue);
        EXPECT_EQ(canvas.color(), kBlue);
        const std::array points = {Point{5, 5}, Point{30, 5}};
        canvas.polyline(points);
        // Invisible lines still leave the text in the current colour.
        canvas.setPenStyle(kPenInvisible);
        canvas.setColor(kRed);
        canvas.drawText({5, 15}, "■");
    }
    EXPECT_EQ(image.pixel(20, 5), qRgb(0, 0, 255));
    EXPECT_GT(reddishPixels(image, QRect(0, 10, 40, 30)), 10);
}

TEST(QPainterCanvasTest, TextIsAnchoredAtItsTopLeftAndMeasuredInPoints)
{
    QImage image = whitePage(200, 100);
    double width = 0;
    double height = 0;
    {
        QPainterCanvas canvas(image, atDotsPerInch(96));
        CanvasFont font;
        font.size = 18;
        canvas.setFont(font);
        width = canvas.textWidth("■■");
        height = canvas.textHeight("■■");
        // 18 points at 96 per inch are 24 pixels.
        EXPECT_NEAR(QFontInfo(canvas.qtFont()).pixelSize(), 24, 1);
        EXPECT_NEAR(width, 48, 3);
        EXPECT_GE(height, 24);
        EXPECT_LE(height, 36);
        canvas.drawText({50.4, 30.4}, "■■");
    }
    const QRect ink = inkBounds(image);
    EXPECT_GE(ink.left(), 50);
    EXPECT_GE(ink.top(), 30);
    EXPECT_LE(ink.right(), 50 + width);
    EXPECT_LE(ink.bottom(), 30 + height);
    EXPECT_GT(ink.width(), width / 2);

    // The same points at twice the resolution are twice as many pixels.
    QImage fine = whitePage(10, 10);
    QPainterCanvas doubled(fine, atDotsPerInch(192));
    CanvasFont font;
    font.size = 18;
    doubled.setFont(font);
    EXPECT_NEAR(doubled.textWidth("■■"), 2 * width, 4);
    EXPECT_NEAR(doubled.textHeight("■■"), 2 * height, 4);
}

TEST(QPainterCanvasTest, CachedMarkersLookLikeTextDrawnOneByOne)
{
    std::vector<PointF> places;
    for (int i = 0; i < 40; ++i) {
        places.push_back(PointF{10 + i * 9.37, 20 + (i % 7) * 13.6});
    }
    const auto draw = [&](bool fast, const char* marker, bool italic) {
        QImage image = whitePage(420, 130);
        QPainterCanvas canvas(image);
        canvas.setFastStamping(fast);
        CanvasFont font;
        font.size = 11;
        font.italic = italic;
        canvas.setFont(font);
        canvas.setColor(0x208040);
        canvas.stampText(places, marker);
        return image;
    };
    for (const char* marker : {"○", "△", "×", "＋", "A"}) {
        for (const bool italic : {false, true}) {
            const QImage fast = draw(true, marker, italic);
            const QImage naive = draw(false, marker, italic);
            int differing = 0;
            int worst = 0;
            for (int y = 0; y < fast.height(); ++y) {
                for (int x = 0; x < fast.width(); ++x) {
                    const int difference = std::abs(qGray(fast.pixel(x, y)) - qGray(naive.pixel(x, y)));
                    worst = std::max(worst, difference);
                    differing += difference > 0 ? 1 : 0;
                }
            }
            EXPECT_LE(worst, 4) << marker << " italic " << italic;
            EXPECT_GT(darkPixels(fast, fast.rect()), 40) << marker;
            EXPECT_EQ(inkBounds(fast), inkBounds(naive)) << marker << " italic " << italic;
        }
    }
}

TEST(QPainterCanvasTest, MarkersFarOffThePageAreLeftOut)
{
    QImage image = whitePage(50, 50);
    {
        QPainterCanvas canvas(image);
        const std::array places = {PointF{1e12, 10}, PointF{-1e300, 10}, PointF{10, std::nan("")}, PointF{10, -5000}};
        canvas.stampText(places, "●");
        canvas.drawText({1e15, 1e15}, "●");
    }
    EXPECT_TRUE(inkBounds(image).isEmpty());
}

// A long marker in a huge size is larger than the page: no image of it is made (one would
// take gigabytes); it is drawn directly, and only where it meets the page.
TEST(QPainterCanvasTest, MarkersLargerThanThePageAreDrawnWithoutAnImageOfThem)
{
    std::string longMarker;
    for (int i = 0; i < 200; ++i) {
        longMarker += "■";
    }
    struct Case {
        std::string marker;
        double points;
    };
    for (const auto& [marker, points] : {Case{longMarker, 2000}, Case{"■■■■■■■■■■■■■■■■■■■■", 200}, Case{"■", 10}}) {
        QImage image = whitePage(794, 1123);
        qsizetype cached = 0;
        {
            QPainterCanvas canvas(image);
            CanvasFont font;
            font.size = points;
            canvas.setFont(font);
            const double width = canvas.textWidth(marker);
            const std::array places = {PointF{-width / 2, 100}, PointF{100, 300}, PointF{-3 * width, 500}};
            canvas.stampText(places, marker);
            cached = canvas.stampImagePixels();
        }
        EXPECT_LE(cached, qsizetype{794} * 1123) << points;
        EXPECT_GT(darkPixels(image, image.rect()), 10) << points;
    }
}

TEST(QPainterCanvasTest, ReportsItsSurfaceAndAsksForRepaints)
{
    QImage image = whitePage(300, 200);
    int repaints = 0;
    QPainterCanvas::Options screenOptions;
    screenOptions.repaintRequest = [&repaints] { ++repaints; };
    QPainterCanvas screen(image, screenOptions);
    EXPECT_EQ(screen.width(), 300);
    EXPECT_EQ(screen.height(), 200);
    EXPECT_FALSE(screen.isPrinterPage());
    EXPECT_TRUE(screen.isActive());
    screen.requestRepaint();
    EXPECT_EQ(repaints, 1);

    QImage other = whitePage(10, 10);
    QPainterCanvas::Options pageOptions = atDotsPerInch(96);
    pageOptions.printerPage = true;
    pageOptions.size = QSize(794, 1123);
    QPainterCanvas page(other, pageOptions);
    EXPECT_TRUE(page.isPrinterPage());
    EXPECT_EQ(page.width(), 794);
    EXPECT_EQ(page.height(), 1123);
    EXPECT_EQ(page.dotsPerInch(), 96);
    page.requestRepaint();  // nothing to call
}

TEST(QPainterCanvasTest, ADeviceThatCannotBePaintedOnDrawsNothing)
{
    QImage none;
    QPainterCanvas canvas(none);
    EXPECT_FALSE(canvas.isActive());
    canvas.clear();
    const std::array points = {Point{0, 0}, Point{5, 5}};
    canvas.polyline(points);
    canvas.drawText({1, 1}, "x");
    const std::array places = {PointF{1, 1}};
    canvas.stampText(places, "x");
    EXPECT_GT(canvas.textWidth("xx"), 0);
}

TEST(QPainterCanvasTest, AnExternalPainterIsUsedAndLeftActive)
{
    QImage image = whitePage(60, 60);
    QPainter painter(&image);
    {
        QPainterCanvas canvas(painter);
        EXPECT_EQ(canvas.width(), 60);
        canvas.setColor(0);
        const std::array points = {Point{0, 30}, Point{59, 30}};
        canvas.polyline(points);
    }
    EXPECT_TRUE(painter.isActive());
    painter.end();
    EXPECT_EQ(darkPixels(image, QRect(0, 30, 60, 1)), 60);
}

}  // namespace
}  // namespace probel
