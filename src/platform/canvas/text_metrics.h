// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "core/graph/canvas.h"

namespace probel {

// The measures of text that a page is laid out with, in the page's pixels, for one font at a
// time. A canvas that writes text for others to draw (SVG) measures through this, so the
// same page laid out by different means comes out alike.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // The font for what follows; its size in points becomes pixels at `dotsPerInch`.
    virtual void setFont(const CanvasFont& font, double dotsPerInch) = 0;
    // The advance of a line of UTF-8 text.
    virtual double width(std::string_view text) = 0;
    virtual double ascent() const = 0;
    virtual double lineSpacing() const = 0;
};

}  // namespace probel
