// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>

#include "app/file_actions.h"
#include "app/graph_figures.h"
#include "app/pic_form.h"
#include "app/read_off_label.h"
#include "app/sheet_objects.h"
#include "app_fixture.h"
#include "core/sheet/chart_sheet.h"

namespace probel::test {
namespace {

QString accessibleText(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(kind) : QStringLiteral("(no interface)");
}

class ScreenReaderTest : public AppTest {
protected:
    PicForm& openExample()
    {
        const std::string example = std::string(PROBEL_SOURCE_DIR) + "/examples/sample-sheet.pbl";
        const std::vector<PicForm*> opened = window_->fileActions().openDocuments({example});
        EXPECT_EQ(opened.size(), 1U);
        return *opened.front();
    }

    static void movePointer(QWidget* widget, QPointF position)
    {
        QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

TEST_F(ScreenReaderTest, TheReadOffIsReadWithTheValueUnderThePointer)
{
    PicForm& form = openExample();
    const std::int32_t number = *form.sheet().graphNumberAt(1);
    GraphFrameObject* frame = form.sekFrame(number);
    ASSERT_NE(frame, nullptr);
    QWidget* readOff = window_->readOff();
    EXPECT_EQ(accessibleText(readOff, QAccessible::Name), QStringLiteral("読み取り"));

    movePointer(frame, QPointF(2, frame->height() / 2.0));
    const QString reading = window_->readOff()->text();
    ASSERT_TRUE(reading.startsWith(QStringLiteral("X = "))) << reading.toStdString();
    EXPECT_EQ(accessibleText(readOff, QAccessible::Name), QStringLiteral("読み取り: ") + reading);

    movePointer(frame, QPointF(frame->width() - 2, frame->height() / 4.0));
    ASSERT_NE(window_->readOff()->text(), reading) << "another place reads another value";
    EXPECT_EQ(accessibleText(readOff, QAccessible::Name), QStringLiteral("読み取り: ") + window_->readOff()->text());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(frame, &leave);
    EXPECT_EQ(accessibleText(readOff, QAccessible::Name), QStringLiteral("読み取り"));
}

TEST_F(ScreenReaderTest, AGraphAndItsDetailLabelsAreDescribedByTheFiguresOfItsSeries)
{
    PicForm& form = openExample();
    const std::int32_t number = *form.sheet().graphNumberAt(1);
    GraphFrameObject* frame = form.sekFrame(number);
    ASSERT_NE(frame, nullptr);
    const QString figures = seriesFigures(form.sheet(), number);
    ASSERT_TRUE(figures.contains(QStringLiteral("Cpk = ")));

    EXPECT_EQ(accessibleText(frame, QAccessible::Name), QStringLiteral("グラフ %1").arg(number));
    EXPECT_EQ(accessibleText(frame, QAccessible::Description), figures);

    const NormoData& first = *form.sheet().graph(number)->dataIfAny()->find(1);
    SheetLabelObject* label = form.sLabel(ChartSheet::detailLabelIndex(number, first.id()));
    ASSERT_NE(label, nullptr) << "the example shows the first series' details";
    EXPECT_EQ(accessibleText(label, QAccessible::Description), figures);

    // The description follows the series: one more is described too.
    arrangeSheet(form, [number](ChartSheet& sheet) {
        NormoData& added = sheet.graph(number)->data().add();
        added.setIniData({1, 2, 3, 4});
        added.setId(99);
    });
    const QString more = seriesFigures(form.sheet(), number);
    ASSERT_NE(more, figures);
    EXPECT_EQ(accessibleText(frame, QAccessible::Description), more);
}

TEST_F(ScreenReaderTest, AGraphWithoutSeriesKeepsItsHintAsDescription)
{
    const std::vector<PicForm*> opened = window_->fileActions().openDocuments({writeDocument("empty.pbl")});
    ASSERT_EQ(opened.size(), 1U);
    GraphFrameObject* frame = opened.front()->sekFrame(1);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(accessibleText(frame, QAccessible::Description), frame->toolTip());
    EXPECT_FALSE(frame->toolTip().isEmpty());
}

}  // namespace
}  // namespace probel::test
