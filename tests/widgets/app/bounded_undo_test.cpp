// SPDX-License-Identifier: MIT
#include "app/bounded_undo.h"

#include <gtest/gtest.h>

#include <QUndoStack>

#include <memory>
#include <string>
#include <vector>

namespace probel {
namespace {

constexpr std::size_t kValuesPerStep = 100;
constexpr std::size_t kStepBytes = kValuesPerStep * sizeof(double);

// A change that keeps values of its own and writes down what is done to it.
class RecordedChange : public SheetChange {
public:
    RecordedChange(const std::string& name, std::vector<std::string>& log, std::size_t values)
        : SheetChange(QString::fromStdString(name)), name_(name), log_(log), values_(values, 1.0)
    {
    }
    void redo() override { log_.push_back("redo " + name_); }
    void undo() override { log_.push_back("undo " + name_); }
    void keptValues(KeptValues& kept) const override
    {
        if (!values_.empty()) {
            kept[values_.data()] = values_.size() * sizeof(double);
        }
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
    std::vector<double> values_;
};

class BoundedUndoTest : public ::testing::Test {
protected:
    void push(const std::string& name, std::size_t values = kValuesPerStep)
    {
        undo.push(std::make_unique<RecordedChange>(name, log, values));
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> shown;
        for (int index = 0; index < stack.count(); ++index) {
            shown.push_back(stack.text(index).toStdString());
        }
        return shown;
    }

    std::vector<std::string> log;
    QUndoStack stack;
    BoundedUndo undo{stack, [](KeptValues&) {}, 3 * kStepBytes};
};

// Over the memory bound the oldest step goes; the rest undo and redo their own changes once
// each, and the saved state stays where it was.
TEST_F(BoundedUndoTest, TheOldestStepsGoFirstAndTheRestStillUndoAndRedo)
{
    push("A");
    push("B");
    stack.setClean();
    push("C");
    EXPECT_EQ(undo.heldBytes(), 3 * kStepBytes);
    log.clear();
    push("D");
    EXPECT_EQ(names(), (std::vector<std::string>{"B", "C", "D"}));
    EXPECT_EQ(log, (std::vector<std::string>{"redo D"})) << "the steps kept are not done again";
    EXPECT_EQ(undo.heldBytes(), 3 * kStepBytes);
    EXPECT_EQ(stack.index(), 3);
    EXPECT_EQ(stack.cleanIndex(), 1) << "saved after B";
    EXPECT_EQ(stack.undoText().toStdString(), "D");

    log.clear();
    stack.setIndex(0);
    EXPECT_EQ(log, (std::vector<std::string>{"undo D", "undo C", "undo B"}));
    EXPECT_FALSE(stack.isClean());
    stack.redo();
    EXPECT_TRUE(stack.isClean());
    log.clear();
    stack.setIndex(3);
    EXPECT_EQ(log, (std::vector<std::string>{"redo C", "redo D"}));
}

// Steps that keep no values cost nothing; a saved state among the dropped steps is gone; the
// newest step stays even when it alone is over the bound.
TEST_F(BoundedUndoTest, StepsWithoutValuesStayAndTheNewestStepAlwaysStays)
{
    push("move", 0);
    stack.setClean();
    push("A");
    push("B");
    push("C");
    EXPECT_EQ(names(), (std::vector<std::string>{"move", "A", "B", "C"}));
    push("big", 4 * kValuesPerStep);
    EXPECT_EQ(names(), (std::vector<std::string>{"big"}));
    EXPECT_EQ(stack.cleanIndex(), -1);
    EXPECT_FALSE(stack.isClean());
}

// Values the sheet still holds are not the stack's: a step sharing them costs nothing.
TEST(BoundedUndo, ValuesTheSheetHoldsAreNotCounted)
{
    std::vector<std::string> log;
    QUndoStack stack;
    const std::vector<double> shared(kValuesPerStep, 2.0);
    BoundedUndo undo(
        stack, [&shared](KeptValues& kept) { kept[shared.data()] = kStepBytes; }, kStepBytes);
    class SharingChange : public SheetChange {
    public:
        explicit SharingChange(const std::vector<double>& values) : SheetChange(QStringLiteral("edit")), values_(values)
        {
        }
        void keptValues(KeptValues& kept) const override { kept[values_.data()] = kStepBytes; }

    private:
        const std::vector<double>& values_;
    };
    for (int step = 0; step < 5; ++step) {
        undo.push(std::make_unique<SharingChange>(shared));
    }
    EXPECT_EQ(stack.count(), 5);
    EXPECT_EQ(undo.heldBytes(), 0U);
}

TEST(BoundedUndo, KeepsAtMostAThousandSteps)
{
    std::vector<std::string> log;
    QUndoStack stack;
    BoundedUndo undo(stack, [](KeptValues&) {});
    for (int step = 0; step < BoundedUndo::kMaxSteps + 5; ++step) {
        undo.push(std::make_unique<RecordedChange>(std::to_string(step), log, 0));
    }
    EXPECT_EQ(stack.count(), BoundedUndo::kMaxSteps);
    EXPECT_EQ(stack.text(0).toStdString(), "5");
}

}  // namespace
}  // namespace probel
