// SPDX-License-Identifier: MIT
#include "support/graph_builder.h"

namespace probel::test {

GraphBuilder& GraphBuilder::frame(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    frame_ = Frame{left, top, width, height};
    return *this;
}

GraphBuilder& GraphBuilder::axis(double min, double max, bool logarithmic)
{
    min_ = min;
    max_ = max;
    logarithmic_ = logarithmic;
    return *this;
}

GraphBuilder& GraphBuilder::divisions(std::int32_t bunnkatu, std::int32_t xJikuStep)
{
    bunnkatu_ = bunnkatu;
    xJikuStep_ = xJikuStep;
    return *this;
}

GraphBuilder& GraphBuilder::labels(bool valueLabels, bool probabilityLabels)
{
    valueLabels_ = valueLabels;
    probabilityLabels_ = probabilityLabels;
    return *this;
}

GraphBuilder& GraphBuilder::series(std::vector<double> values, std::function<void(NormoData&)> adjust)
{
    series_.push_back(Series{std::move(values), std::move(adjust)});
    return *this;
}

GraphBuilder& GraphBuilder::with(std::function<void(NormoBp&)> adjust)
{
    adjustments_.push_back(std::move(adjust));
    return *this;
}

std::unique_ptr<NormoBp> GraphBuilder::build(Canvas* surface) const
{
    auto graph = std::make_unique<NormoBp>();
    if (surface != nullptr) {
        graph->setShowObj(surface);
    }
    if (frame_) {
        graph->setFrameLeft(frame_->left);
        graph->setFrameTop(frame_->top);
        graph->setFrameWidth(frame_->width);
        graph->setFrameHeight(frame_->height);
    }
    graph->setLogV(logarithmic_);
    graph->setMin(min_);
    graph->setMax(max_);
    graph->setBunnkatu(bunnkatu_);
    graph->setXJikuStep(xJikuStep_);
    graph->setXJikuCheck(valueLabels_);
    graph->setMemoriCheck(probabilityLabels_);
    for (const auto& adjust : adjustments_) {
        adjust(*graph);
    }
    for (const auto& one : series_) {
        NormoData& added = graph->data().add();
        if (!one.values.empty()) {
            added.setIniData(one.values);
        }
        if (one.adjust) {
            one.adjust(added);
        }
    }
    return graph;
}

}  // namespace probel::test
