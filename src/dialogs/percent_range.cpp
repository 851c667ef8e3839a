// SPDX-License-Identifier: MIT
#include "dialogs/percent_range.h"

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

}  // namespace probel
