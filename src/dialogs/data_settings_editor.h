// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/graph/canvas.h"
#include "core/stats/capability_lines.h"
#include "core/stats/cp_option.h"
#include "core/stats/sigma_divisor.h"

namespace probel {

// What the data dialog "データの追加" opens with: a new series' defaults or the series being
// edited. Texts are UTF-8; the comment breaks its lines with CR LF as documents keep them.
struct DataDialogInput {
    // False when editing; the values then come from `values`.
    bool adding = true;
    // Shown as "データナンバー " followed by the number.
    std::int32_t dataNumber = 1;
    // The edited series' values, first to the grid's first row; empty when adding.
    std::vector<double> values;
    // The count box: "10" when adding, the series' count when editing.
    std::string countText = "10";

    std::string comment = "*\r\n";
    std::string mrk = "○";
    // The marker size box as stored (a setting may hold "10.5" or something unreadable).
    std::string sizeText = "10";
    std::int32_t color = 0;  // 0x00BBGGRR
    bool lineVisible = true;
    std::int32_t drawStyle = kPenSolid;

    bool label = false;
    bool heikin = false;
    bool siguma = false;
    bool probel = false;
    bool cp = false;
    std::string heikinFormat = "0.##";
    std::string sigumaFormat = "0.##";
    std::string probelFormat = "0.##";
    std::string cpFormat = "0.##";
    // The lines after those above; a new series starts with none.
    CapabilityLines capabilityLines;

    // Shown in the limit boxes as general number text.
    double min = 0;
    double max = 100;
    // Selects the Cp button that stands for this option; nothing selects none, and a number
    // other than the three selects "上下限有り", as Cp reads such a number with both limits.
    std::optional<std::int32_t> cpOption = kCpLowerLimitOnly;
    CanvasFont labelFont;
    SigmaDivisor sigmaDivisor = SigmaDivisor::Count;
};

// What OK confirmed, once the comment, the count and the marker size have passed the check.
struct DataDialogValues {
    // The grid's values at positions 0 .. u, u being the count minus 1 rounded halves to even
    // (a count of 2.5 gives three values).
    std::vector<double> values;
    std::string comment;  // as typed, CR LF line breaks
    std::string mrk;
    // The marker size box's leading number rounded halves to even, and unrounded (the
    // setting keeps that).
    std::int32_t mrkSize = 10;
    double mrkSizeSetting = 10;
    std::int32_t color = 0;
    std::int32_t drawStyle = kPenSolid;
    bool lineVisible = true;

    bool label = false;
    bool heikin = false;
    bool siguma = false;
    bool probel = false;
    bool cp = false;
    std::string heikinFormat;
    std::string sigumaFormat;
    std::string probelFormat;
    std::string cpFormat;
    CapabilityLines capabilityLines;

    // Leading numbers of the limit boxes, 0 when a box holds none.
    double min = 0;
    double max = 0;
    // The option the selected Cp button stands for; empty when none is selected.
    std::optional<std::int32_t> cpOption;
    CanvasFont labelFont;
    SigmaDivisor sigmaDivisor = SigmaDivisor::Count;

    bool operator==(const DataDialogValues&) const = default;
};

// What OK confirms for `input` when nothing is changed: the input's values, comment, marker
// (its size box read as the dialog reads it, `fallbackMarkerSize` when unreadable), line,
// detail choices and capability lines, formats, limits, Cp option and font.
DataDialogValues unchangedDataValues(const DataDialogInput& input, std::int32_t fallbackMarkerSize = 10);

// Shows the data dialog: the values confirmed with OK, nothing for キャンセル, Esc or closing.
class DataSettingsEditor {
public:
    virtual ~DataSettingsEditor() = default;

    virtual std::optional<DataDialogValues> editData(const DataDialogInput& input) = 0;
};

}  // namespace probel
