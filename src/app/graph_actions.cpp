// SPDX-License-Identifier: MIT
#include "app/graph_actions.h"

#include <optional>
#include <utility>

#include "app/delete_question.h"
#include "app/fitted_axis.h"
#include "app/graph_defaults.h"
#include "app/pic_form.h"
#include "app/sheet_commands.h"
#include "app/sheet_paper.h"
#include "core/graph/graph_settings.h"
#include "core/graph/normo_bp.h"
#include "core/graph/weibull_scale.h"
#include "core/numbers/rounding.h"
#include "core/sheet/sheet_placement.h"
#include "core/stats/data.h"
#include "dialogs/graph_settings_editor.h"
#include "platform/desktop/message_boxes.h"

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
    graph.setAnalysis(values.analysis);
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

// What the settings dialog decided for a graph that stood at `start` drawing `values` (which
// 自動 fits the axis to): the frame clamped onto the paper when it opened and the font chosen
// (both kept also on キャンセル), and the values of OK, which also become the defaults for the
// next new graph (the analysis is not among them). The dialog's values go into a scratch
// graph, so they are converted as the graph's own setters convert them (the axis ends of a
// logarithmic axis to decades); the sheet's graph is left alone.
struct DialogDecision {
    GraphSettings settings;
    bool accepted = false;
};

DialogDecision runSettingsDialog(PicForm& form, const GraphSettings& start, std::optional<ValueSpan> values,
                                 const AppServices& services)
{
    const QSize paper = form.mainPic()->paperSize();
    NormoBp decided;
    setGraphSettings(decided, start);
    const GraphFrame clamped = clampFrameOnCanvas(decided.frame(), paper.width(), paper.height());
    decided.setFrameLeft(clamped.left);
    decided.setFrameTop(clamped.top);
    const GraphDialogOutcome outcome =
        services.graphEditor.editGraph(GraphDialogInput{graphSettings(decided), paper.width(), paper.height(), values});
    form.setFocus();
    if (outcome.font) {
        writeFont(decided, *outcome.font);
    }
    if (outcome.accepted) {
        writeDialogValues(decided, *outcome.accepted, paper);
        storeGraphDefaults(decided, services.settings);
    }
    return {graphSettings(decided), outcome.accepted.has_value()};
}

}  // namespace

bool GraphActions::popMenuNormoNew(PicForm& form)
{
    NormoBp fresh;
    applyGraphDefaults(fresh, services_.settings);
    fresh.setFrameLeft(gridStart(form.paperClickPoint().x()));
    fresh.setFrameTop(gridStart(form.paperClickPoint().y()));
    const std::int32_t number = form.newGraphNumber();
    const DialogDecision decision = runSettingsDialog(form, graphSettings(fresh), std::nullopt, services_);
    if (!decision.accepted) {
        // The number stays taken while the window is open, as its frame element does.
        form.keepGraphNumberTaken(number);
        return false;
    }
    form.edit<AddOrDeleteGraph>(number, decision.settings);
    // The new graph is the one the keyboard goes on with.
    form.selectGraph(number);
    return true;
}

bool GraphActions::popMenuNormoRe(PicForm& form, std::int32_t number)
{
    const NormoBp* graph = form.sheet().graph(number);
    if (graph == nullptr) {
        return false;
    }
    const GraphSettings before = graphSettings(*graph);
    const std::optional<ValueSpan> values =
        graph->dataIfAny() != nullptr ? drawnValueSpan(*graph->dataIfAny()) : std::nullopt;
    const DialogDecision decision = runSettingsDialog(form, before, values, services_);
    if (decision.settings == before) {
        return false;
    }
    // Weibull paper cannot draw the graph's values of zero or below: the graph stays as it was.
    NormoBp decided;
    setGraphSettings(decided, decision.settings);
    if (drawsWeibullPaper(decided) && graph->dataIfAny() != nullptr) {
        const Data& series = *graph->dataIfAny();
        if (const auto refusal = weibullPaperRefusalAmong(series)) {
            services_.messages.show(*refusal, "Normo分布の設定", MessageButtons::Ok, MessageIcon::Exclamation);
            return false;
        }
    }
    form.edit<ChangeGraphSettings>(number, before, decision.settings);
    return true;
}

bool GraphActions::popMenuNormoDel(PicForm& form, std::int32_t number)
{
    if (form.sheet().graph(number) == nullptr) {
        return false;
    }
    if (!confirmDeletion(services_.messages, form, kDeleteTitle)) {
        return false;
    }
    form.edit<AddOrDeleteGraph>(number);
    return true;
}

}  // namespace probel
