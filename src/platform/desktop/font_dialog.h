// SPDX-License-Identifier: MIT
#pragma once

#include "core/graph/canvas.h"

#include <optional>

namespace probel {

// The font dialog of the graph, label and data dialogs: name, size in points, bold, italic,
// strikethrough and underline.
class FontDialog {
public:
    virtual ~FontDialog() = default;

    // Opens with `initial` chosen; returns the chosen font, or nothing when cancelled.
    virtual std::optional<CanvasFont> chooseFont(const CanvasFont& initial) = 0;
};

}  // namespace probel
