// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>

#include <algorithm>
#include <vector>

#include "core/graph/canvas.h"
#include "dialogs/line_style_box.h"

namespace probel {
namespace {

// The pixels of an entry's line that are drawn, along its middle row.
std::vector<bool> drawnAlongTheMiddle(const LineStyleBox& box, int index)
{
    const QImage image = box.itemIcon(index).pixmap(box.iconSize(), 1.0).toImage();
    std::vector<bool> drawn;
    for (int x = 0; x < image.width(); ++x) {
        drawn.push_back(image.pixelColor(x, image.height() / 2).alpha() > 0);
    }
    return drawn;
}

TEST(LineStyleBox, SixEntriesWhosePositionValueAndPenStyleAgree)
{
    LineStyleBox box;
    EXPECT_FALSE(box.isEditable());
    ASSERT_EQ(box.count(), 6);
    const char* texts[] = {"実線", "鎖線", "点線", "一点鎖線", "二点鎖線", "透明"};
    for (int index = 0; index < box.count(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(box.itemText(index), QString::fromUtf8(texts[index]));
        EXPECT_EQ(box.itemData(index).toInt(), index);
        box.setCurrentIndex(index);
        EXPECT_EQ(box.penStyle(), index);
    }
}

TEST(LineStyleBox, EachEntryShowsItsOwnPatternAndTransparentShowsNone)
{
    LineStyleBox box;
    const auto solid = drawnAlongTheMiddle(box, kPenSolid);
    EXPECT_EQ(std::count(solid.begin(), solid.end(), true), static_cast<long>(solid.size()));
    std::vector<std::vector<bool>> patterns{solid};
    for (int style = kPenDash; style <= kPenDashDotDot; ++style) {
        SCOPED_TRACE(style);
        const auto pattern = drawnAlongTheMiddle(box, style);
        const auto drawn = std::count(pattern.begin(), pattern.end(), true);
        EXPECT_GT(drawn, 0);
        EXPECT_LT(drawn, static_cast<long>(pattern.size()));
        for (const auto& other : patterns) {
            EXPECT_NE(pattern, other);
        }
        patterns.push_back(pattern);
    }
    const auto none = drawnAlongTheMiddle(box, kPenInvisible);
    EXPECT_EQ(std::count(none.begin(), none.end(), true), 0);
}

TEST(LineStyleBox, SignalsEveryChangeAndKeepsAStyleItHasNoEntryFor)
{
    LineStyleBox box;
    QSignalSpy changes(&box, &LineStyleBox::penStyleChanged);
    box.setPenStyle(kPenDot);
    box.setCurrentIndex(kPenDash);
    box.setPenStyle(kPenInsideSolid);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.penStyle(), kPenInsideSolid);
    box.setPenStyle(-1);
    EXPECT_EQ(box.penStyle(), -1);
    box.setPenStyle(kPenSolid);
    EXPECT_EQ(box.penStyle(), kPenSolid);
    std::vector<int> signalled;
    for (const auto& arguments : changes) {
        signalled.push_back(arguments.at(0).toInt());
    }
    EXPECT_EQ(signalled, (std::vector<int>{kPenDot, kPenDash, kPenInsideSolid, -1, kPenSolid}));
}

}  // namespace
}  // namespace probel
