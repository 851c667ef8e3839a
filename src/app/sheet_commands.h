// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "app/sheet_change.h"
#include "core/graph/graph_frame.h"
#include "core/graph/graph_settings.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/normo_data.h"

namespace probel {

// The undoable changes of a sheet's content. Each holds the values before and after; redo()
// and undo() only put one or the other into the sheet. Nothing here draws: the sheet window
// redraws whenever its undo stack moves. A change whose two sides are the same is obsolete:
// the stack drops it, so it neither takes an undo step nor marks the sheet as modified.

struct LabelPlace {
    float left = 0;
    float top = 0;
    bool operator==(const LabelPlace&) const = default;
};

// A graph frame moved or resized with the mouse. A move (the size unchanged) takes the
// graph's detail labels along by the same displacement, so they stay beside it.
class MoveGraphFrame : public SheetChange {
public:
    MoveGraphFrame(ChartSheet& sheet, std::int32_t number, const GraphFrame& before, const GraphFrame& after);
    void redo() override { apply(after_, true); }
    void undo() override { apply(before_, false); }

private:
    void apply(const GraphFrame& frame, bool moved);

    ChartSheet& sheet_;
    std::int32_t number_;
    GraphFrame before_;
    GraphFrame after_;
    // Each detail label taken along, by index: where it was and where it goes.
    std::map<std::int64_t, std::pair<LabelPlace, LabelPlace>> labels_;
};

// Which label array a label belongs to.
enum class LabelArray { Text, Detail };

// A text or detail label moved with the mouse.
class MoveLabel : public SheetChange {
public:
    MoveLabel(ChartSheet& sheet, LabelArray array, std::int64_t index, LabelPlace before, LabelPlace after);
    void redo() override { apply(after_); }
    void undo() override { apply(before_); }

private:
    void apply(LabelPlace place);

    ChartSheet& sheet_;
    LabelArray array_;
    std::int64_t index_;
    LabelPlace before_;
    LabelPlace after_;
};

// A text label added, edited or deleted: element `index` goes from `before` to `after`, where
// an empty side means no label of that number.
class ChangeTextLabel : public SheetChange {
public:
    ChangeTextLabel(ChartSheet& sheet, std::int32_t index, std::optional<ChartLabel> before,
                    std::optional<ChartLabel> after);
    void redo() override { apply(after_); }
    void undo() override { apply(before_); }

private:
    void apply(const std::optional<ChartLabel>& label);

    ChartSheet& sheet_;
    std::int32_t index_;
    std::optional<ChartLabel> before_;
    std::optional<ChartLabel> after_;
};

// A graph's settings changed by its dialog (and the font button, and the clamps of the
// frame when the dialog opens).
class ChangeGraphSettings : public SheetChange {
public:
    ChangeGraphSettings(ChartSheet& sheet, std::int32_t number, GraphSettings before, GraphSettings after);
    void redo() override { apply(after_); }
    void undo() override { apply(before_); }

private:
    void apply(const GraphSettings& settings);

    ChartSheet& sheet_;
    std::int32_t number_;
    GraphSettings before_;
    GraphSettings after_;
};

// A graph added to the sheet or deleted from it, with its series and their detail labels; it
// comes back under its number and at its place among the graphs.
class AddOrDeleteGraph : public SheetChange {
public:
    // Adding makes graph `number` from `settings`, after the sheet's other graphs and without
    // series.
    AddOrDeleteGraph(ChartSheet& sheet, std::int32_t number, const GraphSettings& settings);
    // Deleting takes graph `number` off the sheet.
    AddOrDeleteGraph(ChartSheet& sheet, std::int32_t number);
    void redo() override { adding_ ? put() : take(); }
    void undo() override { adding_ ? take() : put(); }
    void keptValues(KeptValues& kept) const override;

private:
    void put();
    void take();

    ChartSheet& sheet_;
    std::int32_t number_;
    bool adding_;
    std::optional<ChartSheet::TakenGraph> taken_;
};

// The series of one graph and the detail labels that belong to them, as they stand at one
// moment: what a data action changes, kept whole so undo puts back exactly what was there.
struct SeriesState {
    std::vector<NormoData> series;
    // Every detail label index the change touches, with the label there (empty: none).
    std::map<std::int64_t, std::optional<ChartLabel>> labels;
    // The graph's settings, on both sides of a change that also fits the axis to the values.
    std::optional<GraphSettings> graph;
    bool operator==(const SeriesState&) const = default;
};

// Takes the state of graph `number`'s series and of the detail labels of `ids` (the series of
// both sides of a change).
SeriesState seriesState(const ChartSheet& sheet, std::int32_t number, const std::vector<std::int32_t>& ids);

// A series added, edited or deleted on a graph.
class ChangeSeries : public SheetChange {
public:
    ChangeSeries(ChartSheet& sheet, std::int32_t number, SeriesState before, SeriesState after, const char* name);
    void redo() override { apply(after_); }
    void undo() override { apply(before_); }
    void keptValues(KeptValues& kept) const override;

private:
    // Puts `state` into the sheet, whose series share its values; what the sheet derives from
    // them is not kept here as well.
    void apply(SeriesState& state);

    ChartSheet& sheet_;
    std::int32_t number_;
    SeriesState before_;
    SeriesState after_;
};

}  // namespace probel
