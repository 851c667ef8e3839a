// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/graph/canvas.h"

namespace probel {

// One text label on a sheet: a free text label or the detail label of a series. Position in
// single-precision canvas pixels (top-left corner); the label sizes itself to its text.
// The caption may hold line breaks (CR LF; a lone CR or LF also ends a line).
struct ChartLabel {
    // The tag of a label whose frame is shown.
    static constexpr std::string_view kFramedTag = "1";

    std::string caption;
    float left = 0;
    float top = 0;
    // Size in points, kept to single precision as documents store it.
    CanvasFont font;
    std::int32_t foreColor = 0;
    std::string tag;
    bool visible = false;

    // Whether the sheet draws a frame around the label: its tag, blanks trimmed, is "1".
    bool framed() const;
    bool operator==(const ChartLabel&) const = default;
};

// The lines of a caption: a CR ends a line and an LF right after it is skipped; a lone LF
// also ends a line. An empty caption is one empty line; a caption ending in a line break has
// an empty last line.
std::vector<std::string_view> captionLines(std::string_view caption);
// The lines of a caption joined with `separator`: "\r\n" gives a caption as sheets keep it,
// "\n" the text an edit box shows, " " one line for a screen reader.
std::string joinedCaptionLines(std::string_view caption, std::string_view separator);

// Width and height of a label's text in its own font: the widest line and the sum of the
// line heights, measured on `canvas` (whose font this changes).
struct LabelExtent {
    double width = 0;
    double height = 0;
};
LabelExtent labelExtent(const ChartLabel& label, Canvas& canvas);

}  // namespace probel
