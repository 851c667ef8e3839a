// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/graph/canvas.h"
#include "core/graph/graph_analysis.h"
#include "core/graph/graph_settings.h"

namespace probel {

// The smallest and the largest value a graph draws.
struct ValueSpan {
    double low = 0;
    double high = 0;
    bool operator==(const ValueSpan&) const = default;
};

// What the graph settings dialog "Normo分布の設定" starts from: the graph as it is once its
// frame has been clamped onto the canvas, the canvas size in pixels (the position and size
// arrows take their maxima from it when the dialog opens), and the span of the graph's values
// that 自動 fits the axis to (empty for a graph without values).
struct GraphDialogInput {
    GraphSettings graph;
    std::int32_t canvasWidth = 0;
    std::int32_t canvasHeight = 0;
    std::optional<ValueSpan> values;
};

// What the user confirmed with OK: every box read, checked and corrected as the dialog does
// (whole numbers rounded halves to even, a step or division count below 1 made 1, on a
// logarithmic axis a limit of 0 made 0.0001 and a negative one its absolute value). The
// axis ends are in axis units, as typed; the frame position is the typed one (the action
// puts it on the 10-pixel grid and onto the paper). The analysis is the graph's own when its
// controls were left as they were shown.
struct GraphDialogValues {
    bool logV = false;
    std::int32_t frameDrawStyle = 0;
    std::int32_t lineDrawStyle = 0;
    std::int32_t frameLeft = 0;
    std::int32_t frameTop = 0;
    std::int32_t frameWidth = 0;
    std::int32_t frameHeight = 0;
    std::int32_t frameColor = 0;
    std::int32_t lineColor = 0;
    double min = 0;
    double max = 100;
    std::string tanni;
    std::int32_t xJikuStep = 1;
    bool memoriCheck = false;
    bool xJikuCheck = false;
    std::int32_t bunnkatu = 10;
    GraphAnalysis analysis;
    bool operator==(const GraphDialogValues&) const = default;
};

// How the dialog ended. The font button sets the graph's font at once, whichever button
// closes the dialog: `font` is the last font chosen (its size rounded to whole points,
// halves to even), empty when none was. `accepted` holds the values of OK, empty for キャンセル.
struct GraphDialogOutcome {
    std::optional<CanvasFont> font;
    std::optional<GraphDialogValues> accepted;
};

class GraphSettingsEditor {
public:
    virtual ~GraphSettingsEditor() = default;

    virtual GraphDialogOutcome editGraph(const GraphDialogInput& input) = 0;
};

}  // namespace probel
