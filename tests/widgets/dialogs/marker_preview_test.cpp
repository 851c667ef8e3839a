// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "core/graph/canvas.h"
#include "dialogs/marker_preview.h"
#include "platform/canvas/bgr_color.h"
#include "support/desktop/scripted_color_dialog.h"

namespace probel {
namespace {

constexpr std::int32_t kRed = 0x000000FF;
constexpr std::int32_t kBlue = 0x00FF0000;

class MarkerPreviewTest : public ::testing::Test {
protected:
    MarkerPreviewTest() : preview(colors)
    {
        preview.resize(preview.sizeHint());
        preview.setColor(kRed);
        preview.setMarker("■");
        preview.setMarkerSize(20);
    }

    // The inside of the frame, where the canvas draws.
    QImage inner() { return preview.grab().toImage().copy(preview.contentsRect()); }

    // The box around the pixels that are not white.
    static QRect inkOf(const QImage& image)
    {
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != QColor(Qt::white)) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return ink;
    }

    // Which pixels of the diagonal from the upper right to the lower left corner are `colour`.
    static std::vector<bool> diagonal(const QImage& image, const QColor& colour)
    {
        std::vector<bool> drawn;
        for (int i = 0; i < image.width(); ++i) {
            drawn.push_back(image.pixelColor(image.width() - 1 - i, i) == colour);
        }
        return drawn;
    }

    test::ScriptedColorDialog colors;
    MarkerPreview preview;
};

TEST_F(MarkerPreviewTest, IsTheSquareOfThePictureBox)
{
    EXPECT_EQ(preview.contentsRect().size(), QSize(MarkerPreview::kSide, MarkerPreview::kSide));
    EXPECT_EQ(MarkerPreview::kSide, 1100 / 15);
}

TEST_F(MarkerPreviewTest, MarkerIsCentredInItsColourAtItsSizeInPoints)
{
    const QImage image = inner();
    const QRect ink = inkOf(image);
    ASSERT_FALSE(ink.isEmpty());
    // The glyph's own box is centred; its ink may sit a pixel or two off inside it.
    EXPECT_NEAR(ink.center().x(), image.width() / 2, 3);
    EXPECT_NEAR(ink.center().y(), image.height() / 2, 3);
    EXPECT_EQ(image.pixelColor(ink.center()), colorFromBgr(kRed));

    // 20 points are 26.7 pixels at 96 dpi; a square glyph fills most of that em.
    EXPECT_GT(ink.width(), 16);
    EXPECT_LE(ink.width(), 27);
    preview.setMarkerSize(40);
    const QRect larger = inkOf(inner());
    EXPECT_NEAR(larger.width(), ink.width() * 2, 3);
    EXPECT_NEAR(larger.center().x(), image.width() / 2, 3);
}

TEST_F(MarkerPreviewTest, UnusableSizesDrawTheSmallestMarkerOrNone)
{
    preview.setMarkerSize(0);
    const QRect tiny = inkOf(inner());
    EXPECT_FALSE(tiny.isEmpty());
    EXPECT_LE(tiny.width(), 3);
    // Far larger than any screen font: only the white box.
    preview.setMarkerSize(1e9);
    EXPECT_TRUE(inkOf(inner()).isEmpty());
    preview.setMarkerSize(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(inkOf(inner()).isEmpty());
}

TEST_F(MarkerPreviewTest, DiagonalOnlyWhileTheLineIsShownInItsStyle)
{
    preview.setMarker("");
    EXPECT_TRUE(inkOf(inner()).isEmpty());

    preview.setLineVisible(true);
    preview.setLineStyle(kPenSolid);
    QImage image = inner();
    const auto solid = diagonal(image, colorFromBgr(kRed));
    EXPECT_EQ(std::count(solid.begin(), solid.end(), true), image.width());
    EXPECT_EQ(inkOf(image), image.rect());

    preview.setLineStyle(kPenDash);
    const auto dashed = diagonal(inner(), colorFromBgr(kRed));
    EXPECT_GT(std::count(dashed.begin(), dashed.end(), true), 0);
    EXPECT_LT(std::count(dashed.begin(), dashed.end(), true), image.width());

    preview.setLineStyle(kPenInvisible);
    EXPECT_TRUE(inkOf(inner()).isEmpty());
    preview.setLineStyle(kPenSolid);
    preview.setLineVisible(false);
    EXPECT_TRUE(inkOf(inner()).isEmpty());
}

TEST_F(MarkerPreviewTest, ClickSpaceAndEnterPickAColourFromTheCurrentOne)
{
    QSignalSpy changed(&preview, &MarkerPreview::colorChanged);
    colors.answer(kBlue);
    colors.answer(std::nullopt);
    colors.answer(kRed);
    QTest::mouseClick(&preview, Qt::LeftButton);
    EXPECT_EQ(preview.color(), kBlue);
    preview.setFocus();
    QTest::keyClick(&preview, Qt::Key_Space);
    EXPECT_EQ(preview.color(), kBlue);
    QTest::keyClick(&preview, Qt::Key_Return);
    EXPECT_EQ(preview.color(), kRed);
    EXPECT_EQ(colors.openedWith(), (std::vector<std::int32_t>{kRed, kBlue, kBlue}));
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed[0][0].toInt(), kBlue);

    // A press released outside the preview is no click.
    QTest::mousePress(&preview, Qt::LeftButton);
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(colors.openedWith().size(), 3U);

    const QRect ink = inkOf(inner());
    EXPECT_EQ(inner().pixelColor(ink.center()), colorFromBgr(kRed));
}

}  // namespace
}  // namespace probel
