// SPDX-License-Identifier: MIT
#pragma once

#include "cli/label_layout.h"

namespace probel {
class Canvas;
class NormoBp;
}  // namespace probel

namespace probel::cli {

// How far the texts a graph's analysis writes above its frame reach: the limit values and the
// graph's title (all else it draws stays in the frame). Each is 0 without such text.
struct AnalysisReach {
    // From the frame's top edge up to the highest text.
    double above = 0;
    // The left and right ends of those texts, in page pixels.
    double aboveLeft = 0;
    double aboveRight = 0;
};

// Measured on `measure` by drawing those texts for the graph in `frame`, whatever of them the
// page could not show included.
AnalysisReach analysisReach(const NormoBp& graph, const PageBox& frame, Canvas& measure);

}  // namespace probel::cli
