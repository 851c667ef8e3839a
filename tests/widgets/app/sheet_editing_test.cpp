// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"

namespace probel {
namespace {

// A sheet window on A4 upright (794 × 1123 pixels) with graph 1 at (100, 200) 300 × 200 and
// text label 1 lying on it; the pointer is driven with mouse events in paper pixels.
class SheetEditingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto sheet = std::make_unique<ChartSheet>();
        sheet->fName = "新規作成1";
        const std::int32_t number = sheet->addGraph();
        sheet->setFrameVisible(number, true);
        NormoBp& graph = *sheet->graph(number);
        graph.setFrameLeft(100);
        graph.setFrameTop(200);
        graph.setFrameWidth(300);
        graph.setFrameHeight(200);
        ChartLabel& label = *sheet->comLabel(sheet->addComLabel());
        label.caption = "ロットA";
        label.left = 150;
        label.top = 250;
        label.visible = true;
        form_ = std::make_unique<PicForm>(std::move(sheet));
        form_->resize(900, 1300);
        form_->show();
    }

    GraphFrameObject& frame() { return *form_->sekFrame(1); }
    GraphFrame graphFrame() const { return form_->sheet().graph(1)->frame(); }

    // Sends one mouse event to `object` at a point of the paper (the object may have moved).
    static void send(QWidget& object, QEvent::Type type, QPoint onPaper, Qt::MouseButton button,
                     Qt::MouseButtons buttons)
    {
        const QPointF local = QPointF(onPaper - object.pos());
        QMouseEvent event(type, local, object.mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&object, &event);
    }

    // Presses the left button at `from`, moves the pointer by `by` in one step, releases.
    static void drag(QWidget& object, QPoint from, QPoint by)
    {
        send(object, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        send(object, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        if (!by.isNull()) {
            send(object, QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
        }
        send(object, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
    }

    std::unique_ptr<PicForm> form_;
};

TEST_F(SheetEditingTest, MovingAFrameSnapsToTenPixelSteps)
{
    struct Case {
        int pointerDx;
        int pointerDy;
        int movedX;
        int movedY;
    };
    const Case cases[] = {
        {-7, 0, -10, 0}, {-4, 0, 0, 0}, {7, 0, 0, 0}, {13, 0, 10, 0}, {20, 0, 20, 0}, {0, -7, 0, -10}, {0, 13, 0, 10},
    };
    for (const Case& one : cases) {
        const GraphFrame before = graphFrame();
        drag(frame(), QPoint(before.left + 150, before.top + 100), QPoint(one.pointerDx, one.pointerDy));
        const GraphFrame after = graphFrame();
        EXPECT_EQ(after.left - before.left, one.movedX) << one.pointerDx;
        EXPECT_EQ(after.top - before.top, one.movedY) << one.pointerDy;
        EXPECT_EQ(after.width, 300);
        EXPECT_EQ(frame().geometry(), QRect(after.left, after.top, after.width, after.height));
    }
    // The moves that went somewhere are steps of the history, and the sheet is modified.
    EXPECT_TRUE(form_->moveFlag());
}

TEST_F(SheetEditingTest, EdgesResizeAndTheTopWinsInACorner)
{
    drag(frame(), QPoint(398, 300), QPoint(30, 0));  // right edge
    EXPECT_EQ(graphFrame(), (GraphFrame{100, 200, 330, 200}));
    drag(frame(), QPoint(101, 300), QPoint(-30, 0));  // left edge
    EXPECT_EQ(graphFrame(), (GraphFrame{70, 200, 360, 200}));
    drag(frame(), QPoint(428, 202), QPoint(0, -20));  // top-right corner: the top edge
    EXPECT_EQ(graphFrame(), (GraphFrame{70, 180, 360, 220}));
    EXPECT_EQ(frame().cursor().shape(), Qt::SizeVerCursor);
    drag(frame(), QPoint(250, 399), QPoint(0, 11));  // bottom edge, no snapping
    EXPECT_EQ(graphFrame(), (GraphFrame{70, 180, 360, 231}));
}

TEST_F(SheetEditingTest, AnEdgeStopsAtTheLastWidthOfFivePixelsOrMore)
{
    QWidget& object = frame();
    send(object, QEvent::MouseMove, QPoint(398, 300), Qt::NoButton, Qt::NoButton);
    send(object, QEvent::MouseButtonPress, QPoint(398, 300), Qt::LeftButton, Qt::LeftButton);
    send(object, QEvent::MouseMove, QPoint(110, 300), Qt::NoButton, Qt::LeftButton);  // width 12
    send(object, QEvent::MouseMove, QPoint(102, 300), Qt::NoButton, Qt::LeftButton);  // would be 4
    EXPECT_EQ(object.width(), 12);
    send(object, QEvent::MouseButtonRelease, QPoint(102, 300), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(graphFrame(), (GraphFrame{100, 200, 12, 200}));
}

TEST_F(SheetEditingTest, AReleasedFrameIsPushedBackOntoThePaperAndGoesBehindTheLabels)
{
    drag(frame(), QPoint(250, 300), QPoint(530, 0));  // right edge at 930, 136 beyond the paper
    EXPECT_EQ(graphFrame().left, 794 - 300);
    drag(frame(), QPoint(600, 300), QPoint(0, -400));
    EXPECT_EQ(graphFrame().top, 0);
    // The label lying on the graph is still what a click there reaches.
    const QPoint onLabel = form_->comLabel(1)->geometry().center();
    EXPECT_EQ(form_->mainPic()->childAt(onLabel), form_->comLabel(1));
    EXPECT_EQ(form_->undoStack()->count(), 2);
}

TEST_F(SheetEditingTest, PressAndReleaseWithoutMotionChangesNothing)
{
    drag(frame(), QPoint(250, 300), QPoint(0, 0));
    EXPECT_EQ(graphFrame(), (GraphFrame{100, 200, 300, 200}));
    EXPECT_FALSE(form_->moveFlag());
    EXPECT_EQ(form_->undoStack()->count(), 0);
    EXPECT_FALSE(frame().held());
}

TEST_F(SheetEditingTest, LabelsMoveSnappedStayAboveFramesAndUndoRestoresThePlace)
{
    SheetLabelObject& label = *form_->comLabel(1);
    EXPECT_EQ(label.accessibleName().toStdString(), "ロットA");
    drag(label, label.geometry().center(), QPoint(-27, 33));
    const ChartLabel& moved = *form_->sheet().comLabel(1);
    EXPECT_EQ(moved.left, 120);
    EXPECT_EQ(moved.top, 280);
    EXPECT_TRUE(form_->moveFlag());
    EXPECT_EQ(form_->mainPic()->childAt(label.geometry().center()), &label);

    form_->markSaved();
    form_->undoStack()->undo();
    EXPECT_EQ(form_->sheet().comLabel(1)->left, 150);
    EXPECT_EQ(form_->sheet().comLabel(1)->top, 250);
    EXPECT_EQ(label.pos(), QPoint(150, 250));
    EXPECT_TRUE(form_->moveFlag()) << "undo is a change that must be saved too";
    EXPECT_EQ(form_->undoStack()->undoText().toStdString(), "");
    EXPECT_EQ(form_->undoStack()->redoText().toStdString(), "テキストの移動");
}

TEST_F(SheetEditingTest, WhileAFrameIsHeldALabelCannotBeTakenToo)
{
    SheetLabelObject& label = *form_->comLabel(1);
    const QPoint onLabel = label.geometry().center();
    send(frame(), QEvent::MouseButtonPress, QPoint(350, 380), Qt::LeftButton, Qt::LeftButton);
    drag(label, onLabel, QPoint(40, 40));
    EXPECT_FALSE(label.held());
    EXPECT_EQ(label.pos(), QPoint(150, 250));

    send(frame(), QEvent::MouseMove, QPoint(370, 380), Qt::NoButton, Qt::LeftButton);
    send(frame(), QEvent::MouseButtonRelease, QPoint(370, 380), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(graphFrame(), (GraphFrame{120, 200, 300, 200}));
    EXPECT_EQ(form_->sheet().comLabel(1)->left, 150);
    EXPECT_EQ(form_->undoStack()->count(), 1);
}

TEST_F(SheetEditingTest, ObjectsHaveAccessibleNames)
{
    EXPECT_EQ(form_->mainPic()->accessibleName().toStdString(), "用紙");
    EXPECT_EQ(frame().accessibleName().toStdString(), "グラフ 1");
}

}  // namespace
}  // namespace probel

namespace probel {
namespace {

TEST_F(SheetEditingTest, TheMenuKeyOpensTheMenuOfWhatLiesUnderThePointer)
{
    std::vector<std::int32_t> labels;
    std::vector<std::int32_t> frames;
    int paperMenus = 0;
    QObject::connect(form_.get(), &PicForm::labelMenuRequested,
                     [&labels](PicForm*, std::int32_t index, QPoint) { labels.push_back(index); });
    QObject::connect(form_.get(), &PicForm::frameMenuRequested,
                     [&frames](PicForm*, std::int32_t number, QPoint) { frames.push_back(number); });
    QObject::connect(form_.get(), &PicForm::paperMenuRequested, [&paperMenus](PicForm*, QPoint) { ++paperMenus; });
    const auto menuKeyAt = [this](QPoint onPaper) {
        QCursor::setPos(form_->mainPic()->mapToGlobal(onPaper));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), QCursor::pos());
        QApplication::sendEvent(form_.get(), &event);
    };
    menuKeyAt(form_->comLabel(1)->geometry().center());
    menuKeyAt(QPoint(380, 380));
    menuKeyAt(QPoint(600, 700));
    EXPECT_EQ(labels, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(frames, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(paperMenus, 1);
    EXPECT_EQ(form_->paperClickPoint(), QPointF(600, 700));
}

}  // namespace
}  // namespace probel
