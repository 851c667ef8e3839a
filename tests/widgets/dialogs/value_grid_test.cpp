// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <optional>
#include <string>
#include <vector>

#include "dialogs/column_choice.h"
#include "dialogs/value_grid.h"
#include "platform/desktop/qt_clipboard.h"
#include "support/desktop/modal_driver.h"
#include "support/desktop/scripted_message_boxes.h"

namespace probel {
namespace {

constexpr int kRows = ValueGrid::kRows;

// Replaces what a box holds by `text`, typed as a user would: ASCII on the keyboard, the rest
// committed by the input method, as a Japanese one commits full-width digits.
void type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(box, QString(c));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(box, &commit);
        }
    }
}

void putOnClipboard(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

// The pointer shape an override sets, or -1 when none is set.
int overrideShape()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor == nullptr ? -1 : cursor->shape();
}

class ValueGridTest : public ::testing::Test {
protected:
    ValueGridTest() { QGuiApplication::clipboard()->clear(); }

    // Shown and active, so that focus moves as it does for a user.
    void showGrid()
    {
        grid.show();
        QApplication::setActiveWindow(&grid);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    }

    QStringList labels() const
    {
        QStringList texts;
        for (int row = 0; row < kRows; ++row) {
            texts << grid.numLabel(row)->text();
        }
        return texts;
    }

    QStringList rowTexts() const
    {
        QStringList texts;
        for (int row = 0; row < kRows; ++row) {
            texts << grid.dataText(row)->text();
        }
        return texts;
    }

    // One character a row: 1 when the row and its label are enabled, 0 when both are not.
    std::string enabledRows() const
    {
        std::string flags;
        for (int row = 0; row < kRows; ++row) {
            const bool box = grid.dataText(row)->isEnabled();
            flags += box != grid.numLabel(row)->isEnabled() ? '?' : (box ? '1' : '0');
        }
        return flags;
    }

    static QStringList numbered(int first)
    {
        QStringList texts;
        for (int row = 0; row < kRows; ++row) {
            texts << QStringLiteral("No,%1").arg(first + row);
        }
        return texts;
    }

    // Stores 1, 2, … at positions 0 … count - 1.
    void fillCounting(int count)
    {
        std::vector<double> values;
        for (int i = 1; i <= count; ++i) {
            values.push_back(i);
        }
        grid.setValues(values);
    }

    void pressClip() { QTest::mouseClick(grid.clipButton(), Qt::LeftButton); }

    void expectMessage(std::size_t index, const std::string& title, MessageIcon icon)
    {
        ASSERT_GT(messages.asked().size(), index);
        EXPECT_EQ(messages.asked()[index].title, title);
        EXPECT_EQ(messages.asked()[index].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.asked()[index].icon, icon);
    }

    test::ScriptedMessageBoxes messages;
    QtClipboard clipboard;
    ValueGrid grid{clipboard, messages};
};

TEST_F(ValueGridTest, ControlsCarryTheirNamesCaptionsAndAccessibleNames)
{
    EXPECT_EQ(grid.findChild<QLineEdit*>(QStringLiteral("MaxNumText")), grid.countBox());
    EXPECT_EQ(grid.findChild<QScrollBar*>(QStringLiteral("DataScroll")), grid.dataScroll());
    EXPECT_EQ(grid.findChild<QPushButton*>(QStringLiteral("ClipButton")), grid.clipButton());
    EXPECT_EQ(grid.findChild<QPushButton*>(QStringLiteral("ClipCopyButton")), grid.clipCopyButton());
    EXPECT_EQ(grid.clipButton()->text(), QStringLiteral("クリップボードから張り付け"));
    EXPECT_EQ(grid.clipCopyButton()->text(), QStringLiteral("クリップボードへコピー"));
    EXPECT_EQ(grid.countBox()->toolTip(), QStringLiteral("データの最大数を設定"));
    EXPECT_EQ(grid.countCaption()->text(), QStringLiteral("データ数(MAX 30000)"));
    EXPECT_EQ(grid.countCaption()->buddy(), grid.countBox());
    EXPECT_EQ(grid.dataText(-1), nullptr);
    EXPECT_EQ(grid.dataText(kRows), nullptr);
    EXPECT_EQ(grid.numLabel(kRows), nullptr);

    // Every control a person operates is named: the buttons by their captions, the count box
    // by its caption, each row by the "No,n" beside it, which follows the scrolling.
    for (QWidget* control : {static_cast<QWidget*>(grid.clipButton()), static_cast<QWidget*>(grid.clipCopyButton())}) {
        EXPECT_EQ(control->accessibleName(), static_cast<QPushButton*>(control)->text());
    }
    EXPECT_EQ(grid.countBox()->accessibleName(), QStringLiteral("データ数(MAX 30000)"));
    EXPECT_FALSE(grid.dataScroll()->accessibleName().isEmpty());
    for (int row = 0; row < kRows; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(grid.findChild<QLineEdit*>(QStringLiteral("DataText_%1").arg(row)), grid.dataText(row));
        EXPECT_EQ(grid.findChild<QLabel*>(QStringLiteral("NumLabel_%1").arg(row)), grid.numLabel(row));
        EXPECT_EQ(grid.numLabel(row)->buddy(), grid.dataText(row));
        EXPECT_EQ(grid.dataText(row)->accessibleName(), QStringLiteral("No,%1").arg(row + 1));
    }
    grid.setCountText(QStringLiteral("25"));
    grid.dataScroll()->setValue(7);
    EXPECT_EQ(grid.dataText(0)->accessibleName(), QStringLiteral("No,7"));
    EXPECT_EQ(grid.dataText(9)->accessibleName(), QStringLiteral("No,16"));
}

TEST_F(ValueGridTest, CountEnablesTheRowsItCoversAndSetsTheScrollRange)
{
    // As loaded: the count "10" has run, showing positions 0 … 9 of a store of zeros.
    EXPECT_EQ(grid.countBox()->text(), QStringLiteral("10"));
    EXPECT_EQ(labels(), numbered(1));
    EXPECT_EQ(rowTexts(), QStringList(kRows, QStringLiteral("0")));
    EXPECT_EQ(grid.values(ValueGrid::kMaxCount), std::vector<double>(ValueGrid::kSlots, 0.0));
    EXPECT_EQ(grid.dataScroll()->singleStep(), 1);
    EXPECT_EQ(grid.dataScroll()->pageStep(), 10);

    struct Case {
        const char* count;
        std::string rows;
        bool scrolls;
        int maximum;
    };
    const Case cases[] = {
        {"10", "1111111111", false, 1},  {"25", "1111111111", true, 16},       {"5", "1111100000", false, 1},
        {"1", "1000000000", false, 1},   {"2.5", "1110000000", false, 1},  // 1.5 rounds to 2
        {"1.5", "1000000000", false, 1}, {"9.6", "1111111111", false, 1},  // 8.6 rounds to 9
        {"11", "1111111111", true, 2},   {"30000", "1111111111", true, 29991}, {"２５", "1111111111", true, 16},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.count);
        grid.setCountText(QString::fromUtf8(item.count));
        EXPECT_EQ(enabledRows(), item.rows);
        EXPECT_EQ(grid.dataScroll()->isEnabled(), item.scrolls);
        EXPECT_EQ(grid.dataScroll()->minimum(), 1);
        EXPECT_EQ(grid.dataScroll()->maximum(), item.maximum);
        EXPECT_EQ(grid.dataScroll()->value(), 1);
    }
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(ValueGridTest, UnusableCountDisablesEverythingAndTheCheckRefusesIt)
{
    for (const char* count : {"0", "0.9", "30001", "-5", "abc", ""}) {
        SCOPED_TRACE(count);
        grid.setCountText(QStringLiteral("10"));
        grid.setCountText(QString::fromUtf8(count));
        EXPECT_EQ(enabledRows(), "0000000000");
        EXPECT_FALSE(grid.dataScroll()->isEnabled());
    }
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(ValueGridTest, ScrollingRewritesTheTenRowsFromTheStore)
{
    fillCounting(25);
    grid.setCountText(QStringLiteral("25"));
    grid.dataScroll()->setValue(16);
    EXPECT_EQ(labels(), numbered(16));
    EXPECT_EQ(rowTexts(), (QStringList{"16", "17", "18", "19", "20", "21", "22", "23", "24", "25"}));

    // Typed values go to the slot the row shows, and come back when scrolled to again.
    type(grid.dataText(0), QStringLiteral("-0.25"));
    grid.dataScroll()->setValue(1);
    EXPECT_EQ(grid.dataText(0)->text(), QStringLiteral("1"));
    grid.dataScroll()->setValue(16);
    EXPECT_EQ(grid.dataText(0)->text(), QStringLiteral("-0.25"));
    EXPECT_EQ(grid.values(24)[15], -0.25);
    EXPECT_EQ(grid.findChildren<QLineEdit*>().size(), kRows + 1);
}

TEST_F(ValueGridTest, RowsStoreTheLeadingNumberOfWhatIsTyped)
{
    struct Case {
        const char* typed;
        double stored;
    };
    const Case cases[] = {
        {"12abc", 12}, {"", 0},       {"abc", 0},         {"1,5", 1},   {"1 000", 1000},
        {"1e3", 1000}, {"-.5", -0.5}, {"１２．５", 12.5}, {"－３", -3}, {"１Ｅ＋２", 100},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(item.typed);
        type(grid.dataText(3), QString::fromUtf8(item.typed));
        EXPECT_EQ(grid.values(3)[3], item.stored);
        // The row keeps showing what was typed until the next refresh.
        EXPECT_EQ(grid.dataText(3)->text(), QString::fromUtf8(item.typed));
    }
    type(grid.dataText(3), QStringLiteral("12abc"));
    grid.setCountText(QStringLiteral("10"));
    EXPECT_EQ(grid.dataText(3)->text(), QStringLiteral("12"));
}

TEST_F(ValueGridTest, ShownValuesAreStoredAsTheirFifteenDigitText)
{
    grid.setValues({0.1 + 0.2, 1.0 / 3, 1e20});
    EXPECT_EQ(rowTexts().mid(0, 3), (QStringList{"0.3", "0.333333333333333", "1E+20"}));
    EXPECT_EQ(grid.values(2), (std::vector<double>{0.3, 0.333333333333333, 1e20}));
}

TEST_F(ValueGridTest, LoweringTheCountKeepsTheSlotsBeyondIt)
{
    for (int row = 0; row < kRows; ++row) {
        type(grid.dataText(row), QString::number(row + 1));
    }
    grid.setCountText(QStringLiteral("5"));
    EXPECT_EQ(enabledRows(), "1111100000");
    // Disabled rows still show their slots.
    EXPECT_EQ(rowTexts(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    grid.setCountText(QStringLiteral("10"));
    EXPECT_EQ(enabledRows(), "1111111111");
    EXPECT_EQ(rowTexts(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(grid.values(9), (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(ValueGridTest, SetValuesFillsFromTheStartAndValuesClampsToTheStore)
{
    fillCounting(12);
    grid.setValues({7, 8});
    EXPECT_EQ(grid.values(3), (std::vector<double>{7, 8, 0, 0}));
    EXPECT_EQ(rowTexts().mid(0, 3), (QStringList{"7", "8", "0"}));
    EXPECT_TRUE(grid.values(-1).empty());
    EXPECT_EQ(grid.values(0), std::vector<double>{7});
    EXPECT_EQ(grid.values(ValueGrid::kSlots + 5).size(), static_cast<std::size_t>(ValueGrid::kSlots));

    std::vector<double> tooMany(ValueGrid::kSlots + 3, 4.0);
    grid.setValues(tooMany);
    EXPECT_EQ(grid.values(ValueGrid::kSlots), std::vector<double>(ValueGrid::kSlots, 4.0));
}

TEST_F(ValueGridTest, SetCountTextRunsTheCountChangeAlsoForTheSameText)
{
    int changes = 0;
    QObject::connect(&grid, &ValueGrid::countChanged, [&changes] { ++changes; });
    int checks = 0;
    grid.setDataError([&checks] {
        ++checks;
        return false;
    });
    grid.setCountText(QStringLiteral("10"));
    grid.setCountText(QStringLiteral("12"));
    grid.setCountText(QStringLiteral("0"));  // unusable: no check
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(checks, 2);
}

TEST_F(ValueGridTest, EnterMovesDownTheRowsAndScrollsAtTheLastOne)
{
    fillCounting(12);
    grid.setCountText(QStringLiteral("12"));
    showGrid();

    grid.dataText(0)->setFocus();
    QTest::keyClick(grid.dataText(0), Qt::Key_Return);
    EXPECT_TRUE(grid.dataText(1)->hasFocus());
    EXPECT_EQ(grid.dataText(1)->selectedText(), QStringLiteral("2"));
    QTest::keyClick(grid.dataText(1), Qt::Key_Enter);
    EXPECT_TRUE(grid.dataText(2)->hasFocus());

    // Row 9 above the end moves the view one row down and selects the next slot's value.
    grid.dataText(9)->setFocus();
    QTest::keyClick(grid.dataText(9), Qt::Key_Return);
    EXPECT_EQ(grid.dataScroll()->value(), 2);
    EXPECT_EQ(labels(), numbered(2));
    EXPECT_TRUE(grid.dataText(9)->hasFocus());
    EXPECT_EQ(grid.dataText(9)->selectedText(), QStringLiteral("11"));
    QTest::keyClick(grid.dataText(9), Qt::Key_Return);
    EXPECT_EQ(grid.dataScroll()->value(), 3);
    // At the end of the list nothing happens.
    QTest::keyClick(grid.dataText(9), Qt::Key_Return);
    EXPECT_EQ(grid.dataScroll()->value(), 3);
    EXPECT_EQ(grid.dataText(9)->text(), QStringLiteral("12"));
    EXPECT_TRUE(grid.dataText(9)->hasFocus());

    // Before a disabled row Enter stays where it is.
    grid.setCountText(QStringLiteral("3"));
    grid.dataText(2)->setFocus();
    QTest::keyClick(grid.dataText(2), Qt::Key_Return);
    EXPECT_TRUE(grid.dataText(2)->hasFocus());
}

TEST_F(ValueGridTest, EnterBelongsToTheGridNotToTheDialogsDefaultButton)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* inner = new ValueGrid(clipboard, messages);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    layout->addWidget(inner);
    layout->addWidget(ok);
    int pressed = 0;
    QObject::connect(ok, &QPushButton::clicked, [&pressed] { ++pressed; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    // Enter in the count box goes to the first row.
    inner->countBox()->setFocus();
    QTest::keyClick(inner->countBox(), Qt::Key_Return);
    EXPECT_TRUE(inner->dataText(0)->hasFocus());
    QTest::keyClick(inner->dataText(0), Qt::Key_Return);
    QTest::keyClick(inner->dataText(9), Qt::Key_Return);
    EXPECT_EQ(pressed, 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ValueGridTest, ClickSelectsTheWholeRowAndTheRightButtonOpensNoMenu)
{
    grid.setValues({123.5});
    showGrid();
    QLineEdit* row = grid.dataText(0);
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(4, row->height() / 2));
    EXPECT_EQ(row->selectedText(), QStringLiteral("123.5"));
    // A second click into the selection keeps it.
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() / 2, row->height() / 2));
    EXPECT_EQ(row->selectedText(), QStringLiteral("123.5"));

    QTest::mouseClick(row, Qt::RightButton);
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(4, 4), row->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(row, &request);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    // The row still works.
    EXPECT_TRUE(row->isEnabled());
    type(row, QStringLiteral("8"));
    EXPECT_EQ(grid.values(0), std::vector<double>{8});
}

TEST_F(ValueGridTest, CountCheckRunsTheDialogsValidationAndReturnsToTheBoxWhenItFails)
{
    showGrid();
    bool bad = false;
    int checks = 0;
    grid.setDataError([&] {
        ++checks;
        return bad;
    });
    grid.setCountText(QStringLiteral("25"));
    grid.dataScroll()->setValue(10);

    // A refusal leaves the scroll range, and puts the focus back into the count box with its
    // text selected.
    bad = true;
    grid.dataText(4)->setFocus();
    grid.setCountText(QStringLiteral("30"));
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(grid.dataScroll()->maximum(), 16);
    EXPECT_TRUE(grid.countBox()->hasFocus());
    EXPECT_EQ(grid.countBox()->selectedText(), QStringLiteral("30"));

    // Leaving the box checks again.
    grid.dataText(1)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(checks, 3);
    EXPECT_TRUE(grid.countBox()->hasFocus());
    bad = false;
    grid.dataText(1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(checks, 4);
    EXPECT_TRUE(grid.dataText(1)->hasFocus());
    EXPECT_EQ(grid.dataScroll()->maximum(), 21);
    EXPECT_EQ(grid.dataScroll()->value(), 1);
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(ValueGridTest, WithoutTheDialogsValidationLeavingAnUnusableCountSaysSo)
{
    showGrid();
    grid.countBox()->setFocus();
    type(grid.countBox(), QStringLiteral("0"));
    EXPECT_TRUE(messages.asked().empty());  // typing an unusable count only disables
    messages.answer(MessageAnswer::Ok);
    grid.clipButton()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(messages.asked().size(), 1U);
    EXPECT_EQ(messages.asked()[0].text, "データが不正です。");
    expectMessage(0, "データエラー", MessageIcon::Stop);
    EXPECT_TRUE(grid.countBox()->hasFocus());
    EXPECT_EQ(grid.countBox()->selectedText(), QStringLiteral("0"));

    // 12abc enables the rows but is not a count.
    messages.answer(MessageAnswer::Ok);
    grid.setCountText(QStringLiteral("12abc"));
    EXPECT_EQ(messages.asked().size(), 2U);
    EXPECT_EQ(enabledRows(), "1111111111");
}

TEST_F(ValueGridTest, PasteStoresEveryLineAndSetsTheCount)
{
    for (const char* text : {"1\r\n2\r\n3\r\n", "1\n2\n3\n", "1\r\n2\r\n3", "1\n2\n3\n\n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        grid.setValues({9, 9, 9, 9});
        grid.setCountText(QStringLiteral("10"));
        putOnClipboard(QString::fromUtf8(text));
        pressClip();
        EXPECT_EQ(grid.countBox()->text(), QStringLiteral("3"));
        EXPECT_EQ(grid.values(3), (std::vector<double>{1, 2, 3, 9}));
        EXPECT_EQ(rowTexts().mid(0, 4), (QStringList{"1", "2", "3", "9"}));
        EXPECT_EQ(enabledRows(), "1110000000");
    }
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(ValueGridTest, PasteOfThirtyThousandLinesFillsTheGridToTheEnd)
{
    std::string text;
    for (int i = 1; i <= ValueGrid::kMaxCount; ++i) {
        text += std::to_string(i) + "\r\n";
    }
    putOnClipboard(QString::fromStdString(text));
    pressClip();
    EXPECT_EQ(grid.countBox()->text(), QStringLiteral("30000"));
    EXPECT_EQ(grid.dataScroll()->maximum(), 29991);
    grid.dataScroll()->setValue(29991);
    EXPECT_EQ(labels(), numbered(29991));
    EXPECT_EQ(grid.dataText(9)->text(), QStringLiteral("30000"));
    EXPECT_EQ(grid.values(ValueGrid::kMaxCount).back(), 0);  // the store's last slot
}

// A paste that stops stores nothing: the grid and the count stay as they were, and the message
// quotes the line and says what is likely wrong with it.
TEST_F(ValueGridTest, APasteThatStopsStoresNothingAndSaysWhyTheLineIsNoNumber)
{
    grid.setValues({9, 9, 9, 9});
    grid.setCountText(QStringLiteral("12"));
    const struct {
        QString clipboard;
        const char* said;
    } cases[] = {
        {QStringLiteral("1\r\n\r\n3\r\n"), "クリップボードの 2 行目を貼り付けられません: 空です。"},
        {QStringLiteral("12.1\n9,987\n12.0"), "2 行目を貼り付けられません: 「9,987」にカンマがあります。"},
        {QStringLiteral("12.1\n12.3\t12.5"), "2 行目を貼り付けられません: 「12.3?12.5」には複数の列"},
        {QStringLiteral("12.1,12.3,12.5"), "には複数の列があるようです。"},
        {QStringLiteral("12.1\n外径"), "2 行目を貼り付けられません: 「外径」は数値ではありません。"},
        {QStringLiteral("5\r1e309\r"),
         "2 行目を貼り付けられません: 「1e309」: 数値が大きすぎます (絶対値 "
         "1.79769313486232E+308 まで)。"},
    };
    for (const auto& [clipboard, said] : cases) {
        messages.answer(MessageAnswer::Ok);
        putOnClipboard(clipboard);
        pressClip();
        EXPECT_EQ(grid.values(3), (std::vector<double>{9, 9, 9, 9})) << said;
        EXPECT_EQ(rowTexts().mid(0, 2), (QStringList{"9", "9"})) << said;
        EXPECT_EQ(grid.countBox()->text(), QStringLiteral("12")) << said;
        const std::string& message = messages.asked().back().text;
        EXPECT_NE(message.find(said), std::string::npos) << message;
        EXPECT_NE(message.find("何も貼り付けませんでした。"), std::string::npos) << message;
    }
    expectMessage(0, "貼り付け", MessageIcon::Exclamation);
}

// A typed text that is not a number as a whole is remembered with its position until it is
// typed again as a number; a paste over it or new values forget it.
TEST_F(ValueGridTest, TypedTextsThatAreNoNumbersAreRemembered)
{
    grid.setValues({1, 2, 3});
    grid.setCountText(QStringLiteral("3"));
    EXPECT_FALSE(grid.firstRefusedRow(2));
    grid.dataText(1)->setText(QStringLiteral("9,987"));
    EXPECT_EQ(grid.values(2), (std::vector<double>{1, 9, 3})) << "the leading number, as before";
    const auto refused = grid.firstRefusedRow(2);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->position, 1);
    EXPECT_EQ(refused->text, QStringLiteral("9,987"));
    EXPECT_FALSE(grid.firstRefusedRow(0)) << "beyond the count it does not matter";
    grid.dataText(1)->setText(QStringLiteral("\uFF19\uFF18\uFF17"));  // full-width 987
    EXPECT_FALSE(grid.firstRefusedRow(2));
    grid.dataText(2)->setText(QString());
    EXPECT_EQ(grid.firstRefusedRow(2)->position, 2) << "an empty row is no number either";
    putOnClipboard(QStringLiteral("4\n5\n6"));
    pressClip();
    EXPECT_FALSE(grid.firstRefusedRow(2));
}

// A table (several columns, or a header line) brings up the choice of its column; the column
// chosen pastes as a whole and offers its header; キャンセル pastes nothing.
TEST_F(ValueGridTest, ATableOnTheClipboardPastesTheColumnChosen)
{
    grid.setValues({9, 9, 9, 9});
    grid.setCountText(QStringLiteral("12"));
    QString offered;
    QObject::connect(&grid, &ValueGrid::headerPasted, [&offered](const QString& header) { offered = header; });
    putOnClipboard(QStringLiteral("外径\t内径\n10.1\t5.2\n10.2\t5.1\n9.9\t\n"));
    QStringList listed;
    bool headerShown = false;
    test::whenModal<ColumnChoice>([&](ColumnChoice* choice) {
        for (int i = 0; i < choice->columnList()->count(); ++i) {
            listed.append(choice->columnList()->itemText(i));
        }
        headerShown = choice->headerBox()->isChecked();
        choice->columnList()->setCurrentIndex(1);
        choice->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    pressClip();
    EXPECT_EQ(listed, (QStringList{"1 列目: 外径 (3 個)", "2 列目: 内径 (2 個)"}));
    EXPECT_TRUE(headerShown);
    EXPECT_EQ(grid.countBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(grid.values(2), (std::vector<double>{5.2, 5.1, 9}));
    EXPECT_EQ(offered, QStringLiteral("内径"));
    EXPECT_TRUE(messages.asked().empty());

    test::whenModal<ColumnChoice>([](ColumnChoice* choice) { choice->reject(); });
    putOnClipboard(QStringLiteral("a;b\n1;2\n"));
    pressClip();
    EXPECT_EQ(grid.values(1), (std::vector<double>{5.2, 5.1})) << "キャンセル pastes nothing";

    // A blank cell with values below it would shift the column's rows: refused, nothing stored.
    messages.answer(MessageAnswer::Ok);
    test::whenModal<ColumnChoice>(
        [](ColumnChoice* choice) { choice->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    putOnClipboard(QStringLiteral("a\tb\n1\t2\n\t3\n4\t5\n"));
    pressClip();
    EXPECT_EQ(grid.values(1), (std::vector<double>{5.2, 5.1}));
    ASSERT_EQ(messages.asked().size(), 1U);
    EXPECT_NE(messages.asked()[0].text.find("3 行目 1 列目が空で"), std::string::npos) << messages.asked()[0].text;
}

TEST_F(ValueGridTest, PasteOfMoreThanThirtyThousandLinesIsRefusedBeforeStoring)
{
    grid.setValues({5, 6});
    std::string text;
    for (int i = 0; i <= ValueGrid::kMaxCount; ++i) {
        text += "1\n";
    }
    messages.answer(MessageAnswer::Ok);
    putOnClipboard(QString::fromStdString(text));
    pressClip();
    EXPECT_EQ(grid.values(2), (std::vector<double>{5, 6, 0}));
    EXPECT_EQ(grid.countBox()->text(), QStringLiteral("10"));
    expectMessage(0, "貼り付け", MessageIcon::Exclamation);
    EXPECT_NE(messages.asked()[0].text.find("30000"), std::string::npos);
}

TEST_F(ValueGridTest, PasteWithoutTextChangesNothing)
{
    grid.setValues({5});
    pressClip();  // empty clipboard
    putOnClipboard(QString());
    pressClip();
    putOnClipboard(QStringLiteral("\r\n\r\n"));
    pressClip();
    EXPECT_EQ(grid.values(0), std::vector<double>{5});
    EXPECT_EQ(grid.countBox()->text(), QStringLiteral("10"));
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(ValueGridTest, PasteAndCopyShowTheBusyPointerWhileTheyWork)
{
    std::vector<int> shapes;
    grid.setDataError([&shapes] {
        shapes.push_back(overrideShape());
        return false;
    });
    putOnClipboard(QStringLiteral("1\n2\n3"));
    pressClip();
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                     [&shapes] { shapes.push_back(overrideShape()); });
    QTest::mouseClick(grid.clipCopyButton(), Qt::LeftButton);
    EXPECT_EQ(shapes, (std::vector<int>{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QGuiApplication::clipboard()->disconnect();
}

TEST_F(ValueGridTest, CopyPutsTheFirstCountValuesEachFollowedByCrLf)
{
    grid.setValues({1, 2.5, -0.25, 7});
    grid.setCountText(QStringLiteral("3"));
    QTest::mouseClick(grid.clipCopyButton(), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1\r\n2.5\r\n-0.25\r\n"));

    // As OK would: a count of 2.5 hands on positions 0 … 2.
    grid.setCountText(QStringLiteral("2.5"));
    grid.clipCopyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1\r\n2.5\r\n-0.25\r\n"));
    grid.setCountText(QStringLiteral("　４　"));
    grid.clipCopyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1\r\n2.5\r\n-0.25\r\n7\r\n"));
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(ValueGridTest, CopyWithoutAUsableCountCopiesNothingAndSaysWhy)
{
    grid.setValues({1, 2});
    grid.setDataError([] { return false; });
    for (const char* count : {"abc", "12abc", "", "30001", "0.4", "-1"}) {
        SCOPED_TRACE(count);
        putOnClipboard(QStringLiteral("before"));
        grid.setCountText(QString::fromUtf8(count));
        messages = test::ScriptedMessageBoxes();
        messages.answer(MessageAnswer::Ok);
        grid.clipCopyButton()->click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        expectMessage(0, "コピー", MessageIcon::Exclamation);
        EXPECT_EQ(messages.unusedAnswers(), 0U);
    }
}

TEST_F(ValueGridTest, LayoutShowsTheWidestValuesAndLabelsWhole)
{
    grid.setValues({-1.23456789012345e-300});
    grid.setCountText(QString::number(ValueGrid::kMaxCount));
    grid.dataScroll()->setValue(grid.dataScroll()->maximum());
    showGrid();
    ASSERT_EQ(grid.numLabel(9)->text(), QStringLiteral("No,30000"));
    for (const QWidget* control : grid.findChildren<QWidget*>()) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_TRUE(grid.rect().contains(control->geometry()));
        EXPECT_GE(control->width(), control->sizeHint().width());
    }
    EXPECT_GE(grid.numLabel(9)->width(), grid.numLabel(9)->fontMetrics().horizontalAdvance(grid.numLabel(9)->text()));

    // The widest value is seen whole: going from its end to its start does not scroll the row.
    grid.dataScroll()->setValue(1);
    QLineEdit* row = grid.dataText(0);
    ASSERT_EQ(row->text(), QStringLiteral("-1.23456789012345E-300"));
    const auto cursorX = [row] {
        row->repaint();  // the box scrolls its text when it paints
        return row->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    row->end(false);
    const int end = cursorX();
    row->home(false);
    const int start = cursorX();
    EXPECT_GE(end - start + 1, row->fontMetrics().horizontalAdvance(row->text()));
}

}  // namespace
}  // namespace probel
