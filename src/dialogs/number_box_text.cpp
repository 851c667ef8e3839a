// SPDX-License-Identifier: MIT
#include "dialogs/number_box_text.h"

#include "core/numbers/full_width.h"
#include "core/numbers/number_text.h"

namespace probel {

QString numberText(double value)
{
    return QString::fromStdString(generalNumberText(value));
}

std::optional<double> wholeTypedNumber(const QString& text)
{
    return wholeNumber(halfWidthNumberText(text.toStdString()));
}

double leadingTypedNumber(const QString& text)
{
    return leadingNumber(halfWidthNumberText(text.toStdString()));
}

}  // namespace probel
