// SPDX-License-Identifier: MIT
#include "dialogs/arrow_text_box.h"

#include <algorithm>

#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"

namespace probel {

ArrowTextBox::ArrowTextBox(QWidget* parent) : SteppedTextBox(kStep, kDigits, 0, parent) {}

std::optional<std::int32_t> ArrowTextBox::numberIn(const QString& text) const
{
    const auto number = wholeNumber(text.toStdString());
    return number ? toInt32HalfEven(*number) : std::nullopt;
}

void ArrowTextBox::textSet(const QString& text)
{
    if (const auto value = numberIn(text)) {
        setArrowValue(std::clamp(*value, 0, maximum_));
    }
}

void ArrowTextBox::setMaximum(std::int32_t maximum)
{
    maximum_ = std::max(maximum, 0);
    setArrowValue(std::clamp(arrowValue(), 0, maximum_));
    update();
}

std::int64_t ArrowTextBox::stepOrigin() const
{
    return std::clamp<std::int64_t>(SteppedTextBox::stepOrigin(), 0, maximum_);
}

}  // namespace probel
