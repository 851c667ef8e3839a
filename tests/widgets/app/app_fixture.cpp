// SPDX-License-Identifier: MIT
#include "app_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QUndoCommand>
#include <QUndoStack>

#include <cmath>

#include "app/pic_form.h"
#include "app/sheet_commands.h"
#include "app/sheet_menus.h"
#include "core/document/sheet_writer.h"
#include "core/sheet/chart_sheet.h"

namespace probel::test {
namespace {

// A test's arrangement of a sheet, run once as the one way into its content.
class Arrangement : public SheetChange {
public:
    Arrangement(ChartSheet& sheet, const std::function<void(ChartSheet&)>& arrange) : sheet_(sheet), arrange_(arrange)
    {
    }
    void redo() override { arrange_(sheet_); }

private:
    ChartSheet& sheet_;
    std::function<void(ChartSheet&)> arrange_;
};

}  // namespace

void arrangeSheet(PicForm& form, const std::function<void(ChartSheet&)>& arrange)
{
    form.edit<Arrangement>(arrange);
    form.undoStack()->clear();
}

void changeContent(PicForm& form)
{
    std::int32_t index = 1;
    while (form.sheet().comLabel(index) != nullptr) {
        ++index;
    }
    ChartLabel label = form.sheet().comLabelTemplate();
    label.caption = "変更";
    label.visible = true;
    form.edit<ChangeTextLabel>(index, std::nullopt, label);
}

std::int32_t ScriptedPaperSizes::choosePaperCode()
{
    ++asked_;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected paper size dialog";
        return kDefaultPaperCode;
    }
    const std::int32_t code = answers_.front();
    answers_.pop_front();
    return code;
}

std::optional<LabelSettings> ScriptedLabelEditor::editLabel(const LabelSettings& initial)
{
    presets_.push_back(initial);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected text label dialog";
        return std::nullopt;
    }
    std::optional<LabelSettings> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

GraphDialogValues shownValues(const GraphDialogInput& input)
{
    const GraphSettings& graph = input.graph;
    const auto axis = [&graph](double stored) { return graph.logV ? std::pow(10.0, stored) : stored; };
    return GraphDialogValues{graph.logV,      graph.frameDrawStyle,  graph.lineDrawStyle,   graph.frame.left,
                             graph.frame.top, graph.frame.width,     graph.frame.height,    graph.frameColor,
                             graph.lineColor, axis(graph.storedMin), axis(graph.storedMax), graph.tanni,
                             graph.xJikuStep, graph.memoriCheck,     graph.xJikuCheck,      graph.bunnkatu,
                             graph.analysis};
}

void ScriptedGraphEditor::confirm(std::function<void(GraphDialogValues&)> change)
{
    answer([change = std::move(change)](const GraphDialogInput& input) {
        GraphDialogValues values = shownValues(input);
        if (change) {
            change(values);
        }
        return GraphDialogOutcome{std::nullopt, values};
    });
}

void ScriptedGraphEditor::cancel(std::optional<CanvasFont> font)
{
    answer([font](const GraphDialogInput&) { return GraphDialogOutcome{font, std::nullopt}; });
}

GraphDialogOutcome ScriptedGraphEditor::editGraph(const GraphDialogInput& input)
{
    inputs_.push_back(input);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected graph settings dialog";
        return {};
    }
    const Answer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer(input);
}

std::optional<DataDialogValues> ScriptedDataEditor::editData(const DataDialogInput& input)
{
    inputs_.push_back(input);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected data dialog";
        return std::nullopt;
    }
    const Answer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer(input);
}

std::optional<std::int32_t> ScriptedSeriesChooser::chooseSeries(const std::string& title,
                                                                const std::vector<std::string>& comments)
{
    shown_.emplace_back(title, comments);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected series chooser";
        return std::nullopt;
    }
    const std::optional<std::int32_t> chosen = answers_.front();
    answers_.pop_front();
    return chosen;
}

void AppTest::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    window_ =
        std::make_unique<MDIOutput>(AppServices{messages_, fileDialogs_, paperSizes_, settings_, labelEditor_,
                                                graphEditor_, dataEditor_, seriesChooser_, clipboard_, printDialogs_});
    window_->show();
    window_->sheetMenus().setPopUp([this](QMenu& menu, QPoint) -> QAction* {
        std::vector<std::string> shown{menu.objectName().toStdString()};
        QAction* chosen = nullptr;
        for (QAction* entry : menu.actions()) {
            shown.push_back(entry->isSeparator() ? "-" : entry->text().toStdString());
            if (!nextMenuChoice_.empty() && entry->objectName().toStdString() == nextMenuChoice_) {
                chosen = entry;
            }
        }
        shownMenus_.push_back(std::move(shown));
        nextMenuChoice_.clear();
        return chosen;
    });
}

void AppTest::TearDown()
{
    // Nothing may ask anything once the test is over.
    if (window_) {
        for (PicForm* form : window_->picForms().forms()) {
            form->markSaved();
        }
        window_.reset();
    }
    settle();
    EXPECT_EQ(messages_.unusedAnswers(), 0U);
    EXPECT_EQ(fileDialogs_.unusedAnswers(), 0U);
    EXPECT_EQ(labelEditor_.unusedAnswers(), 0U);
    EXPECT_EQ(graphEditor_.unusedAnswers(), 0U);
    EXPECT_EQ(dataEditor_.unusedAnswers(), 0U);
    EXPECT_EQ(seriesChooser_.unusedAnswers(), 0U);
    EXPECT_EQ(printDialogs_.unusedAnswers(), 0U);
}

std::string AppTest::pathIn(const std::string& name) const
{
    return folder_.filePath(QString::fromStdString(name)).toStdString();
}

std::string AppTest::writeDocument(const std::string& name, const TestDocument& content)
{
    ChartSheet sheet;
    sheet.myFormType = content.paperCode;
    for (int i = 0; i < content.graphs; ++i) {
        const std::int32_t number = sheet.addGraph();
        sheet.setFrameVisible(number, true);
        NormoBp* graph = sheet.graph(number);
        graph->setFrameLeft(40 + 300 * i);
        graph->setFrameTop(60);
        graph->setFrameWidth(260);
        graph->setFrameHeight(320);
    }
    if (!content.labelCaption.empty()) {
        const std::int32_t index = sheet.addComLabel();
        ChartLabel* label = sheet.comLabel(index);
        label->caption = content.labelCaption;
        label->left = 100;
        label->top = 420;
        label->visible = true;
    }
    const std::string path = pathIn(name);
    const Status written = writeSheetFile(sheet, path);
    EXPECT_TRUE(written.ok()) << written.error().message;
    return path;
}

QAction* AppTest::fileEntry(const char* name)
{
    emit window_->menuFile()->aboutToShow();
    auto* action = window_->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

void AppTest::rightPress(QWidget* target, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

void AppTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace probel::test
