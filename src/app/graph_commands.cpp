// SPDX-License-Identifier: MIT
#include "app/graph_commands.h"

#include <optional>
#include <utility>

#include "app/delete_question.h"
#include "app/graph_defaults.h"
#include "app/pic_form.h"
#include "app/sheet_edits.h"
#include "app/sheet_paper.h"
#include "core/graph/graph_settings.h"
#include "core/graph/normo_bp.h"
#include "core/numbers/rounding.h"
#include "core/sheet/sheet_placement.h"
#include "dialogs/graph_settings_editor.h"

namespace probel {
namespace {

constexpr auto kDeleteTitle = "グラフの削除";

// The values of OK written into the graph in the order the graph takes them: LogV before the
// axis ends, which a logarithmic axis stores as decades. The typed position goes onto the
// 10-pixel grid and the frame onto the paper, as a dragged frame does.
void writeDialogValues(NormoBp& graph, const GraphDialogValues& values, QSize paper)
{
    graph.setLogV(values.logV);
    graph.setFrameDrawStyle(values.frameDrawStyle);
    graph.setLineDrawStyle(values.lineDrawStyle);
    const double left = pushOntoPaper(nearestGridPosition(values.frameLeft), values.frameWidth, paper.width());
    const double top = pushOntoPaper(nearestGridPosition(values.frameTop), values.frameHeight, paper.height());
    graph.setFrameLeft(toInt32HalfEven(left).value_or(0));
    graph.setFrameTop(toInt32HalfEven(top).value_or(0));
    graph.setFrameWidth(values.frameWidth);
    graph.setFrameHeight(values.frameHeight);
    graph.setFrameColor(values.frameColor);
    graph.setLineColor(values.lineColor);
    graph.setMin(values.min);
    graph.setMax(values.max);
    graph.setTanni(values.tanni);
    graph.setXJikuStep(values.xJikuStep);
    graph.setMemoriCheck(values.memoriCheck);
    graph.setXJikuCheck(values.xJikuCheck);
    graph.setBunnkatu(values.bunnkatu);
}

void writeFont(NormoBp& graph, const CanvasFont& font)
{
    graph.setFontName(font.name);
    graph.setFontSize(toInt32HalfEven(font.size).value_or(graph.fontSize()));
    graph.setFontBold(font.bold);
    graph.setFontItalic(font.italic);
    graph.setFontStrikethru(font.strikethru);
    graph.setFontUnderline(font.underline);
}

// Runs the settings dialog on `graph` as it stands and leaves in it what the dialog decided:
// the clamps of opening, the font chosen, the values of OK (which also become the defaults).
// Returns whether OK closed it. Either button marks the sheet as modified.
bool runSettingsDialog(PicForm& form, NormoBp& graph, const AppServices& services)
{
    const QSize paper = form.mainPic()->paperSize();
    const GraphFrame clamped = clampFrameOnCanvas(graph.frame(), paper.width(), paper.height());
    graph.setFrameLeft(clamped.left);
    graph.setFrameTop(clamped.top);
    const GraphDialogOutcome outcome =
        services.graphEditor.editGraph(GraphDialogInput{graphSettings(graph), paper.width(), paper.height()});
    form.setFocus();
    form.setMoveFlag(true);
    if (outcome.font) {
        writeFont(graph, *outcome.font);
    }
    if (!outcome.accepted) {
        return false;
    }
    writeDialogValues(graph, *outcome.accepted, paper);
    storeGraphDefaults(graph, services.settings);
    return true;
}

}  // namespace

bool GraphCommands::popMenuNormoNew(PicForm& form)
{
    ChartSheet& sheet = form.sheet();
    const std::int32_t number = sheet.addGraph();
    NormoBp& graph = *sheet.graph(number);
    applyGraphDefaults(graph, services_.settings);
    graph.setFrameLeft(gridStart(sheet.pMouseX));
    graph.setFrameTop(gridStart(sheet.pMouseY));
    if (!runSettingsDialog(form, graph, services_)) {
        // The number stays taken while the window is open, as its frame element does.
        sheet.discardGraph(number);
        return false;
    }
    sheet.setFrameVisible(number, true);
    std::optional<ChartSheet::TakenGraph> added = sheet.takeGraph(number);
    added->frameVisible = true;
    form.edit(new AddOrDeleteGraph(sheet, std::move(*added)));
    return true;
}

bool GraphCommands::popMenuNormoRe(PicForm& form, std::int32_t number)
{
    ChartSheet& sheet = form.sheet();
    NormoBp* graph = sheet.graph(number);
    if (graph == nullptr) {
        return false;
    }
    const GraphSettings before = graphSettings(*graph);
    const bool accepted = runSettingsDialog(form, *graph, services_);
    const GraphSettings after = graphSettings(*graph);
    // The change goes onto the undo stack from where it started, so undo puts back exactly
    // what the graph was, the clamps of opening included.
    setGraphSettings(*graph, before);
    if (after != before) {
        form.edit(new ChangeGraphSettings(sheet, number, before, after));
    }
    if (accepted) {
        sheet.setFrameVisible(number, true);
    }
    return after != before;
}

bool GraphCommands::popMenuNormoDel(PicForm& form, std::int32_t number)
{
    if (form.sheet().graph(number) == nullptr) {
        return false;
    }
    if (!confirmDeletion(services_.messages, form, kDeleteTitle)) {
        return false;
    }
    form.edit(new AddOrDeleteGraph(form.sheet(), number));
    return true;
}

}  // namespace probel
