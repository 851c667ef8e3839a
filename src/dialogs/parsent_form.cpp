// SPDX-License-Identifier: MIT
#include "dialogs/parsent_form.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/numbers/number_format.h"
#include "core/numbers/number_text.h"
#include "dialogs/named_controls.h"
#include "platform/desktop/message_boxes.h"
#include "platform/desktop/title_width.h"

namespace probel {
namespace {

constexpr auto kTitle = "最大最小の設定";
constexpr auto kMinLabelPrefix = "現在の最小値 ; ";
constexpr auto kMaxLabelPrefix = "現在の最大値 ; ";
constexpr auto kPercentPattern = "0.########";
constexpr double kPercent = 100;

constexpr auto kInvalidDataText = "データが不正です。";
constexpr auto kInvalidDataTitle = "データエラー";

// The widest general number text: 15 digits, a minus sign and a three-digit exponent with
// its sign ("+" is wider than "-").
constexpr auto kWidestNumber = "-8.88888888888888E+888";
// Qt sizes a line edit for this many 'x' characters.
constexpr int kLineEditSizeHintChars = 17;

std::optional<double> boxNumber(const QLineEdit* box)
{
    return wholeNumber(box->text().toStdString());
}

QLabel* makeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* makeBox(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* box = namedTextBox(name, accessibleName, parent);
    // Only half-width digits are read as numbers; this asks the input method for them.
    box->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    // Wide enough to show any number the dialog puts in it without scrolling.
    const QFontMetrics metrics = box->fontMetrics();
    const int missing = metrics.horizontalAdvance(QString::fromLatin1(kWidestNumber)) -
                        metrics.horizontalAdvance(QLatin1Char('x')) * kLineEditSizeHintChars;
    box->setMinimumWidth(box->sizeHint().width() + std::max(missing, 0));
    return box;
}

}  // namespace

ParsentForm::ParsentForm(MessageBoxes& messages, QWidget* parent) : QDialog(parent), messages_(messages)
{
    setObjectName(QStringLiteral("ParsentForm"));
    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);

    minLabel_ = makeLabel(QString::fromUtf8(kMinLabelPrefix), this);
    minLabel_->setObjectName(QStringLiteral("MinLabel"));
    maxLabel_ = makeLabel(QString::fromUtf8(kMaxLabelPrefix), this);
    maxLabel_->setObjectName(QStringLiteral("MaxLabel"));

    tyuusin_ = makeBox(QStringLiteral("Tyuusin"), QStringLiteral("中心値"), this);
    minText_ = makeBox(QStringLiteral("MinText"), QStringLiteral("Min (%)"), this);
    maxText_ = makeBox(QStringLiteral("MaxText"), QStringLiteral("Max (%)"), this);

    auto* tyuusinCaption = labelFor(tyuusin_, QStringLiteral("中心値 :"), this);
    auto* minCaption = labelFor(minText_, QStringLiteral("Min   : -"), this);
    auto* maxCaption = labelFor(maxText_, QStringLiteral("Max  : +"), this);

    okButton_ = namedButton(QStringLiteral("OK"), QStringLiteral("Command1_0"), this);
    okButton_->setDefault(true);
    cancelButton_ = namedButton(QStringLiteral("キャンセル"), QStringLiteral("Command1_1"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(minLabel_, 0, 0, 1, 3);
    fields->addWidget(maxLabel_, 1, 0, 1, 3);
    fields->addWidget(tyuusinCaption, 2, 0);
    fields->addWidget(tyuusin_, 2, 1);
    fields->addWidget(minCaption, 3, 0);
    fields->addWidget(minText_, 3, 1);
    fields->addWidget(makeLabel(QStringLiteral("(%)"), this), 3, 2);
    fields->addWidget(maxCaption, 4, 0);
    fields->addWidget(maxText_, 4, 1);
    fields->addWidget(makeLabel(QStringLiteral("(%)"), this), 4, 2);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    layout->addLayout(buttons);

    connect(okButton_, &QPushButton::clicked, this, &ParsentForm::okClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    tyuusin_->setFocus();
    fitToContents();
}

void ParsentForm::setMin1(double value)
{
    min1_ = value;
    min2_ = value;
}

void ParsentForm::setMax1(double value)
{
    max1_ = value;
    max2_ = value;
}

QPushButton* ParsentForm::command1(int index) const
{
    switch (index) {
    case 0:
        return okButton_;
    case 1:
        return cancelButton_;
    default:
        return nullptr;
    }
}

void ParsentForm::act()
{
    minLabel_->setText(QString::fromUtf8(kMinLabelPrefix) + QString::fromStdString(generalNumberText(min1_)));
    maxLabel_->setText(QString::fromUtf8(kMaxLabelPrefix) + QString::fromStdString(generalNumberText(max1_)));
    tyuusin_->setText(QString::fromStdString(generalNumberText((max1_ + min1_) / 2)));

    // The percentage is taken from the centre as shown, which the user reads and changes.
    // Measured from the midpoint, both values lie the same percentage away.
    minText_->clear();
    maxText_->clear();
    const std::optional<double> centre = boxNumber(tyuusin_);
    if (centre && *centre != 0) {
        const double percent = std::abs(min1_ / *centre - 1) * kPercent;
        if (std::isfinite(percent)) {
            const QString text = QString::fromStdString(formatNumber(percent, kPercentPattern));
            minText_->setText(text);
            maxText_->setText(text);
        }
    }
    fitToContents();
}

void ParsentForm::okClicked()
{
    const std::optional<double> centre = boxNumber(tyuusin_);
    const std::optional<double> below = boxNumber(minText_);
    const std::optional<double> above = boxNumber(maxText_);
    if (centre && below && above) {
        const double c = *centre;
        // In this order rather than c × (1 − p / 100): the two differ in the last bit, and the
        // values in users' documents were computed this way.
        const double lower = c + *below * c / -kPercent;
        const double upper = c + *above * c / kPercent;
        // A result beyond the double range could not be shown in the caller's box as a number.
        if (std::isfinite(lower) && std::isfinite(upper)) {
            min2_ = lower;
            max2_ = upper;
            accept();
            return;
        }
    }
    messages_.show(kInvalidDataText, kInvalidDataTitle, MessageButtons::Ok, MessageIcon::Stop);
}

void ParsentForm::fitToContents()
{
    if (auto* layout = this->layout()) {
        layout->activate();
    }
    setFixedSize(sizeHint().expandedTo(QSize(widthForWholeTitle(*this), 0)));
}

}  // namespace probel
