// SPDX-License-Identifier: MIT
#include "app/sheet_scrolling.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "app/pic_form.h"
#include "app/sheet_paper.h"
#include "core/sheet/paper_size.h"

namespace probel {
namespace {

constexpr double kA4Width = 210 * kTwipsPerMillimetre;   // 11907
constexpr double kA4Height = 297 * kTwipsPerMillimetre;  // 16839.9

TEST(SheetScrollingTest, RangeIsThePaperHiddenBehindTheWindowAndTheCrossingBar)
{
    struct Case {
        double paper, window, bar, offset;
        ScrollRange expected;
    };
    const std::vector<Case> cases = {
        {kA4Width, 9000, 255, 0, {3162, 0}},         // 600 pixels wide at 15 twips per pixel
        {kA4Height, 9000, 255, 0, {8095, 0}},        // 8094.9 rounds up
        {kA4Width, 9000, 255, -1500, {3162, 1500}},  // the paper scrolled 100 pixels
        {kA4Width, 9000, 255, -5000, {3162, 3162}},  // a wider window brings the position down
        {kA4Width, 15000, 255, -3000, {0, 0}},       // paper narrower than the window
        {kA4Width, 12162, 255, 0, {0, 0}},           // exactly fits
        {kA4Width, 12162.5, 255, 0, {0, 0}},         // -0.5 rounds to even: 0
        {kA4Width, 12161.5, 255, 0, {0, 0}},         // 0.5 rounds to even: 0
        {kA4Width, 12160.5, 255, 0, {2, 0}},         // 1.5 rounds to even: 2
    };
    for (const Case& one : cases) {
        EXPECT_EQ(scrollRange(one.paper, one.window, one.bar, one.offset), one.expected)
            << one.paper << " " << one.window << " " << one.offset;
    }
}

TEST(SheetScrollingTest, DraggingMovesByTheTwipsOfThePointerUntilThePaperEnds)
{
    const std::vector<std::tuple<std::int32_t, std::int32_t, double, std::int32_t>> cases = {
        {0, 3162, -10, 150},      // 10 pixels left scrolls 150 twips to the right
        {150, 3162, 10, 0},       // and back
        {1000, 3162, 2.5, 962},   // 37.5 twips, halves to even
        {3100, 3162, -10, 3162},  // beyond the end stops at the end
        {100, 3162, 20, 0},       // beyond the start stops at the start
        {0, 0, -10, 0},           // nothing to scroll
        {500, 3162, 0, 500},
    };
    for (const auto& [position, maximum, delta, expected] : cases) {
        EXPECT_EQ(dragScrollPosition(position, maximum, delta, kTwipsPerPixel), expected) << position << " " << delta;
    }
    EXPECT_EQ(paperOffsetPixels(150, kTwipsPerPixel), -10);
    EXPECT_EQ(paperOffsetPixels(160, kTwipsPerPixel), -11);  // 10.67 pixels
    EXPECT_EQ(paperOffsetPixels(0, kTwipsPerPixel), 0);
}

// The same arithmetic inside a sheet window, with the bars' real thickness.
class SheetWindowScrollTest : public ::testing::Test {
protected:
    void open(std::int32_t paperCode, QSize windowSize)
    {
        auto sheet = std::make_unique<ChartSheet>();
        sheet->fName = "新規作成1";
        sheet->myFormType = paperCode;
        form_ = std::make_unique<PicForm>(std::move(sheet));
        form_->resize(windowSize);
        form_->show();
    }
    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons, Qt::MouseButton button)
    {
        QWidget* paper = form_->mainPic();
        QMouseEvent event(type, QPointF(at), paper->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(paper, &event);
    }

    std::unique_ptr<PicForm> form_;
};

TEST_F(SheetWindowScrollTest, BarsSitAtTheEdgesWithRangesInTwips)
{
    open(210297, QSize(600, 500));
    const int barWidth = form_->tateS()->width();
    const int barHeight = form_->yokoS()->height();
    EXPECT_EQ(form_->yokoS()->geometry(), QRect(0, 500 - barHeight, 600 - barWidth, barHeight));
    EXPECT_EQ(form_->tateS()->geometry(), QRect(600 - barWidth, 0, barWidth, 500 - barHeight));
    EXPECT_EQ(form_->sPic()->geometry(), QRect(600 - barWidth, 500 - barHeight, barWidth, barHeight));
    EXPECT_EQ(form_->yokoS()->maximum(), scrollRange(kA4Width, 9000, barWidth * 15.0, 0).maximum);
    EXPECT_EQ(form_->tateS()->maximum(), scrollRange(kA4Height, 7500, barHeight * 15.0, 0).maximum);
    EXPECT_EQ(form_->yokoS()->singleStep(), 160);
    EXPECT_EQ(form_->yokoS()->pageStep(), 1680);
    EXPECT_EQ(form_->tateS()->singleStep(), 120);
    EXPECT_EQ(form_->tateS()->pageStep(), 1190);
    EXPECT_EQ(form_->mainPic()->geometry(), QRect(0, 0, 794, 1123));
    EXPECT_EQ(form_->mainPic()->toolTip().toStdString(), "右クリックでグラフやテキストの変更ができます");
}

TEST_F(SheetWindowScrollTest, APaperSmallerThanTheWindowCannotScroll)
{
    open(210148, QSize(1000, 800));
    EXPECT_EQ(form_->yokoS()->maximum(), 0);
    EXPECT_EQ(form_->tateS()->maximum(), 0);
    EXPECT_EQ(form_->mainPic()->pos(), QPoint(0, 0));
}

TEST_F(SheetWindowScrollTest, ScrollingMovesThePaperAndWideningBringsItsRightEdgeBack)
{
    open(210297, QSize(600, 500));
    form_->yokoS()->setValue(form_->yokoS()->maximum());
    form_->tateS()->setValue(1500);
    const int maximum = form_->yokoS()->maximum();
    EXPECT_EQ(form_->mainPic()->pos(), QPoint(paperOffsetPixels(maximum, 15), -100));

    form_->resize(700, 500);
    EXPECT_EQ(form_->yokoS()->maximum(), maximum - 1500);
    EXPECT_EQ(form_->yokoS()->value(), maximum - 1500);
    EXPECT_EQ(form_->mainPic()->x(), paperOffsetPixels(maximum - 1500, 15));
    EXPECT_EQ(form_->tateS()->value(), 1500);
}

TEST_F(SheetWindowScrollTest, DraggingThePaperScrollsItUnderThePointerWithAHand)
{
    open(210297, QSize(600, 500));
    sendMouse(QEvent::MouseButtonPress, QPoint(300, 300), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(form_->mainPic()->cursor().shape(), Qt::ClosedHandCursor);
    sendMouse(QEvent::MouseMove, QPoint(290, 296), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form_->yokoS()->value(), 150);
    EXPECT_EQ(form_->tateS()->value(), 60);
    EXPECT_EQ(form_->mainPic()->pos(), QPoint(-10, -4));
    // The paper moved with the pointer: the same paper point is 10 pixels further right now.
    sendMouse(QEvent::MouseMove, QPoint(300 - 10000, 300), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form_->yokoS()->value(), form_->yokoS()->maximum());
    sendMouse(QEvent::MouseButtonRelease, QPoint(0, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(form_->mainPic()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SheetWindowScrollTest, RightClickOnThePaperRemembersThePointAndAsksForTheMenu)
{
    open(210297, QSize(600, 500));
    int asked = 0;
    QObject::connect(form_.get(), &PicForm::paperMenuRequested, [&asked](PicForm*, QPoint) { ++asked; });
    sendMouse(QEvent::MouseButtonPress, QPoint(123, 47), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(form_->paperClickPoint(), QPointF(123, 47));
    EXPECT_EQ(form_->yokoS()->value(), 0) << "the right button does not drag";
}

}  // namespace
}  // namespace probel

namespace probel {
namespace {

TEST_F(SheetWindowScrollTest, TheWheelAndTheKeysScrollThroughTheBarsWithTheirSteps)
{
    open(210297, QSize(600, 500));
    const auto wheel = [this](QPoint delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(100, 100), form_->mapToGlobal(QPointF(100, 100)), QPoint(), delta, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form_.get(), &event);
    };
    wheel(QPoint(0, -120), Qt::NoModifier);  // one notch down: three arrow steps
    EXPECT_EQ(form_->tateS()->value(), 3 * 120);
    EXPECT_EQ(form_->mainPic()->y(), paperOffsetPixels(360, 15));
    wheel(QPoint(0, -120), Qt::ShiftModifier);  // sideways
    EXPECT_EQ(form_->yokoS()->value(), 3 * 160);
    wheel(QPoint(120, 0), Qt::NoModifier);  // a horizontal wheel back
    EXPECT_EQ(form_->yokoS()->value(), 0);

    const auto key = [this](int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(form_.get(), &press);
    };
    key(Qt::Key_PageDown);
    EXPECT_EQ(form_->tateS()->value(), 360 + 1190);
    key(Qt::Key_Up);
    EXPECT_EQ(form_->tateS()->value(), 360 + 1190 - 120);
    key(Qt::Key_Right);
    EXPECT_EQ(form_->yokoS()->value(), 160);
    key(Qt::Key_End);
    EXPECT_EQ(form_->tateS()->value(), form_->tateS()->maximum());
    key(Qt::Key_Home);
    EXPECT_EQ(form_->tateS()->value(), 0);
    EXPECT_EQ(form_->yokoS()->value(), 0);
    EXPECT_EQ(form_->mainPic()->pos(), QPoint(0, 0));
}

}  // namespace
}  // namespace probel
