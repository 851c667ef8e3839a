// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/graph/canvas.h"
#include "core/graph/normo_bp.h"
#include "core/stats/normo_data.h"

namespace probel::test {

// Builds a graph the way the program does: bind the surface first (which resets the frame),
// then set the axis kind before its ends, then the frame and the series.
//   auto graph = GraphBuilder().frame(50, 100, 500, 400).axis(0, 100).series({1, 2, 3}).build(&canvas);
class GraphBuilder {
public:
    GraphBuilder& frame(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // Axis ends in ordinary units (assigned through setMin/setMax after setLogV).
    GraphBuilder& axis(double min, double max, bool logarithmic = false);
    GraphBuilder& divisions(std::int32_t bunnkatu, std::int32_t xJikuStep = 1);
    GraphBuilder& labels(bool valueLabels, bool probabilityLabels);
    // Adds a series with these values (set through setIniData unless empty), then lets
    // `adjust` change it.
    GraphBuilder& series(std::vector<double> values, std::function<void(NormoData&)> adjust = {});
    // Any other setting of the graph, applied last before the series are added.
    GraphBuilder& with(std::function<void(NormoBp&)> adjust);

    std::unique_ptr<NormoBp> build(Canvas* surface = nullptr) const;

private:
    struct Frame {
        std::int32_t left, top, width, height;
    };
    struct Series {
        std::vector<double> values;
        std::function<void(NormoData&)> adjust;
    };
    std::optional<Frame> frame_;
    double min_ = 0;
    double max_ = 100;
    bool logarithmic_ = false;
    std::int32_t bunnkatu_ = 10;
    std::int32_t xJikuStep_ = 1;
    bool valueLabels_ = false;
    bool probabilityLabels_ = false;
    std::vector<std::function<void(NormoBp&)>> adjustments_;
    std::vector<Series> series_;
};

}  // namespace probel::test
