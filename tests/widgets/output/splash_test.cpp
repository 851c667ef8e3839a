// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTest>

#include <set>
#include <stdexcept>

#include "app/busy_scope.h"
#include "app/splash.h"

namespace probel {
namespace {

bool cursorIsBusy()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

// How many different colours a picture has: a blank or single-colour picture has few.
std::size_t colourCount(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size();
}

TEST(Splash, TwoDifferentPicturesOfItsOwn)
{
    const QSize size(Splash::kWidth, Splash::kHeight);
    const QImage first = Splash::drawPicture(0, size);
    const QImage second = Splash::drawPicture(1, size);
    ASSERT_EQ(first.size(), size);
    ASSERT_EQ(second.size(), size);
    EXPECT_NE(first, second);
    EXPECT_GT(colourCount(first), 20u);
    EXPECT_GT(colourCount(second), 20u);
}

TEST(Splash, FramelessToolWindowShowingOnePictureThatFillsIt)
{
    QWidget mainWindow;
    mainWindow.resize(800, 600);
    mainWindow.show();
    Splash splash(&mainWindow);
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.windowType(), Qt::Tool);
    std::set<int> seen;
    // Both pictures turn up: the chance that 64 picks give only one is 2^-63.
    for (int show = 0; show < 64; ++show) {
        splash.showOver(&mainWindow);
        EXPECT_TRUE(splash.isVisible());
        const int picked = splash.pickedPicture();
        ASSERT_TRUE(picked == 0 || picked == 1);
        EXPECT_TRUE(splash.picImage(picked)->isVisible());
        EXPECT_FALSE(splash.picImage(1 - picked)->isVisible());
        EXPECT_EQ(splash.picImage(picked)->geometry(), splash.rect());
        seen.insert(picked);
        splash.hide();
    }
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(splash.picImage(2), nullptr);
}

TEST(BusyScope, BusyPointerAndPictureOnlyWhileTheScopeLasts)
{
    QWidget mainWindow;
    mainWindow.show();
    Splash splash(&mainWindow);
    ASSERT_FALSE(cursorIsBusy());
    {
        const BusyScope busy({&mainWindow, &splash, true});
        EXPECT_TRUE(cursorIsBusy());
        EXPECT_TRUE(splash.isVisible());
        EXPECT_FALSE(mainWindow.isEnabled());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST(BusyScope, RestoresEverythingWhenTheWorkThrows)
{
    QWidget mainWindow;
    mainWindow.show();
    Splash splash(&mainWindow);
    EXPECT_THROW(
        {
            const BusyScope busy({&mainWindow, &splash, true});
            throw std::runtime_error("work failed");
        },
        std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST(BusyScope, NestedScopesAndAWindowThatWasDisabledAlready)
{
    QWidget mainWindow;
    mainWindow.setEnabled(false);
    {
        const BusyScope outer;
        {
            const BusyScope inner({&mainWindow, nullptr, true});
            EXPECT_TRUE(cursorIsBusy());
        }
        EXPECT_TRUE(cursorIsBusy());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(mainWindow.isEnabled());
}

}  // namespace
}  // namespace probel
