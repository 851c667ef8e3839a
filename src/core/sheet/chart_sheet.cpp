// SPDX-License-Identifier: MIT
#include "core/sheet/chart_sheet.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <memory>
#include <system_error>

namespace probel {
namespace {

// A series ID is written with at least two digits after the graph's digits.
constexpr std::int64_t kSmallestIdPlace = 100;
constexpr std::int64_t kDecimalBase = 10;

// Element `index` of a label array, element 0 being the template; const in, const out.
template <class Labels, class Label>
Label* labelIn(Labels& labels, Label& labelTemplate, std::int64_t index)
{
    if (index == 0) {
        return &labelTemplate;
    }
    const auto label = labels.find(index);
    return label != labels.end() ? &label->second : nullptr;
}

}  // namespace

std::string ChartSheet::graphKey(std::int32_t number)
{
    return std::string(kGraphKeyPrefix) + std::to_string(number);
}

std::optional<std::int32_t> ChartSheet::graphNumberFromKey(std::string_view key)
{
    if (key.size() <= kGraphKeyPrefix.size() || key.substr(0, kGraphKeyPrefix.size()) != kGraphKeyPrefix) {
        return std::nullopt;
    }
    const std::string_view digits = key.substr(kGraphKeyPrefix.size());
    std::int32_t number = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (read.ec != std::errc{} || read.ptr != digits.data() + digits.size() || number < 1 || graphKey(number) != key) {
        return std::nullopt;
    }
    return number;
}

std::int64_t ChartSheet::detailLabelIndex(std::int32_t graph, std::int32_t id)
{
    if (graph < 1 || id < 0) {
        return -1;
    }
    std::int64_t place = kSmallestIdPlace;
    while (id >= place) {
        place *= kDecimalBase;
    }
    if (graph > (std::numeric_limits<std::int64_t>::max() - id) / place) {
        return -1;
    }
    return graph * place + id;
}

std::unique_ptr<ChartSheet> ChartSheet::unboundCopy() const
{
    auto copy = std::make_unique<ChartSheet>();
    copy->fName = fName;
    copy->myFormType = myFormType;
    copy->unknownExtensionRecords = unknownExtensionRecords;
    copy->myNormo_ = myNormo_.copied([](const NormoBp& graph) { return graph.unboundCopy(); });
    copy->frames_ = frames_;
    copy->comTemplate_ = comTemplate_;
    copy->comLabels_ = comLabels_;
    copy->sTemplate_ = sTemplate_;
    copy->sLabels_ = sLabels_;
    return copy;
}

std::int32_t ChartSheet::addGraph()
{
    std::int32_t number = 1;
    while (frameLoaded(number) || myNormo_.contains(graphKey(number))) {
        ++number;
    }
    myNormo_.add(std::make_unique<NormoBp>(), graphKey(number));
    frames_[number] = false;
    return number;
}

NormoBp* ChartSheet::graph(std::int32_t number)
{
    return myNormo_.find(graphKey(number));
}

const NormoBp* ChartSheet::graph(std::int32_t number) const
{
    return myNormo_.find(graphKey(number));
}

std::optional<std::int32_t> ChartSheet::graphNumberAt(std::int32_t position) const
{
    if (myNormo_.find(position) == nullptr) {
        return std::nullopt;
    }
    return graphNumberFromKey(myNormo_.keyAt(position));
}

void ChartSheet::removeGraph(std::int32_t number)
{
    if (const NormoBp* removed = graph(number)) {
        // Labels are indexed by the series' IDs, which need not be their positions.
        if (const Data* series = removed->dataIfAny()) {
            for (const NormoData& one : *series) {
                removeSLabel(detailLabelIndex(number, one.id()));
            }
        }
        myNormo_.remove(graphKey(number));
    }
    frames_.erase(number);
}

std::optional<ChartSheet::TakenGraph> ChartSheet::takeGraph(std::int32_t number)
{
    const std::string key = graphKey(number);
    if (!myNormo_.contains(key)) {
        return std::nullopt;
    }
    TakenGraph taken;
    taken.number = number;
    taken.position = myNormo_.positionOf(key);
    taken.frameVisible = frameVisible(number);
    if (const Data* series = myNormo_.item(key).dataIfAny()) {
        for (const NormoData& one : *series) {
            const std::int64_t index = detailLabelIndex(number, one.id());
            if (const auto label = sLabels_.find(index); label != sLabels_.end()) {
                taken.detailLabels.insert(*label);
            }
        }
    }
    taken.graph = myNormo_.take(key);
    removeGraph(number);
    for (const auto& [index, label] : taken.detailLabels) {
        removeSLabel(index);
    }
    return taken;
}

void ChartSheet::putGraph(TakenGraph taken)
{
    const std::int32_t position = std::min(taken.position, myNormo_.count() + 1);
    myNormo_.insert(std::max(position, 1), std::move(taken.graph), graphKey(taken.number));
    frames_[taken.number] = taken.frameVisible;
    for (auto& [index, label] : taken.detailLabels) {
        sLabels_.insert_or_assign(index, std::move(label));
    }
}

bool ChartSheet::frameVisible(std::int32_t number) const
{
    const auto frame = frames_.find(number);
    return frame != frames_.end() && frame->second;
}

void ChartSheet::setFrameVisible(std::int32_t number, bool visible)
{
    const auto frame = frames_.find(number);
    if (frame != frames_.end()) {
        frame->second = visible;
    }
}

ChartLabel* ChartSheet::comLabel(std::int32_t index)
{
    return labelIn(comLabels_, comTemplate_, index);
}

const ChartLabel* ChartSheet::comLabel(std::int32_t index) const
{
    return labelIn(comLabels_, comTemplate_, index);
}

std::int32_t ChartSheet::addComLabel()
{
    std::int32_t index = 1;
    for (const auto& [taken, label] : comLabels_) {
        if (taken != index) {
            break;
        }
        ++index;
    }
    ChartLabel label = comTemplate_;
    label.visible = false;
    comLabels_.emplace(index, std::move(label));
    return index;
}

void ChartSheet::putComLabel(std::int32_t index, ChartLabel label)
{
    if (index >= 1) {
        comLabels_.insert_or_assign(index, std::move(label));
    }
}

bool ChartSheet::removeComLabel(std::int32_t index)
{
    return comLabels_.erase(index) != 0;
}

ChartLabel* ChartSheet::sLabel(std::int64_t index)
{
    return labelIn(sLabels_, sTemplate_, index);
}

const ChartLabel* ChartSheet::sLabel(std::int64_t index) const
{
    return labelIn(sLabels_, sTemplate_, index);
}

ChartLabel& ChartSheet::addSLabel(std::int64_t index)
{
    const auto [label, created] = sLabels_.try_emplace(index, sTemplate_);
    if (created) {
        label->second.visible = false;
    }
    return label->second;
}

bool ChartSheet::removeSLabel(std::int64_t index)
{
    return sLabels_.erase(index) != 0;
}

void ChartSheet::bindGraphs(Canvas* canvas)
{
    // NormoBp resets the frame when it is bound to a screen surface (a new graph starts with
    // 10 % margins); a graph that already has its place keeps it, so the frame is put back.
    for (NormoBp& one : myNormo_) {
        if (one.showObj() == canvas) {
            continue;
        }
        const std::int32_t left = one.frameLeft();
        const std::int32_t top = one.frameTop();
        const std::int32_t width = one.frameWidth();
        const std::int32_t height = one.frameHeight();
        one.setShowObj(canvas);
        one.setFrameLeft(left);
        one.setFrameTop(top);
        one.setFrameWidth(width);
        one.setFrameHeight(height);
    }
}

}  // namespace probel
