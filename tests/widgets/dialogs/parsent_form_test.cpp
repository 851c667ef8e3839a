// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>

#include "dialogs/parsent_form.h"
#include "dialogs/percent_range.h"
#include "support/desktop/modal_driver.h"
#include "support/desktop/scripted_message_boxes.h"

namespace probel {
namespace {

using test::whenModal;

// Replaces what a box holds by `text`, typed as a user would.
void type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void typeAll(ParsentForm* form, const QString& centre, const QString& below, const QString& above)
{
    type(form->tyuusin(), centre);
    type(form->minText(), below);
    type(form->maxText(), above);
}

class ParsentFormTest : public ::testing::Test {
protected:
    // Opens the dialog on `lower` and `upper`, lets `act` work it, and gives its answer.
    PercentRange ask(double lower, double upper, std::function<void(ParsentForm*)> act)
    {
        whenModal<ParsentForm>(std::move(act));
        return askPercentRange(lower, upper, messages, nullptr);
    }

    void expectRefusedOnce()
    {
        ASSERT_EQ(messages.asked().size(), 1U);
        const test::AskedMessage& asked = messages.asked()[0];
        EXPECT_EQ(asked.text, "データが不正です。");
        EXPECT_EQ(asked.title, "データエラー");
        EXPECT_EQ(asked.buttons, MessageButtons::Ok);
        EXPECT_EQ(asked.icon, MessageIcon::Stop);
    }

    test::ScriptedMessageBoxes messages;
};

TEST_F(ParsentFormTest, ControlsCarryTheirNamesCaptionsAndAccessibleNames)
{
    ParsentForm form(messages);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("最大最小の設定"));

    struct Control {
        QWidget* widget;
        const char* objectName;
        const char* accessibleName;
    };
    const Control controls[] = {
        {form.tyuusin(), "Tyuusin", "中心値"},          {form.minText(), "MinText", "Min (%)"},
        {form.maxText(), "MaxText", "Max (%)"},         {form.command1(0), "Command1_0", "OK"},
        {form.command1(1), "Command1_1", "キャンセル"},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.objectName);
        EXPECT_EQ(form.findChild<QWidget*>(QString::fromUtf8(control.objectName)), control.widget);
        EXPECT_EQ(control.widget->accessibleName(), QString::fromUtf8(control.accessibleName));
        if (auto* box = qobject_cast<QLineEdit*>(control.widget)) {
            EXPECT_TRUE(box->text().isEmpty());
        }
    }
    EXPECT_EQ(form.command1(0)->text(), QStringLiteral("OK"));
    EXPECT_EQ(form.command1(1)->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(form.command1(0)->isDefault());
    EXPECT_EQ(form.command1(2), nullptr);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("MinLabel")), form.minLabel());
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("MaxLabel")), form.maxLabel());

    // Each box has its caption beside it as the label a screen reader relates it to.
    QStringList buddies;
    for (const QLabel* label : form.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            buddies << label->buddy()->objectName() + QLatin1Char('=') + label->text();
        }
    }
    buddies.sort();
    EXPECT_EQ(buddies, (QStringList{QStringLiteral("MaxText=Max  : +"), QStringLiteral("MinText=Min   : -"),
                                    QStringLiteral("Tyuusin=中心値 :")}));
}

TEST_F(ParsentFormTest, ActShowsTheValuesTheirCentreAndTheirDistanceInPercent)
{
    struct Case {
        double lower;
        double upper;
        const char* minLabel;
        const char* maxLabel;
        const char* centre;
        const char* percent;
    };
    const Case cases[] = {
        {8, 12, "8", "12", "10", "20"},
        {-12, -8, "-12", "-8", "-10", "20"},
        {1, 2, "1", "2", "1.5", "33.33333333"},  // eight decimals at most
        {0.25, 0.75, "0.25", "0.75", "0.5", "50"},
        {1e20, 3e20, "1E+20", "3E+20", "2E+20", "50"},
        {5, 5, "5", "5", "5", "0"},
        {-5, 5, "-5", "5", "0", ""},  // a centre of 0 has no percentages
        {0, 0, "0", "0", "0", ""},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(testing::Message() << item.lower << " .. " << item.upper);
        ParsentForm form(messages);
        form.setMin1(item.lower);
        form.setMax1(item.upper);
        form.act();
        EXPECT_EQ(form.minLabel()->text(), QStringLiteral("現在の最小値 ; ") + QString::fromUtf8(item.minLabel));
        EXPECT_EQ(form.maxLabel()->text(), QStringLiteral("現在の最大値 ; ") + QString::fromUtf8(item.maxLabel));
        EXPECT_EQ(form.tyuusin()->text(), QString::fromUtf8(item.centre));
        EXPECT_EQ(form.minText()->text(), QString::fromUtf8(item.percent));
        EXPECT_EQ(form.maxText()->text(), QString::fromUtf8(item.percent));
    }
}

TEST_F(ParsentFormTest, OkTurnsCentreAndPercentagesIntoLowerAndUpper)
{
    // Untouched, the dialog gives back what it was opened on.
    EXPECT_EQ(ask(8, 12, [](ParsentForm* form) { QTest::mouseClick(form->command1(0), Qt::LeftButton); }),
              (PercentRange{8, 12}));

    EXPECT_EQ(ask(8, 12,
                  [](ParsentForm* form) {
                      typeAll(form, QStringLiteral("100"), QStringLiteral("5"), QStringLiteral("10"));
                      form->command1(0)->click();
                  }),
              (PercentRange{95, 110}));

    // Below a negative centre the formulas are applied as they stand: lower ends up above.
    EXPECT_EQ(ask(8, 12,
                  [](ParsentForm* form) {
                      typeAll(form, QStringLiteral("-10"), QStringLiteral("20"), QStringLiteral("20"));
                      form->command1(0)->click();
                  }),
              (PercentRange{-8, -12}));

    // Blanks around a number are allowed; Enter in a box presses OK.
    EXPECT_EQ(ask(1, 3,
                  [](ParsentForm* form) {
                      typeAll(form, QStringLiteral(" 4 "), QStringLiteral("2.5e1 "), QStringLiteral("\t0"));
                      QTest::keyClick(form->maxText(), Qt::Key_Return);
                  }),
              (PercentRange{3, 4}));

    // No rounding: the results keep every bit of c + p × c / ∓100.
    const PercentRange third = ask(1, 2, [](ParsentForm* form) { form->command1(0)->click(); });
    EXPECT_EQ(third, (PercentRange{1.5 + 33.33333333 * 1.5 / -100, 1.5 + 33.33333333 * 1.5 / 100}));
    EXPECT_NE(third.lower, 1);
    EXPECT_TRUE(messages.asked().empty());
}

TEST_F(ParsentFormTest, CancelEscAndClosingGiveBackTheValuesItWasOpenedOn)
{
    const std::function<void(ParsentForm*)> endings[] = {
        [](ParsentForm* form) {
            typeAll(form, QStringLiteral("100"), QStringLiteral("5"), QStringLiteral("10"));
            QTest::mouseClick(form->command1(1), Qt::LeftButton);
        },
        [](ParsentForm* form) {
            type(form->tyuusin(), QStringLiteral("7"));
            QTest::keyClick(form->tyuusin(), Qt::Key_Escape);
        },
        [](ParsentForm* form) { form->close(); },
    };
    for (std::size_t index = 0; index < std::size(endings); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ask(1.5, 2.25, endings[index]), (PercentRange{1.5, 2.25}));
    }
}

TEST_F(ParsentFormTest, BoxWithoutANumberIsRefusedAndTheDialogStaysOpenWithTheInput)
{
    struct Case {
        const char* centre;
        const char* below;
        const char* above;
    };
    const Case cases[] = {
        {"abc", "20", "20"}, {"10", "", "20"},    {"10", "20", "1e"},
        {"1 0", "20", "20"}, {"10", "1,5", "20"}, {"10", "20", "１０"},  // full-width digits
        {"10", "20%", "20"},
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(testing::Message() << item.centre << " / " << item.below << " / " << item.above);
        messages = test::ScriptedMessageBoxes();
        messages.answer(MessageAnswer::Ok);
        const PercentRange result = ask(8, 12, [this, &item](ParsentForm* form) {
            const QString typed[] = {QString::fromUtf8(item.centre), QString::fromUtf8(item.below),
                                     QString::fromUtf8(item.above)};
            form->tyuusin()->setText(typed[0]);
            form->minText()->setText(typed[1]);
            form->maxText()->setText(typed[2]);
            form->command1(0)->click();

            expectRefusedOnce();
            EXPECT_TRUE(form->isVisible());
            EXPECT_EQ(form->tyuusin()->text(), typed[0]);
            EXPECT_EQ(form->minText()->text(), typed[1]);
            EXPECT_EQ(form->maxText()->text(), typed[2]);
            // Put right, the same dialog takes it.
            typeAll(form, QStringLiteral("100"), QStringLiteral("5"), QStringLiteral("10"));
            form->command1(0)->click();
        });
        EXPECT_EQ(result, (PercentRange{95, 110}));
        EXPECT_EQ(messages.unusedAnswers(), 0U);
    }
}

TEST_F(ParsentFormTest, ZeroCentreNeedsPercentagesBeforeOkAndCancelStillGivesTheValuesBack)
{
    messages.answer(MessageAnswer::Ok);
    const PercentRange result = ask(-5, 5, [this](ParsentForm* form) {
        form->command1(0)->click();
        expectRefusedOnce();
        EXPECT_TRUE(form->isVisible());
        form->command1(1)->click();
    });
    EXPECT_EQ(result, (PercentRange{-5, 5}));
}

TEST_F(ParsentFormTest, ResultBeyondTheDoubleRangeIsRefused)
{
    messages.answer(MessageAnswer::Ok);
    const PercentRange result = ask(8, 12, [this](ParsentForm* form) {
        typeAll(form, QStringLiteral("1e300"), QStringLiteral("5"), QStringLiteral("1e10"));
        form->command1(0)->click();
        expectRefusedOnce();
        EXPECT_TRUE(form->isVisible());
        form->reject();
    });
    EXPECT_EQ(result, (PercentRange{8, 12}));
}

TEST_F(ParsentFormTest, FixedSizeShowsTheWholeTitleAndLongestValues)
{
    ParsentForm form(messages);
    form.setMin1(-1.23456789012345e-100);
    form.setMax1(-9.87654321098765e+200);
    form.act();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_GT(form.width(), form.fontMetrics().horizontalAdvance(form.windowTitle()));
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_TRUE(form.rect().contains(control->geometry()));
        EXPECT_GE(control->width(), control->sizeHint().width());
    }
    EXPECT_LT(form.command1(0)->geometry().right(), form.command1(1)->geometry().left());
    EXPECT_GT(form.command1(0)->geometry().top(), form.maxText()->geometry().bottom());

    // The centre is seen whole: going from its end to its start does not scroll the box.
    QLineEdit* centre = form.tyuusin();
    ASSERT_EQ(centre->text(), QStringLiteral("-4.93827160549382E+200"));
    // The box scrolls its text when it paints.
    const auto cursorX = [centre] {
        centre->repaint();
        return centre->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    centre->end(false);
    const int end = cursorX();
    centre->home(false);
    const int start = cursorX();
    // Cursor positions are whole pixels, the text's advance is rounded: a pixel either way.
    EXPECT_GE(end - start + 1, centre->fontMetrics().horizontalAdvance(centre->text()));
}

TEST(AskPercentRange, ShowsAFreshModalDialogOverItsParent)
{
    test::ScriptedMessageBoxes messages;
    QWidget parent;
    whenModal<ParsentForm>([&parent](ParsentForm* form) {
        EXPECT_EQ(form->parentWidget(), &parent);
        EXPECT_TRUE(form->isModal());
        EXPECT_EQ(form->tyuusin()->text(), QStringLiteral("2"));
        form->command1(0)->click();
    });
    EXPECT_EQ(askPercentRange(1, 3, messages, &parent), (PercentRange{1, 3}));
}

}  // namespace
}  // namespace probel
