// SPDX-License-Identifier: MIT
#include "app/sheet_commands.h"

#include <QString>

#include <memory>
#include <utility>

namespace probel {
namespace {

QString editName(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

const char* frameEditName(const GraphFrame& before, const GraphFrame& after)
{
    const bool sameSize = before.width == after.width && before.height == after.height;
    return sameSize ? "グラフの移動" : "グラフの大きさの変更";
}

const char* textLabelEditName(bool before, bool after)
{
    if (!before) {
        return "テキストの追加";
    }
    return after ? "テキストの編集" : "テキストの削除";
}

}  // namespace

MoveGraphFrame::MoveGraphFrame(ChartSheet& sheet, std::int32_t number, const GraphFrame& before,
                               const GraphFrame& after)
    : SheetChange(editName(frameEditName(before, after))),
      sheet_(sheet),
      number_(number),
      before_(before),
      after_(after)
{
    setObsolete(before_ == after_);
    const NormoBp* graph = sheet_.graph(number_);
    if (graph == nullptr || graph->dataIfAny() == nullptr || before.width != after.width ||
        before.height != after.height) {
        return;
    }
    const auto dx = static_cast<float>(after.left - before.left);
    const auto dy = static_cast<float>(after.top - before.top);
    for (const NormoData& series : *graph->dataIfAny()) {
        const std::int64_t index = ChartSheet::detailLabelIndex(number_, series.id());
        if (const ChartLabel* label = index > 0 ? sheet_.sLabel(index) : nullptr) {
            const LabelPlace from{label->left, label->top};
            labels_[index] = {from, LabelPlace{from.left + dx, from.top + dy}};
        }
    }
}

void MoveGraphFrame::apply(const GraphFrame& frame, bool moved)
{
    if (NormoBp* graph = sheet_.graph(number_)) {
        graph->setFrameLeft(frame.left);
        graph->setFrameTop(frame.top);
        graph->setFrameWidth(frame.width);
        graph->setFrameHeight(frame.height);
    }
    for (const auto& [index, places] : labels_) {
        if (ChartLabel* label = sheet_.sLabel(index)) {
            const LabelPlace& place = moved ? places.second : places.first;
            label->left = place.left;
            label->top = place.top;
        }
    }
}

MoveLabel::MoveLabel(ChartSheet& sheet, LabelArray array, std::int64_t index, LabelPlace before, LabelPlace after)
    : SheetChange(editName(array == LabelArray::Text ? "テキストの移動" : "詳細ラベルの移動")),
      sheet_(sheet),
      array_(array),
      index_(index),
      before_(before),
      after_(after)
{
    setObsolete(before_ == after_);
}

void MoveLabel::apply(LabelPlace place)
{
    ChartLabel* label =
        array_ == LabelArray::Text ? sheet_.comLabel(static_cast<std::int32_t>(index_)) : sheet_.sLabel(index_);
    if (label != nullptr && index_ != 0) {
        label->left = place.left;
        label->top = place.top;
    }
}

ChangeTextLabel::ChangeTextLabel(ChartSheet& sheet, std::int32_t index, std::optional<ChartLabel> before,
                                 std::optional<ChartLabel> after)
    : SheetChange(editName(textLabelEditName(before.has_value(), after.has_value()))),
      sheet_(sheet),
      index_(index),
      before_(std::move(before)),
      after_(std::move(after))
{
    setObsolete(before_ == after_);
}

void ChangeTextLabel::apply(const std::optional<ChartLabel>& label)
{
    if (label) {
        sheet_.putComLabel(index_, *label);
    } else {
        sheet_.removeComLabel(index_);
    }
}

ChangeGraphSettings::ChangeGraphSettings(ChartSheet& sheet, std::int32_t number, GraphSettings before,
                                         GraphSettings after)
    : SheetChange(editName("グラフの編集")),
      sheet_(sheet),
      number_(number),
      before_(std::move(before)),
      after_(std::move(after))
{
    setObsolete(before_ == after_);
}

void ChangeGraphSettings::apply(const GraphSettings& settings)
{
    if (NormoBp* graph = sheet_.graph(number_)) {
        setGraphSettings(*graph, settings);
    }
}

AddOrDeleteGraph::AddOrDeleteGraph(ChartSheet& sheet, std::int32_t number, const GraphSettings& settings)
    : SheetChange(editName("グラフの追加")), sheet_(sheet), number_(number), adding_(true)
{
    ChartSheet::TakenGraph made;
    made.number = number;
    made.position = sheet.myNormo().count() + 1;
    made.frameVisible = true;
    made.graph = std::make_unique<NormoBp>();
    setGraphSettings(*made.graph, settings);
    taken_ = std::move(made);
}

AddOrDeleteGraph::AddOrDeleteGraph(ChartSheet& sheet, std::int32_t number)
    : SheetChange(editName("グラフの削除")), sheet_(sheet), number_(number), adding_(false)
{
}

void AddOrDeleteGraph::put()
{
    if (taken_) {
        sheet_.putGraph(std::move(*taken_));
        taken_.reset();
    }
}

void AddOrDeleteGraph::take()
{
    taken_ = sheet_.takeGraph(number_);
    // Kept for undo only: what the series derive from their values is worked out again.
    if (taken_ && taken_->graph && taken_->graph->dataIfAny() != nullptr) {
        for (NormoData& series : taken_->graph->data()) {
            series = series.lean();
        }
    }
}

void AddOrDeleteGraph::keptValues(KeptValues& kept) const
{
    if (taken_ && taken_->graph && taken_->graph->dataIfAny() != nullptr) {
        for (const NormoData& series : *taken_->graph->dataIfAny()) {
            keepValuesOf(series, kept);
        }
    }
}

SeriesState seriesState(const ChartSheet& sheet, std::int32_t number, const std::vector<std::int32_t>& ids)
{
    SeriesState state;
    if (const NormoBp* graph = sheet.graph(number); graph != nullptr && graph->dataIfAny() != nullptr) {
        for (const NormoData& one : *graph->dataIfAny()) {
            state.series.push_back(one.lean());
        }
    }
    for (const std::int32_t id : ids) {
        const std::int64_t index = ChartSheet::detailLabelIndex(number, id);
        const ChartLabel* label = index > 0 ? sheet.sLabel(index) : nullptr;
        state.labels[index] = label != nullptr ? std::optional<ChartLabel>(*label) : std::nullopt;
    }
    return state;
}

ChangeSeries::ChangeSeries(ChartSheet& sheet, std::int32_t number, SeriesState before, SeriesState after,
                           const char* name)
    : SheetChange(editName(name)), sheet_(sheet), number_(number), before_(std::move(before)), after_(std::move(after))
{
    setObsolete(before_ == after_);
}

void ChangeSeries::keptValues(KeptValues& kept) const
{
    for (const SeriesState* state : {&before_, &after_}) {
        for (const NormoData& series : state->series) {
            keepValuesOf(series, kept);
        }
    }
}

void ChangeSeries::apply(SeriesState& state)
{
    NormoBp* graph = sheet_.graph(number_);
    if (graph == nullptr) {
        return;
    }
    auto data = std::make_unique<Data>();
    for (NormoData& one : state.series) {
        KeyedCollection<NormoData>& collection = *data;
        collection.add(std::make_unique<NormoData>(one));
        one = one.lean();
    }
    graph->setData(std::move(data));
    if (state.graph) {
        setGraphSettings(*graph, *state.graph);
    }
    for (const auto& [index, label] : state.labels) {
        if (index <= 0) {
            continue;
        }
        sheet_.removeSLabel(index);
        if (label) {
            sheet_.addSLabel(index) = *label;
        }
    }
}

}  // namespace probel
