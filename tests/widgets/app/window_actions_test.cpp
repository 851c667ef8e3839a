// SPDX-License-Identifier: MIT
#include "app/window_actions.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app_fixture.h"

namespace probel::test {
namespace {

TEST(WindowTilingTest, BandsFillTheAreaExactly)
{
    EXPECT_EQ(tileBands(QRect(0, 0, 900, 601), 3, WindowArrangement::OneAboveTheOther),
              (std::vector<QRect>{QRect(0, 0, 900, 201), QRect(0, 201, 900, 200), QRect(0, 401, 900, 200)}));
    EXPECT_EQ(tileBands(QRect(10, 20, 902, 600), 4, WindowArrangement::SideBySide),
              (std::vector<QRect>{QRect(10, 20, 226, 600), QRect(236, 20, 226, 600), QRect(462, 20, 225, 600),
                                  QRect(687, 20, 225, 600)}));
    EXPECT_EQ(tileBands(QRect(0, 0, 500, 400), 1, WindowArrangement::SideBySide),
              (std::vector<QRect>{QRect(0, 0, 500, 400)}));
    EXPECT_TRUE(tileBands(QRect(0, 0, 500, 400), 0, WindowArrangement::SideBySide).empty());
    EXPECT_TRUE(tileBands(QRect(0, 0, 500, 400), 3, WindowArrangement::Cascade).empty());
}

TEST(WindowTilingTest, CascadedPlacesShareTheAreaAndStartAgainPastItsMiddle)
{
    EXPECT_EQ(cascadeRects(QRect(0, 0, 900, 600), 3, 20),
              (std::vector<QRect>{QRect(0, 0, 860, 560), QRect(20, 20, 860, 560), QRect(40, 40, 860, 560)}));
    EXPECT_EQ(cascadeRects(QRect(0, 0, 900, 600), 1, 20), (std::vector<QRect>{QRect(0, 0, 900, 600)}));
    EXPECT_TRUE(cascadeRects(QRect(0, 0, 900, 600), 0, 20).empty());

    // 200 / 2 / 30 + 1 = 4 windows a run: every one keeps more than half the area.
    const std::vector<QRect> many = cascadeRects(QRect(10, 10, 300, 200), 9, 30);
    ASSERT_EQ(many.size(), 9U);
    for (std::size_t i = 0; i < many.size(); ++i) {
        EXPECT_EQ(many[i], QRect(QPoint(10, 10) + QPoint(30, 30) * static_cast<int>(i % 4), QSize(210, 110))) << i;
    }
    EXPECT_EQ(cascadeRects(QRect(0, 0, 10, 10), 2, 0), (std::vector<QRect>{QRect(0, 0, 9, 9), QRect(1, 1, 9, 9)}))
        << "a step of 0 is taken as 1";
}

using WindowMenuTest = AppTest;

TEST_F(WindowMenuTest, ArrangementsTileTheSheetsAndTheMenuListsThem)
{
    window_->resize(900, 700);
    for (int i = 0; i < 3; ++i) {
        paperSizes_.answer(210297);
        window_->fileActions().npdNew();
    }
    QMenu* menu = window_->menuWindow();
    EXPECT_EQ(menu->title().toStdString(), "ｳｨﾝﾄﾞｳ(&W)");
    emit menu->aboutToShow();
    std::vector<std::string> captions;
    for (const QAction* action : menu->actions()) {
        captions.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"重ねて表示(&C)", "上下に並べて表示(&H)", "左右に並べて表示(&V)", "-",
                                                  "&1 新規作成1", "&2 新規作成2", "&3 新規作成3"}));
    EXPECT_TRUE(menu->actions().back()->isChecked()) << "the active sheet is checked";

    const QSize area = window_->mdiArea()->viewport()->size();
    window_->findChild<QAction*>(QStringLiteral("WindowTile1"))->trigger();
    for (QMdiSubWindow* sub : window_->mdiArea()->subWindowList()) {
        EXPECT_EQ(sub->width(), area.width());
        EXPECT_NEAR(sub->height(), area.height() / 3, 1);
    }
    window_->findChild<QAction*>(QStringLiteral("WindowTile2"))->trigger();
    for (QMdiSubWindow* sub : window_->mdiArea()->subWindowList()) {
        EXPECT_EQ(sub->height(), area.height());
        EXPECT_NEAR(sub->width(), area.width() / 3, 1);
    }
    window_->findChild<QAction*>(QStringLiteral("WindowTile0"))->trigger();
    const QList<QMdiSubWindow*> cascaded = window_->mdiArea()->subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(cascaded.size(), 3);
    const int step = cascaded[0]->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(cascaded[i]->geometry(), QRect(QPoint(i * step, i * step), area - QSize(2 * step, 2 * step)))
            << "as large as the cascade allows, the front window lowest";
    }
    EXPECT_EQ(cascaded.back()->widget(), window_->activeSheet()) << "the active sheet stays in front";

    // Choosing a sheet in the list brings it to the front.
    emit menu->aboutToShow();
    menu->actions()[4]->trigger();
    EXPECT_EQ(window_->activeSheet()->fName(), "新規作成1");
}

TEST_F(WindowMenuTest, AnAmpersandInAFileNameIsShownAsWritten)
{
    const std::string path = writeDocument("R&D.pbl");
    ASSERT_EQ(window_->fileActions().openDocuments({path}).size(), 1U);
    QMenu* menu = window_->menuWindow();
    emit menu->aboutToShow();
    const QString entry = menu->actions().back()->text();
    EXPECT_EQ(entry.toStdString(),
              "&1 " + QString::fromStdString(path).replace(u'&', QStringLiteral("&&")).toStdString());
}

}  // namespace
}  // namespace probel::test
