// SPDX-License-Identifier: MIT
#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "support/desktop/in_memory_settings_store.h"

namespace probel::test {
namespace {

constexpr auto kSection = "MDIOutput";

TEST(WindowPlacementTest, NormalStateStoresTheCornerInTwipsAndState0)
{
    QWidget window;
    window.setGeometry(100, 200, 300, 200);
    window.show();
    InMemorySettingsStore settings;
    saveWindowPlacement(window, settings);
    EXPECT_EQ(settings.getSetting(kSection, "Left", "-"), "1500");
    EXPECT_EQ(settings.getSetting(kSection, "Top", "-"), "3000");
    EXPECT_EQ(settings.getSetting(kSection, "WindowState", "-"), "0");
}

TEST(WindowPlacementTest, MaximisedStoresOnlyTheStateKeepingTheLastNormalCorner)
{
    QWidget window;
    window.showMaximized();
    InMemorySettingsStore settings;
    settings.saveSetting(kSection, "Left", "1500");
    settings.saveSetting(kSection, "Top", "3000");
    saveWindowPlacement(window, settings);
    EXPECT_EQ(settings.getSetting(kSection, "WindowState", "-"), "2");
    EXPECT_EQ(settings.getSetting(kSection, "Left", "-"), "1500");
    EXPECT_EQ(settings.getSetting(kSection, "Top", "-"), "3000");
    EXPECT_EQ(settings.saveCount(), 3);
}

TEST(WindowPlacementTest, MinimisedStoresNothing)
{
    QWidget window;
    window.showMinimized();
    InMemorySettingsStore settings;
    saveWindowPlacement(window, settings);
    EXPECT_EQ(settings.saveCount(), 0);
}

TEST(WindowPlacementTest, RestoreMovesToTheStoredCornerAndMaximisesAfterwards)
{
    InMemorySettingsStore settings;
    settings.saveSetting(kSection, "Left", "1500");
    settings.saveSetting(kSection, "Top", "3000");
    settings.saveSetting(kSection, "WindowState", "2");
    QWidget window;
    restoreWindowPlacement(window, settings);
    EXPECT_EQ(window.geometry().topLeft(), QPoint(100, 200));
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    window.show();
    EXPECT_TRUE(window.isMaximized());
    window.showNormal();
    EXPECT_EQ(window.geometry().topLeft(), QPoint(100, 200)) << "back to normal at the stored corner";
}

TEST(WindowPlacementTest, NothingStoredLeavesThePlaceToTheDesktop)
{
    InMemorySettingsStore settings;
    QWidget window;
    window.move(30, 40);
    restoreWindowPlacement(window, settings);
    EXPECT_EQ(window.pos(), QPoint(30, 40));
    EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
}

TEST(WindowPlacementTest, ValuesThatAreNotWholeNumbersLeaveTheWindowWhereItIs)
{
    struct Case {
        const char* left;
        const char* top;
        const char* state;
    };
    for (const Case& one :
         {Case{"abc", "3000", "0"}, Case{"1500", "", "0"}, Case{"1500.5", "3000", "x"}, Case{"1e400", "0", "1"}}) {
        InMemorySettingsStore settings;
        settings.saveSetting(kSection, "Left", one.left);
        settings.saveSetting(kSection, "Top", one.top);
        settings.saveSetting(kSection, "WindowState", one.state);
        QWidget window;
        window.move(30, 40);
        restoreWindowPlacement(window, settings);
        EXPECT_EQ(window.pos(), QPoint(30, 40)) << one.left << " " << one.top;
        EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
    }
}

TEST(WindowPlacementTest, TenStartsAndQuitsLeaveTheWindowExactlyWhereItWas)
{
    InMemorySettingsStore settings;
    settings.saveSetting(kSection, "Left", "960");
    settings.saveSetting(kSection, "Top", "720");
    for (int start = 0; start < 10; ++start) {
        QWidget window;
        window.resize(300, 200);
        restoreWindowPlacement(window, settings);
        window.show();
        EXPECT_EQ(window.geometry().topLeft(), QPoint(64, 48)) << "start " << start;
        saveWindowPlacement(window, settings);
    }
    EXPECT_EQ(settings.getSetting(kSection, "Left", "-"), "960");
    EXPECT_EQ(settings.getSetting(kSection, "Top", "-"), "720");
}

TEST(WindowPlacementTest, APlaceOffEveryScreenIsBroughtBackOntoTheNearest)
{
    const QRect screen(0, 0, 1600, 1000);
    const QSize window(1024, 768);
    EXPECT_EQ(cornerOnScreen(QPoint(200, 100), window, screen, 20), QPoint(200, 100)) << "on screen: kept";
    EXPECT_EQ(cornerOnScreen(QPoint(900, 700), window, screen, 20), QPoint(900, 700)) << "its corner in view: kept";
    EXPECT_EQ(cornerOnScreen(QPoint(300, -300), window, screen, 20), QPoint(300, 20)) << "above: the title bar in view";
    EXPECT_EQ(cornerOnScreen(QPoint(6600, 50), window, screen, 20), QPoint(576, 50)) << "far right: all in view";
    EXPECT_EQ(cornerOnScreen(QPoint(-5000, 5000), window, screen, 20), QPoint(0, 232));
    EXPECT_EQ(cornerOnScreen(QPoint(-5000, 5000), QSize(2000, 2000), screen, 20), QPoint(0, 20))
        << "larger than the screen: its corner and title bar in view";

    InMemorySettingsStore settings;
    settings.saveSetting(kSection, "Left", "-99999999");
    settings.saveSetting(kSection, "Top", "-4500");
    QWidget widget;
    widget.resize(300, 200);
    restoreWindowPlacement(widget, settings);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(widget.geometry().left(), area.left());
    EXPECT_GT(widget.geometry().top(), area.top());
}

}  // namespace
}  // namespace probel::test
