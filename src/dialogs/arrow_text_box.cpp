// SPDX-License-Identifier: MIT
#include "dialogs/arrow_text_box.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <optional>

#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

std::optional<std::int32_t> int32Of(const QString& text)
{
    const auto number = wholeNumber(text.toStdString());
    return number ? toInt32HalfEven(*number) : std::nullopt;
}

}  // namespace

ArrowTextBox::ArrowTextBox(QWidget* parent) : QAbstractSpinBox(parent)
{
    // The arrows are drawn enabled or not from the text, so they follow typing.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { update(); });
}

void ArrowTextBox::setText(const QString& text)
{
    lineEdit()->setText(text);
    if (const auto value = int32Of(text)) {
        arrowValue_ = std::clamp(*value, 0, maximum_);
    }
}

void ArrowTextBox::setMaximum(std::int32_t maximum)
{
    maximum_ = std::max(maximum, 0);
    arrowValue_ = std::clamp(arrowValue_, 0, maximum_);
    update();
}

std::int32_t ArrowTextBox::arrowStart() const
{
    const auto typed = int32Of(text());
    return std::clamp(typed.value_or(arrowValue_), 0, maximum_);
}

void ArrowTextBox::stepBy(int steps)
{
    const std::int64_t moved = std::int64_t{arrowStart()} + std::int64_t{steps} * kStep;
    arrowValue_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, 0, maximum_));
    lineEdit()->setText(QString::number(arrowValue_));
    if (hasFocus()) {
        selectAll();
    }
}

QAbstractSpinBox::StepEnabled ArrowTextBox::stepEnabled() const
{
    const std::int32_t start = arrowStart();
    StepEnabled enabled = StepNone;
    if (start < maximum_) {
        enabled |= StepUpEnabled;
    }
    if (start > 0) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

QSize ArrowTextBox::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    QSize content(metrics.horizontalAdvance(QString(kDigits, QLatin1Char('0'))) + 4, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize ArrowTextBox::minimumSizeHint() const
{
    return sizeHint();
}

}  // namespace probel
