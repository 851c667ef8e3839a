// SPDX-License-Identifier: MIT
#include <QFile>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/drop_actions.h"
#include "app/file_actions.h"
#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "app/sheet_paper.h"
#include "app_fixture.h"
#include "core/document/sheet_writer.h"

namespace probel::test {
namespace {

// Hundreds of random changes of every kind the program makes, each through the action a user
// reaches it by (menus and dialogs answered by script, drops, the mouse's moves), with saves
// under new names in between: undoing them all gives the document as it was read, byte for
// byte, and redoing them all the document as it was at the end.
class UndoRoundTripTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_EQ(window_->fileActions().openDocuments({writeDocument("lot.pbl", {.graphs = 3})}).size(), 1U);
        form_ = window_->activeSheet();
        const std::string table = pathIn("table.csv");
        QFile file(QString::fromStdString(table));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("外径,内径\n10.1,5.2\n10.3,5.1\n9.8,5.3\n");
        table_ = table;
    }

    std::string bytes() const { return sheetFileBytes(form_->sheet()).value(); }

    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }

    std::vector<std::int32_t> graphNumbers() const
    {
        std::vector<std::int32_t> numbers;
        for (std::int32_t position = 1; position <= form_->sheet().myNormo().count(); ++position) {
            numbers.push_back(*form_->sheet().graphNumberAt(position));
        }
        return numbers;
    }
    std::int32_t anyGraph()
    {
        const std::vector<std::int32_t> numbers = graphNumbers();
        return numbers.empty() ? 0 : numbers[static_cast<std::size_t>(pick(0, static_cast<int>(numbers.size()) - 1))];
    }
    std::int32_t anyTextLabel()
    {
        const auto& labels = form_->sheet().comLabels();
        if (labels.empty()) {
            return 0;
        }
        auto it = labels.begin();
        std::advance(it, pick(0, static_cast<int>(labels.size()) - 1));
        return it->first;
    }
    std::int32_t seriesCount(std::int32_t number) const
    {
        const Data* data = form_->sheet().graph(number)->dataIfAny();
        return data != nullptr ? data->count() : 0;
    }

    void onFrame(std::int32_t number, const char* entry)
    {
        nextMenuChoice_ = entry;
        rightPress(form_->sekFrame(number), QPoint(20, 20));
    }

    void moveOrResizeGraph()
    {
        const std::int32_t number = anyGraph();
        const GraphFrame before = form_->sheet().graph(number)->frame();
        GraphFrame after = before;
        after.left = std::max(0, after.left + 10 * pick(-5, 5));
        after.width = std::max(20, after.width + pick(-30, 30));
        form_->edit<MoveGraphFrame>(number, before, after);
    }
    void moveLabel()
    {
        const bool detail = !form_->sheet().sLabels().empty() && pick(0, 1) == 0;
        if (detail) {
            auto it = form_->sheet().sLabels().begin();
            std::advance(it, pick(0, static_cast<int>(form_->sheet().sLabels().size()) - 1));
            const LabelPlace before{it->second.left, it->second.top};
            form_->edit<MoveLabel>(LabelArray::Detail, it->first, before, LabelPlace{before.left + 10, before.top});
        } else if (const std::int32_t index = anyTextLabel()) {
            const ChartLabel& label = *form_->sheet().comLabel(index);
            form_->edit<MoveLabel>(LabelArray::Text, index, LabelPlace{label.left, label.top},
                                   LabelPlace{label.left, label.top + 10.5F});
        }
    }
    void addOrEditOrDeleteText()
    {
        const std::int32_t index = anyTextLabel();
        const LabelSettings settings{"ラベル " + std::to_string(pick(0, 999)), pick(0, 1) == 1,
                                     CanvasFont{"ＭＳ 明朝", static_cast<double>(pick(8, 30)), pick(0, 1) == 1},
                                     pick(0, 0xFFFFFF)};
        const int kind = index == 0 ? 0 : pick(0, 2);
        if (kind == 0) {
            labelEditor_.answer(settings);
            nextMenuChoice_ = "PopMenuComNew";
            rightPress(form_->mainPic(), QPoint(pick(0, 700), pick(0, 1000)));
        } else if (kind == 1) {
            labelEditor_.answer(settings);
            nextMenuChoice_ = "PopMenuComRe";
            rightPress(form_->comLabel(index));
        } else {
            messages_.answer(MessageAnswer::Ok);
            nextMenuChoice_ = "PopMenuComDel";
            rightPress(form_->comLabel(index));
        }
    }
    void addOrEditOrDeleteGraph()
    {
        const int kind = graphNumbers().size() <= 1 ? 0 : pick(0, 3);
        const auto change = [this](GraphDialogValues& values) {
            values.frameLeft = 10 * pick(0, 40);
            values.frameTop = 10 * pick(0, 60);
            values.tanni = "mm" + std::to_string(pick(0, 9));
            values.logV = pick(0, 3) == 0;
            values.max = pick(50, 200);
        };
        if (kind == 0) {
            graphEditor_.confirm(change);
            nextMenuChoice_ = "PopMenuNormoNew";
            rightPress(form_->mainPic(), QPoint(pick(0, 500), pick(0, 800)));
        } else if (kind == 1) {
            graphEditor_.confirm(change);
            onFrame(anyGraph(), "PopMenuNormoRe");
        } else if (kind == 2) {
            graphEditor_.cancel(CanvasFont{"IPAexGothic", static_cast<double>(pick(8, 14))});
            onFrame(anyGraph(), "PopMenuNormoRe");
        } else {
            messages_.answer(MessageAnswer::Ok);
            onFrame(anyGraph(), "PopMenuNormoDel");
        }
    }
    void addOrEditOrDeleteSeries()
    {
        const std::int32_t number = anyGraph();
        const std::int32_t count = seriesCount(number);
        const int kind = count == 0 ? 0 : pick(0, 2);
        const std::vector<double> values{static_cast<double>(pick(1, 9)), 2.5, static_cast<double>(pick(3, 30))};
        const bool label = pick(0, 1) == 1;
        dataEditorAnswer(values, label, kind);
        if (kind == 0) {
            onFrame(number, "PopMenuDataNew");
        } else if (kind == 1) {
            seriesChooser_.answer(pick(1, count));
            onFrame(number, "PopMenuDataRe");
        } else {
            seriesChooser_.answer(pick(1, count));
            messages_.answer(MessageAnswer::Ok);
            onFrame(number, "PopMenuDataDel");
        }
    }
    void dataEditorAnswer(const std::vector<double>& values, bool label, int kind)
    {
        if (kind == 2) {
            return;
        }
        dataEditor_.answer([values, label](const DataDialogInput& input) {
            DataDialogValues confirmed = unchangedDataValues(input);
            confirmed.values = values;
            confirmed.label = label;
            confirmed.heikin = label;
            return std::optional<DataDialogValues>(confirmed);
        });
    }
    void dropTable() { window_->dropActions().dropFilesOnGraph(*form_, anyGraph(), {table_}); }
    void saveUnderANewName()
    {
        fileDialogs_.answerSave(pathIn("saved-" + std::to_string(++saves_) + ".pbl"));
        ASSERT_EQ(window_->fileActions().npdSave(*form_), SaveOutcome::Saved);
    }

    void randomChange()
    {
        switch (pick(0, 7)) {
        case 0:
            moveOrResizeGraph();
            break;
        case 1:
            moveLabel();
            break;
        case 2:
            addOrEditOrDeleteText();
            break;
        case 3:
            addOrEditOrDeleteGraph();
            break;
        case 4:
        case 5:
            addOrEditOrDeleteSeries();
            break;
        case 6:
            dropTable();
            break;
        default:
            if (pick(0, 4) == 0) {
                saveUnderANewName();
            }
            break;
        }
    }

    PicForm* form_ = nullptr;
    std::string table_;
    std::mt19937 random_{20261207};
    int saves_ = 0;
};

TEST_F(UndoRoundTripTest, EveryKindOfChangeUndoesToTheDocumentReadAndRedoesToTheLastState)
{
    const std::string start = bytes();
    for (int i = 0; i < 300; ++i) {
        randomChange();
    }
    const std::string end = bytes();
    ASSERT_NE(start, end);
    ASSERT_GT(saves_, 0);
    QUndoStack& stack = *form_->undoStack();
    ASSERT_GT(stack.count(), 150);

    while (stack.canUndo()) {
        stack.undo();
    }
    EXPECT_EQ(bytes(), start);
    EXPECT_TRUE(form_->moveFlag()) << "the sheet was last saved under another name with other content";
    while (stack.canRedo()) {
        stack.redo();
    }
    EXPECT_EQ(bytes(), end);
    saveUnderANewName();
    EXPECT_FALSE(form_->moveFlag());
}

}  // namespace
}  // namespace probel::test
