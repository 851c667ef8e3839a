// SPDX-License-Identifier: MIT
#include <QUndoStack>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/pic_form.h"
#include "app/sheet_edits.h"
#include "core/document/sheet_writer.h"

namespace probel {
namespace {

std::string documentBytes(const ChartSheet& sheet)
{
    const Result<std::string> bytes = sheetFileBytes(sheet);
    EXPECT_TRUE(bytes.ok());
    return bytes.ok() ? bytes.value() : std::string();
}

std::unique_ptr<PicForm> sheetWithContent()
{
    auto sheet = std::make_unique<ChartSheet>();
    sheet->fName = "新規作成1";
    for (int i = 0; i < 3; ++i) {
        const std::int32_t number = sheet->addGraph();
        sheet->setFrameVisible(number, true);
        NormoBp& graph = *sheet->graph(number);
        graph.setFrameLeft(20 + 250 * i);
        graph.setFrameTop(40);
        graph.setFrameWidth(230);
        graph.setFrameHeight(300);
        graph.data().add().setIniData({1.5, 2.5, 3.25});
        ChartLabel& detail = sheet->addSLabel(ChartSheet::detailLabelIndex(number, 1));
        detail.caption = "○:データ - 1\r\n平均 : 2.42";
        detail.left = 30.5F + 250 * i;
        detail.top = 360;
        detail.visible = true;
    }
    for (int i = 0; i < 4; ++i) {
        ChartLabel& label = *sheet->comLabel(sheet->addComLabel());
        label.caption = "ラベル" + std::to_string(i);
        label.left = 10.25F * i;
        label.top = 500 + 30 * i;
        label.visible = true;
    }
    return std::make_unique<PicForm>(std::move(sheet));
}

// One random change of the kinds the mouse and the label commands make, pushed as they push it.
void randomEdit(PicForm& form, std::mt19937& random)
{
    ChartSheet& sheet = form.sheet();
    std::uniform_int_distribution<int> pick(0, 4);
    std::uniform_int_distribution<int> offset(-50, 50);
    const auto anyTextLabel = [&]() -> std::int32_t {
        if (sheet.comLabels().empty()) {
            return 0;
        }
        auto it = sheet.comLabels().begin();
        std::advance(it, std::uniform_int_distribution<std::size_t>(0, sheet.comLabels().size() - 1)(random));
        return it->first;
    };
    switch (pick(random)) {
    case 0: {
        const std::int32_t number = std::uniform_int_distribution<int>(1, 3)(random);
        const GraphFrame before = sheet.graph(number)->frame();
        GraphFrame after = before;
        after.left += offset(random);
        after.width = std::max(5, after.width + offset(random));
        form.edit(new MoveGraphFrame(sheet, number, before, after));
        break;
    }
    case 1: {
        const std::int64_t index = ChartSheet::detailLabelIndex(std::uniform_int_distribution<int>(1, 3)(random), 1);
        const ChartLabel& label = *sheet.sLabel(index);
        const LabelPlace before{label.left, label.top};
        const LabelPlace after{before.left + static_cast<float>(offset(random)) * 0.5F, before.top + 10};
        form.edit(new MoveLabel(sheet, LabelArray::Detail, index, before, after));
        break;
    }
    case 2: {
        ChartLabel label = sheet.comLabelTemplate();
        label.caption = "新しい\r\nラベル " + std::to_string(random() % 1000);
        label.font.size = 9 + static_cast<double>(random() % 20);
        label.foreColor = static_cast<std::int32_t>(random() % 0x1000000);
        label.visible = true;
        std::int32_t index = 1;
        while (sheet.comLabels().count(index) != 0) {
            ++index;
        }
        form.edit(new ChangeTextLabel(sheet, index, std::nullopt, label));
        break;
    }
    case 3:
        if (const std::int32_t index = anyTextLabel()) {
            ChartLabel after = *sheet.comLabel(index);
            after.caption += "!";
            after.font.bold = !after.font.bold;
            form.edit(new ChangeTextLabel(sheet, index, *sheet.comLabel(index), after));
        }
        break;
    default:
        if (const std::int32_t index = anyTextLabel()) {
            form.edit(new ChangeTextLabel(sheet, index, *sheet.comLabel(index), std::nullopt));
        }
        break;
    }
}

TEST(UndoRoundTrip, HundredsOfRandomEditsUndoToTheSameBytesAndRedoToTheEndState)
{
    auto form = sheetWithContent();
    const std::string start = documentBytes(form->sheet());
    std::mt19937 random(20261207);
    for (int i = 0; i < 400; ++i) {
        randomEdit(*form, random);
    }
    const std::string end = documentBytes(form->sheet());
    ASSERT_NE(start, end);
    QUndoStack& stack = *form->undoStack();
    ASSERT_GT(stack.count(), 300);

    form->setMoveFlag(false);
    while (stack.canUndo()) {
        stack.undo();
    }
    EXPECT_EQ(documentBytes(form->sheet()), start);
    EXPECT_TRUE(form->moveFlag());
    while (stack.canRedo()) {
        stack.redo();
    }
    EXPECT_EQ(documentBytes(form->sheet()), end);
}

}  // namespace
}  // namespace probel
