// SPDX-License-Identifier: MIT
#include "dialogs/stepped_text_box.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace probel {

SteppedTextBox::SteppedTextBox(std::int32_t step, int digits, std::int32_t firstValue, QWidget* parent)
    : QAbstractSpinBox(parent), step_(step), digits_(digits), arrowValue_(firstValue)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        // The arrows are drawn enabled or not from the text, so they follow typing.
        update();
        emit textChanged(text);
    });
}

void SteppedTextBox::setText(const QString& text)
{
    lineEdit()->setText(text);
    textSet(text);
}

void SteppedTextBox::textSet(const QString& /*text*/) {}

std::int64_t SteppedTextBox::stepOrigin() const
{
    return numberIn(text()).value_or(arrowValue_);
}

void SteppedTextBox::stepBy(int steps)
{
    const std::int64_t moved = stepOrigin() + std::int64_t{steps} * step_;
    arrowValue_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, lowest(), highest()));
    lineEdit()->setText(QString::number(arrowValue_));
    if (hasFocus()) {
        selectAll();
    }
}

QAbstractSpinBox::StepEnabled SteppedTextBox::stepEnabled() const
{
    const std::int64_t start = stepOrigin();
    StepEnabled enabled = StepNone;
    if (start < highest()) {
        enabled |= StepUpEnabled;
    }
    if (start > lowest()) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

QSize SteppedTextBox::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    QSize content(metrics.horizontalAdvance(QString(digits_, QLatin1Char('0'))) + 4, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize SteppedTextBox::minimumSizeHint() const
{
    return sizeHint();
}

}  // namespace probel
