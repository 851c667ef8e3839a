// SPDX-License-Identifier: MIT
#include "dialogs/marker_size_box.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <optional>

#include "core/numbers/full_width.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

// Room for "500" and a decimal or two.
constexpr int kDigits = 5;

std::optional<std::int32_t> typedSize(const QString& text)
{
    const auto number = wholeNumber(halfWidthNumberText(text.toStdString()));
    return number ? toInt32HalfEven(*number) : std::nullopt;
}

}  // namespace

MarkerSizeBox::MarkerSizeBox(QWidget* parent) : QAbstractSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        // The arrows are drawn enabled or not from the text, so they follow typing.
        update();
        emit textChanged(text);
    });
}

void MarkerSizeBox::setText(const QString& text)
{
    lineEdit()->setText(text);
}

std::int32_t MarkerSizeBox::arrowStart() const
{
    return typedSize(text()).value_or(arrowValue_);
}

void MarkerSizeBox::stepBy(int steps)
{
    // A size typed outside the range steps to the nearer end first.
    const std::int64_t moved = std::int64_t{arrowStart()} + steps;
    arrowValue_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, kMinimum, kMaximum));
    lineEdit()->setText(QString::number(arrowValue_));
    if (hasFocus()) {
        selectAll();
    }
}

QAbstractSpinBox::StepEnabled MarkerSizeBox::stepEnabled() const
{
    const std::int32_t start = arrowStart();
    StepEnabled enabled = StepNone;
    if (start < kMaximum) {
        enabled |= StepUpEnabled;
    }
    if (start > kMinimum) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

QSize MarkerSizeBox::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    QSize content(metrics.horizontalAdvance(QString(kDigits, QLatin1Char('0'))) + 4, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize MarkerSizeBox::minimumSizeHint() const
{
    return sizeHint();
}

}  // namespace probel
