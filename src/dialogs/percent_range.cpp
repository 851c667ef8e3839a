// SPDX-License-Identifier: MIT
#include "dialogs/percent_range.h"

#include <QLineEdit>

#include "dialogs/number_box_text.h"
#include "dialogs/parsent_form.h"

namespace probel {

PercentRange askPercentRange(double lower, double upper, MessageBoxes& messages, QWidget* parent)
{
    ParsentForm form(messages, parent);
    form.setMin1(lower);
    form.setMax1(upper);
    form.act();
    form.exec();
    return PercentRange{form.min2(), form.max2()};
}

bool askPercentRangeForBoxes(QLineEdit& lower, QLineEdit& upper, std::optional<double> (*read)(const QString&),
                             MessageBoxes& messages, QWidget* parent)
{
    const auto low = read(lower.text());
    const auto high = read(upper.text());
    if (!low || !high) {
        return false;
    }
    const PercentRange range = askPercentRange(*low, *high, messages, parent);
    lower.setText(numberText(range.lower));
    upper.setText(numberText(range.upper));
    return true;
}

}  // namespace probel
