// SPDX-License-Identifier: MIT
#include "app/window_placement.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "support/platform/in_memory_settings_store.h"

namespace probel::test {
namespace {

constexpr auto kSection = "MDIOutput";

TEST(WindowPlacementTest, NormalStateStoresTheCornerInTwipsAndState0)
{
    QWidget window;
    window.move(100, 200);
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
    EXPECT_EQ(window.pos(), QPoint(100, 200));
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    window.show();
    EXPECT_TRUE(window.isMaximized());
    window.showNormal();
    EXPECT_EQ(window.pos(), QPoint(100, 200)) << "back to normal at the stored corner";
}

TEST(WindowPlacementTest, NothingStoredMeansTheCornerOfTheScreen)
{
    InMemorySettingsStore settings;
    QWidget window;
    window.move(30, 40);
    restoreWindowPlacement(window, settings);
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
}

TEST(WindowPlacementTest, ValuesThatAreNoPlaceOnAScreenLeaveTheWindowWhereItIs)
{
    struct Case {
        const char* left;
        const char* top;
        const char* state;
    };
    for (const Case& one : {Case{"abc", "3000", "0"}, Case{"1500", "", "0"}, Case{"1500.5", "3000", "x"},
                            Case{"99999999", "99999999", "0"}, Case{"-99999999", "0", "1"}}) {
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

TEST(WindowPlacementTest, SavedPlacementComesBackOnTheNextStart)
{
    InMemorySettingsStore settings;
    {
        QWidget window;
        window.move(64, 48);
        window.show();
        saveWindowPlacement(window, settings);
    }
    QWidget next;
    restoreWindowPlacement(next, settings);
    EXPECT_EQ(next.pos(), QPoint(64, 48));
}

}  // namespace
}  // namespace probel::test
