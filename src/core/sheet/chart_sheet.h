// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/graph/canvas.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/chart_label.h"
#include "core/sheet/paper_size.h"
#include "core/util/keyed_collection.h"

namespace probel {

// The content of one chart sheet: its graphs (graph n under the key "S"n), the frame elements
// that give graphs their numbers, the free text labels, the detail labels of series and the
// paper code. No window concerns: the sheet window owns one, shows it and keeps its history.
//
// Numbering. A new graph takes the smallest number from 1 whose frame element is not loaded;
// deleting a graph (removeGraph) unloads the frame and frees the number. Text labels take the
// lowest free element number from 1; element 0 of either label array is the hidden template
// whose font and colour new labels copy.
class ChartSheet {
public:
    static constexpr std::string_view kGraphKeyPrefix = "S";
    // Label frames are drawn in the paper's foreground colour, black.
    static constexpr std::int32_t kSheetForeColor = 0;

    // The document's path, or "新規作成" and a number for a sheet never saved.
    std::string fName;
    // Paper code WWWHHH (millimetres).
    std::int32_t myFormType = kDefaultPaperCode;
    // Records of a document's extension block that this version does not know (settings of a
    // newer one), in the order read, each as its text with CR LF inside quoted values. Saving
    // writes them back as they are; they are not renumbered when graphs or labels are.
    std::vector<std::string> unknownExtensionRecords;

    ChartSheet() = default;
    ChartSheet(const ChartSheet&) = delete;
    ChartSheet& operator=(const ChartSheet&) = delete;

    // The sheet as it stands now, with unbound copies of its graphs (NormoBp::unboundCopy):
    // what a picture drawn later, such as one the clipboard hands over on request, draws.
    std::unique_ptr<ChartSheet> unboundCopy() const;

    KeyedCollection<NormoBp>& myNormo() { return myNormo_; }
    const KeyedCollection<NormoBp>& myNormo() const { return myNormo_; }

    // "S" followed by the decimal digits of the number.
    static std::string graphKey(std::int32_t number);
    // The number in a graph key; empty when the key is not "S" and a positive number.
    static std::optional<std::int32_t> graphNumberFromKey(std::string_view key);
    // Index of the detail label of series `id` of graph `graph`: the graph's digits followed
    // by the ID written with at least two digits (1,3 -> 103; 12,5 -> 1205; 2,123 -> 2123).
    // -1 (no label has it) when graph < 1, id < 0 or the digits do not fit in 64 bits.
    static std::int64_t detailLabelIndex(std::int32_t graph, std::int32_t id);

    // Adds an empty, unbound graph under the smallest free number and loads its frame element
    // (hidden until setFrameVisible). Returns the number.
    std::int32_t addGraph();
    // The graph with this number, or nullptr.
    NormoBp* graph(std::int32_t number);
    const NormoBp* graph(std::int32_t number) const;
    // The number of the graph at a 1-based position of myNormo(); empty when its key is not
    // a graph key.
    std::optional<std::int32_t> graphNumberAt(std::int32_t position) const;
    // Deletes a graph with the detail labels of its series and unloads its frame element.
    void removeGraph(std::int32_t number);

    // A graph taken off the sheet with everything that belongs to it, so that putting it back
    // gives the sheet it came from: its place in myNormo(), its frame element and the detail
    // labels of its series.
    struct TakenGraph {
        std::int32_t number = 0;
        std::int32_t position = 0;
        bool frameVisible = false;
        std::unique_ptr<NormoBp> graph;
        std::map<std::int64_t, ChartLabel> detailLabels;
    };
    // removeGraph, handing over what it removes; empty when there is no such graph.
    std::optional<TakenGraph> takeGraph(std::int32_t number);
    // Puts a taken graph back under its number and at its position.
    void putGraph(TakenGraph taken);

    bool frameLoaded(std::int32_t number) const { return frames_.count(number) != 0; }
    bool frameVisible(std::int32_t number) const;
    // Shows or hides a loaded frame element; does nothing for one that is not loaded.
    void setFrameVisible(std::int32_t number, bool visible);

    // Free text labels. Element 0 is the template; comLabel(0) returns it.
    ChartLabel& comLabelTemplate() { return comTemplate_; }
    const ChartLabel& comLabelTemplate() const { return comTemplate_; }
    ChartLabel* comLabel(std::int32_t index);
    const ChartLabel* comLabel(std::int32_t index) const;
    // Creates the lowest-numbered element from 1 that does not exist, as a hidden copy of the
    // template, and returns its number.
    std::int32_t addComLabel();
    // Puts `label` as element `index` (>= 1), replacing one that is there: how an undone
    // delete brings a label back under its own number.
    void putComLabel(std::int32_t index, ChartLabel label);
    // Removes element `index` (never the template); false when there is none.
    bool removeComLabel(std::int32_t index);
    // Elements 1, 2, ... in index order (the template is not among them).
    const std::map<std::int32_t, ChartLabel>& comLabels() const { return comLabels_; }

    // Detail labels, indexed by detailLabelIndex. Element 0 is the template.
    ChartLabel& sLabelTemplate() { return sTemplate_; }
    const ChartLabel& sLabelTemplate() const { return sTemplate_; }
    ChartLabel* sLabel(std::int64_t index);
    const ChartLabel* sLabel(std::int64_t index) const;
    // The element `index` (> 0), created as a hidden copy of the template when it does not exist.
    ChartLabel& addSLabel(std::int64_t index);
    bool removeSLabel(std::int64_t index);
    const std::map<std::int64_t, ChartLabel>& sLabels() const { return sLabels_; }

    // The paper of myFormType; empty when the code names no paper.
    std::optional<PaperSize> paperSize() const { return paperSizeFromCode(myFormType); }

    // Binds every graph to `canvas` (nullptr unbinds) keeping each graph's frame: binding to a
    // screen surface would reset it to 10 % margins. Graphs already bound to it are left alone.
    void bindGraphs(Canvas* canvas);

private:
    KeyedCollection<NormoBp> myNormo_;
    // Loaded frame elements by number, with their visibility.
    std::map<std::int32_t, bool> frames_;
    ChartLabel comTemplate_;
    std::map<std::int32_t, ChartLabel> comLabels_;
    ChartLabel sTemplate_;
    std::map<std::int64_t, ChartLabel> sLabels_;
};

}  // namespace probel
