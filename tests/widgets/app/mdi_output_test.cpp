// SPDX-License-Identifier: MIT
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app_fixture.h"

namespace probel::test {
namespace {

using MDIOutputTest = AppTest;

// How long a test waits at most for what the event loop is to bring about.
constexpr int kWaitMs = 5000;

TEST_F(MDIOutputTest, HandedOverFilesWaitUntilAnOpenDialogHasClosed)
{
    const std::string path = writeDocument("lot.pbl");
    QDialog dialog(window_.get());
    dialog.setModal(true);
    dialog.show();
    QSignalSpy deferred(window_.get(), &MDIOutput::handOffDeferred);
    window_->receiveHandOff({QString::fromStdString(path)});
    // The first look and the first retry both find the dialog open.
    ASSERT_TRUE(QTest::qWaitFor([&deferred] { return deferred.count() >= 2; }, kWaitMs));
    EXPECT_TRUE(window_->picForms().empty()) << "nothing opens under a dialog";
    dialog.close();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window_->picForms().empty(); }, kWaitMs));
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{path}));
}

TEST_F(MDIOutputTest, HandedOverFilesWaitUntilTheRunningActionHasFinished)
{
    const std::string handed = writeDocument("handed.pbl");
    const std::string opened = writeDocument("opened.pbl", {.graphs = 3});
    window_->receiveHandOff({QString::fromStdString(handed)});
    // Reading lets pending events run once (the busy pointer), which is where a hand-off
    // could cut in.
    EXPECT_EQ(window_->fileActions().openDocuments({opened}).size(), 1U);
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{opened}));
    EXPECT_TRUE(QTest::qWaitFor([this] { return window_->picForms().count() == 2; }, kWaitMs));
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{opened, handed}));
}

// Another program may hand over any number of names; what cannot be opened is said once.
TEST_F(MDIOutputTest, HandOffsOfMissingFilesAreReportedInOneMessage)
{
    const std::string present = writeDocument("present.pbl");
    for (int i = 1; i <= 300; ++i) {
        window_->receiveHandOff({QString::fromStdString(pathIn("missing-" + std::to_string(i) + ".pbl"))});
    }
    window_->receiveHandOff({QString::fromStdString(present)});
    messages_.answer(MessageAnswer::Ok);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !messages_.asked().empty(); }, kWaitMs));
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{present}));
    ASSERT_EQ(messages_.asked().size(), 1U);
    const AskedMessage& report = messages_.asked()[0];
    EXPECT_EQ(report.title, "読み込みエラー");
    EXPECT_TRUE(report.text.starts_with("300 個のファイルを開けませんでした。\n\nファイル \"" +
                                        pathIn("missing-1.pbl") + "\" が見つかりません。\n"))
        << report.text;
    EXPECT_NE(report.text.find(pathIn("missing-10.pbl")), std::string::npos);
    EXPECT_EQ(report.text.find(pathIn("missing-11.pbl")), std::string::npos);
    EXPECT_TRUE(report.text.ends_with("\n\nほか 290 個")) << report.text;

    // One hand-off of the most names a message may carry.
    QStringList thousand;
    for (int i = 0; i < 1000; ++i) {
        thousand.append(QString::fromStdString(pathIn("gone-" + std::to_string(i) + ".pbl")));
    }
    window_->receiveHandOff(thousand);
    messages_.answer(MessageAnswer::Ok);
    EXPECT_TRUE(QTest::qWaitFor([this] { return messages_.asked().size() == 2; }, kWaitMs));
    ASSERT_EQ(messages_.asked().size(), 2U);
    EXPECT_TRUE(messages_.asked()[1].text.starts_with("1000 個のファイルを開けませんでした。"))
        << messages_.asked()[1].text;
}

TEST_F(MDIOutputTest, MinimisingAndRestoringASheetKeepsItsScrollPositions)
{
    window_->resize(700, 600);
    paperSizes_.answer(297420);
    PicForm* form = window_->fileActions().npdNew();
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    sub->resize(400, 300);
    form->yokoS()->setValue(2000);
    form->tateS()->setValue(3000);
    sub->showMinimized();
    QCoreApplication::processEvents();
    sub->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(form->yokoS()->value(), 2000);
    EXPECT_EQ(form->tateS()->value(), 3000);
}

TEST_F(MDIOutputTest, RightPressesOnObjectsAskForTheirMenusWithTheirNumbers)
{
    window_->fileActions().openDocuments({writeDocument("lot.pbl", {.graphs = 2})});
    PicForm* form = window_->activeSheet();
    ASSERT_NE(form, nullptr);
    std::vector<std::int32_t> frames;
    std::vector<std::int32_t> labels;
    QObject::connect(form, &PicForm::frameMenuRequested,
                     [&frames](PicForm*, std::int32_t number, QPoint) { frames.push_back(number); });
    QObject::connect(form, &PicForm::labelMenuRequested,
                     [&labels](PicForm*, std::int32_t index, QPoint) { labels.push_back(index); });
    rightPress(form->sekFrame(2));
    rightPress(form->comLabel(1));
    EXPECT_EQ(frames, (std::vector<std::int32_t>{2}));
    EXPECT_EQ(labels, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(form->paperClickPoint(), QPointF(0, 0)) << "only the empty paper sets the point";
}

TEST_F(MDIOutputTest, OpeningAnOpenFileBringsItsSheetToTheFrontAndCloseClosesTheActiveSheet)
{
    const std::string first = writeDocument("first.pbl");
    const std::string second = writeDocument("second.pbl");
    window_->fileActions().openDocuments({first, second});
    ASSERT_EQ(window_->activeSheet()->fName(), second);
    EXPECT_TRUE(window_->fileActions().openDocuments({first}).empty()) << "not opened twice";
    EXPECT_EQ(window_->activeSheet()->fName(), first);

    fileEntry("MenuClose")->trigger();
    settle();
    EXPECT_EQ(window_->picForms().keys(), (std::vector<std::string>{second}));
}

TEST_F(MDIOutputTest, LabelsLieAboveTheGraphFrames)
{
    window_->fileActions().openDocuments({writeDocument("lot.pbl")});
    PicForm* form = window_->activeSheet();
    const QObjectList& children = form->comLabel(1)->parentWidget()->children();
    EXPECT_GT(children.indexOf(form->comLabel(1)), children.indexOf(form->sekFrame(1)));
    EXPECT_GT(form->comLabel(1)->width(), 1);
    EXPECT_GT(form->comLabel(1)->height(), 1);
}

}  // namespace
}  // namespace probel::test
