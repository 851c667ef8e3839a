// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace probel {
class Canvas;
struct PaperSize;
}  // namespace probel

namespace probel::cli {

// Lends `measure` a canvas that measures text exactly as an exported page of `paper` draws it
// (96 pixels per inch); what is drawn on it is thrown away. Needs the GUI application
// (ensureGuiApplication).
void withMeasuringCanvas(const PaperSize& paper, const std::function<void(Canvas&)>& measure);

}  // namespace probel::cli
