// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "core/graph/canvas.h"

namespace probel {

// What the text label dialog gives back: the caption (line breaks CR LF, as documents keep
// them), whether the label's frame is shown, its font and its colour (0x00BBGGRR).
struct LabelSettings {
    std::string caption;
    bool framed = false;
    CanvasFont font;
    std::int32_t color = 0;

    bool operator==(const LabelSettings&) const = default;
};

}  // namespace probel
