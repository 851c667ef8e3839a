// SPDX-License-Identifier: MIT
#include "app/graph_figures.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>

#include <gtest/gtest.h>

#include <string>

#include "app/file_actions.h"
#include "app/mdi_output.h"
#include "app/pic_form.h"
#include "app/read_off_label.h"
#include "app/sheet_objects.h"
#include "app_fixture.h"
#include "core/graph/probability_scale.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/data.h"

namespace probel::test {
namespace {

class GraphFiguresTest : public AppTest {
protected:
    PicForm* openExample()
    {
        const std::string example = std::string(PROBEL_SOURCE_DIR) + "/examples/sample-sheet.pbl";
        window_->fileActions().openDocuments({example});
        return window_->activeSheet();
    }

    static void movePointer(QWidget* widget, QPointF position)
    {
        QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

TEST_F(GraphFiguresTest, StatusBarReadsTheMarkerOrThePlaceUnderThePointer)
{
    PicForm* form = openExample();
    ASSERT_NE(form, nullptr);
    const ChartSheet& sheet = form->sheet();
    const std::int32_t number = *sheet.graphNumberAt(1);
    const NormoBp& graph = *sheet.graph(number);
    const NormoData& series = *graph.dataIfAny()->find(1);
    GraphFrameObject* frame = form->sekFrame(number);
    ASSERT_NE(frame, nullptr);

    const auto count = static_cast<std::int32_t>(series.sortData().size());
    const auto y =
        probabilityToY(graph.quantileTable(), graph.frameTop(), graph.frameHeight(), plottingPosition(count, count));
    const auto x =
        valueToX(series.sortData().back(), graph.storedMin(), graph.storedMax(), graph.frameLeft(), graph.frameWidth());
    ASSERT_TRUE(x && y);
    movePointer(frame, QPointF(*x, *y) - QPointF(frame->pos()));
    const std::string onMarker = window_->readOff()->text().toStdString();
    EXPECT_EQ(onMarker.rfind(series.comment() + "  No," + std::to_string(count) + ": ", 0), 0U) << onMarker;

    movePointer(frame, QPointF(2, graph.frameHeight() / 2.0));
    const std::string onPaper = window_->readOff()->text().toStdString();
    EXPECT_EQ(onPaper.rfind("X = ", 0), 0U) << onPaper;
    EXPECT_NE(onPaper.find("P = 50.00 %"), std::string::npos) << onPaper;

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(frame, &leave);
    EXPECT_TRUE(window_->readOff()->text().isEmpty());
    EXPECT_EQ(window_->readOff()->accessibleName(), QStringLiteral("読み取り"));
}

TEST_F(GraphFiguresTest, FrameAndDetailLabelTooltipsGiveTheFiguresOfEverySeries)
{
    PicForm* form = openExample();
    ASSERT_NE(form, nullptr);
    const ChartSheet& sheet = form->sheet();
    const std::int32_t number = *sheet.graphNumberAt(1);
    const QString figures = seriesFigures(sheet, number);
    for (const NormoData& series : *sheet.graph(number)->dataIfAny()) {
        EXPECT_TRUE(figures.contains(QString::fromStdString(series.comment() + "\nn = "))) << series.comment();
    }
    EXPECT_TRUE(figures.contains(QStringLiteral("Cpk = ")));

    GraphFrameObject* frame = form->sekFrame(number);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), frame->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(frame, &help);
    EXPECT_EQ(QToolTip::text(), figures);

    const NormoData& first = *sheet.graph(number)->dataIfAny()->find(1);
    const std::int64_t labelIndex = ChartSheet::detailLabelIndex(number, first.id());
    EXPECT_EQ(graphOfDetailLabel(sheet, labelIndex), number);
    if (SheetLabelObject* label = form->sLabel(labelIndex)) {
        QToolTip::hideText();
        QHelpEvent onLabel(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &onLabel);
        EXPECT_EQ(QToolTip::text(), figures);
    }
    EXPECT_FALSE(graphOfDetailLabel(sheet, 999999).has_value());
}

// On Weibull paper each series' figures end with its fit: the example's 85 ℃ lot is the
// failure-times table's first column, whose fit the stats command prints too.
TEST_F(GraphFiguresTest, OnWeibullPaperTheFiguresEndWithTheFit)
{
    const std::string example = std::string(PROBEL_SOURCE_DIR) + "/examples/failure-times-weibull.pbl";
    window_->fileActions().openDocuments({example});
    const PicForm* form = window_->activeSheet();
    ASSERT_NE(form, nullptr);
    const std::string text = seriesFigures(form->sheet(), *form->sheet().graphNumberAt(1)).toStdString();
    const std::string first = text.substr(0, text.find("\n\n"));
    EXPECT_NE(first.find("\nβ    : 2.077\nη    : 47272\nB10  : 15999\nA*   : 0.35 (p > 0.25)"), std::string::npos)
        << first;
}

}  // namespace
}  // namespace probel::test
