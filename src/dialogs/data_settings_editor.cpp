// SPDX-License-Identifier: MIT
#include "dialogs/data_settings_editor.h"

#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"

namespace probel {

DataDialogValues unchangedDataValues(const DataDialogInput& input, std::int32_t fallbackMarkerSize)
{
    DataDialogValues values;
    values.values = input.values;
    values.comment = input.comment;
    values.mrk = input.mrk;
    values.mrkSizeSetting = leadingNumber(input.sizeText);
    values.mrkSize = toInt32HalfEven(values.mrkSizeSetting).value_or(fallbackMarkerSize);
    values.color = input.color;
    values.drawStyle = input.drawStyle;
    values.lineVisible = input.lineVisible;
    values.label = input.label;
    values.heikin = input.heikin;
    values.siguma = input.siguma;
    values.probel = input.probel;
    values.cp = input.cp;
    values.heikinFormat = input.heikinFormat;
    values.sigumaFormat = input.sigumaFormat;
    values.probelFormat = input.probelFormat;
    values.cpFormat = input.cpFormat;
    values.capabilityLines = input.capabilityLines;
    values.min = input.min;
    values.max = input.max;
    values.cpOption = input.cpOption;
    values.labelFont = input.labelFont;
    values.sigmaDivisor = input.sigmaDivisor;
    return values;
}

}  // namespace probel
