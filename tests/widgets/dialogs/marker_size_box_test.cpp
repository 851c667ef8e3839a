// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/marker_size_box.h"

namespace probel {
namespace {

// Which arrows are drawn enabled is the box's own business; the test asks it directly.
class OpenSizeBox : public MarkerSizeBox {
public:
    using MarkerSizeBox::stepEnabled;
};

TEST(MarkerSizeBox, ArrowsStepByOneFromWhatWasTypedWithinTheirRange)
{
    MarkerSizeBox box;
    struct Case {
        const char* typed;
        int steps;
        const char* shown;
    };
    const Case cases[] = {
        {"10", 1, "11"},   {"10", -1, "9"},   {"2", -5, "1"},
        {"499", 3, "500"}, {"10.5", 1, "11"},                      // halves to even: 10, then one up
        {"１２", 1, "13"},                                         // typed with a Japanese input method
        {"0", 1, "1"},     {"-40", -1, "1"},  {"900", -1, "500"},  // from outside, to the nearer end
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(std::string(item.typed) + " by " + std::to_string(item.steps));
        box.setText(QString::fromUtf8(item.typed));
        box.stepBy(item.steps);
        EXPECT_EQ(box.text(), QString::fromUtf8(item.shown));
    }
}

TEST(MarkerSizeBox, ArrowsAtAnEndAreDisabledAndANonNumberStepsFromTheLastStep)
{
    OpenSizeBox box;
    box.setText(QStringLiteral("1"));
    EXPECT_EQ(box.stepEnabled(), QAbstractSpinBox::StepUpEnabled);
    box.setText(QStringLiteral("500"));
    EXPECT_EQ(box.stepEnabled(), QAbstractSpinBox::StepDownEnabled);

    box.setText(QStringLiteral("20"));
    box.stepBy(1);
    box.setText(QStringLiteral("abc"));
    EXPECT_EQ(box.stepEnabled(), QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled);
    box.stepBy(-1);
    EXPECT_EQ(box.text(), QStringLiteral("20"));
}

TEST(MarkerSizeBox, TakesAnyTypedTextAndReportsEachChange)
{
    MarkerSizeBox box;
    QSignalSpy changed(&box, &MarkerSizeBox::textChanged);
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("1e9x"));
    EXPECT_EQ(box.text(), QStringLiteral("1e9x"));
    EXPECT_EQ(changed.size(), 4);
    QTest::keyClick(&box, Qt::Key_Up);
    // Not a size: the arrows start from where they were, 10.
    EXPECT_EQ(box.text(), QStringLiteral("11"));
    EXPECT_EQ(changed.last()[0].toString(), QStringLiteral("11"));
}

}  // namespace
}  // namespace probel
