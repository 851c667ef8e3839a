// SPDX-License-Identifier: MIT
#include "app/data_actions.h"

#include <QSize>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/data_defaults.h"
#include "app/delete_question.h"
#include "app/fitted_axis.h"
#include "app/graph_defaults.h"
#include "app/pic_form.h"
#include "app/sheet_commands.h"
#include "core/graph/weibull_scale.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/sheet/sheet_placement.h"
#include "core/stats/data.h"
#include "core/stats/detail_text.h"
#include "core/stats/series_cycle.h"
#include "dialogs/data_settings_editor.h"
#include "dialogs/series_chooser.h"
#include "platform/desktop/message_boxes.h"

namespace probel {
namespace {

constexpr auto kCommentPrefix = "データ - ";
constexpr auto kChooseTitle = "データの選択";
constexpr auto kDeleteTitle = "データの削除";
constexpr std::size_t kTagDigits = 5;
// The marker size of a series made without the dialog when the stored one is unreadable.
constexpr std::int32_t kNewSeriesMarkerSize = 10;

struct DetailLabelPlace {
    float left = 0;
    float top = 0;
};

std::vector<std::int32_t> seriesIds(const NormoBp& graph)
{
    std::vector<std::int32_t> ids;
    if (const Data* series = graph.dataIfAny()) {
        for (const NormoData& one : *series) {
            ids.push_back(one.id());
        }
    }
    return ids;
}

std::int32_t smallestFreeId(const std::vector<std::int32_t>& ids)
{
    std::int32_t id = 1;
    while (std::find(ids.begin(), ids.end(), id) != ids.end()) {
        ++id;
    }
    return id;
}

// The five check boxes of the detail label, as a series keeps them ("11001").
std::string tagOf(const DataDialogValues& values)
{
    std::string tag;
    for (const bool on : {values.label, values.heikin, values.siguma, values.probel, values.cp}) {
        tag += on ? '1' : '0';
    }
    return tag;
}

bool tagDigit(const std::string& tag, std::size_t position)
{
    return position < tag.size() && tag[position] == '1';
}

NormoData seriesOf(const DataDialogValues& values, std::int32_t id)
{
    NormoData series;
    series.setIniData(values.values);
    series.setMrkSize(values.mrkSize);
    series.setMrk(values.mrk);
    series.setColor(values.color);
    series.setDrawStyle(values.drawStyle);
    series.setComment(values.comment);
    series.setId(id);
    series.setHeikinFormat(values.heikinFormat);
    series.setSigumaFormat(values.sigumaFormat);
    series.setProbelFormat(values.probelFormat);
    series.setCpFormat(values.cpFormat);
    series.setCapabilityLines(values.capabilityLines);
    series.setSigmaDivisor(values.sigmaDivisor);
    series.setMin(values.min);
    series.setMax(values.max);
    series.setTag(tagOf(values));
    series.setLabel(values.label);
    series.setLineVisible(values.lineVisible);
    series.setVisible(true);
    return series;
}

// The detail label of a confirmed series; reading Cp for it keeps the option in the series.
std::optional<ChartLabel> detailLabelOf(NormoData& series, const DataDialogValues& values, const NormoBp& graph)
{
    if (!values.label) {
        return std::nullopt;
    }
    DetailChoice choice;
    choice.meanLines = values.heikin;
    choice.sigmaLine = values.siguma;
    choice.probelLine = values.probel;
    choice.cpOption = values.cp ? values.cpOption : std::nullopt;
    choice.meanFormat = values.heikinFormat;
    choice.sigmaFormat = values.sigumaFormat;
    choice.probelFormat = values.probelFormat;
    choice.cpFormat = values.cpFormat;
    choice.logAxis = graph.logV();
    choice.weibull = weibullChoiceOf(graph);
    ChartLabel label;
    label.caption = detailCaption(series, choice);
    label.font = values.labelFont;
    label.foreColor = values.color;
    label.visible = true;
    return label;
}

std::vector<std::string> seriesComments(const NormoBp& graph)
{
    std::vector<std::string> comments;
    if (const Data* series = graph.dataIfAny()) {
        for (const NormoData& one : *series) {
            comments.push_back(one.comment());
        }
    }
    return comments;
}

// A graph that takes its first series while its axis is still the one every new graph gets has
// the axis fitted to the values, in the same step: nobody chose that axis for them.
void fitDefaultAxis(const NormoBp& graph, SeriesState& before, SeriesState& after)
{
    if (!before.series.empty() || !hasDefaultAxis(graph)) {
        return;
    }
    const std::optional<ValueSpan> span = drawnValueSpan(after.series);
    const GraphSettings settings = graphSettings(graph);
    if (const std::optional<GraphSettings> fitted = span ? fittedAxis(settings, *span) : std::nullopt) {
        before.graph = settings;
        after.graph = *fitted;
    }
}

// Says why Weibull paper cannot take the series, when the graph is on it; false then.
template <class SeriesRange>
bool weibullPaperTakes(const NormoBp& graph, const SeriesRange& series, const AppServices& services, const char* title)
{
    if (!drawsWeibullPaper(graph)) {
        return true;
    }
    if (const auto refusal = weibullPaperRefusalAmong(series)) {
        services.messages.show(*refusal, title, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

// The bottom of the lowest detail label of graph `number` (of its series `ids`), as the sheet
// has them with the labels of `changed` put in or taken out; nothing when it has none.
std::optional<double> lowestDetailBottom(const PicForm& form, std::int32_t number, const std::vector<std::int32_t>& ids,
                                         const std::map<std::int64_t, std::optional<ChartLabel>>& changed)
{
    std::optional<double> lowest;
    for (const std::int32_t id : ids) {
        const std::int64_t index = ChartSheet::detailLabelIndex(number, id);
        const auto change = changed.find(index);
        const ChartLabel* label =
            change != changed.end() ? (change->second ? &*change->second : nullptr) : form.sheet().sLabel(index);
        if (label != nullptr && label->visible) {
            const double bottom = label->top + form.measuredLabel(*label).height;
            lowest = std::max(lowest.value_or(bottom), bottom);
        }
    }
    return lowest;
}

// A new detail label beside its graph, below the graph's other detail labels, on the paper.
void placeBesideGraph(ChartLabel& label, const PicForm& form, std::int32_t number, const std::vector<std::int32_t>& ids,
                      const std::map<std::int64_t, std::optional<ChartLabel>>& changed)
{
    const NormoBp& graph = *form.sheet().graph(number);
    const LabelExtent extent = form.measuredLabel(label);
    const QSize paper = form.paperPixels();
    const LabelSpot spot = detailLabelSpot(graph.frame(), lowestDetailBottom(form, number, ids, changed), extent.width,
                                           extent.height, paper.width(), paper.height());
    label.left = static_cast<float>(spot.left);
    label.top = static_cast<float>(spot.top);
}

// The graph's series after a confirmed dialog: `replaced` (a series number, or 0) taken out,
// the new series appended, its detail label put in (where `kept` says, or beside the graph) or
// removed. The defaults are stored.
void confirmSeries(PicForm& form, std::int32_t number, const DataDialogValues& values, std::int32_t id,
                   std::int32_t replaced, std::optional<DetailLabelPlace> kept, const AppServices& services,
                   const char* editName)
{
    const ChartSheet& sheet = form.sheet();
    const NormoBp& graph = *sheet.graph(number);
    SeriesState before = seriesState(sheet, number, {id});
    SeriesState after = before;
    NormoData series = seriesOf(values, id);
    if (!weibullPaperTakes(graph, std::span<const NormoData>(&series, 1), services, editName)) {
        return;
    }
    if (replaced >= 1 && static_cast<std::size_t>(replaced) <= after.series.size()) {
        const auto old = after.series.begin() + (replaced - 1);
        // Limits nobody entered stay none while the dialog leaves them as they were.
        series.setLimitsSet(old->limitsSet() || old->min() != series.min() || old->max() != series.max());
        series.shareValuesIfEqual(*old);
        after.series.erase(old);
    }
    std::optional<ChartLabel> label = detailLabelOf(series, values, graph);
    if (label && kept) {
        label->left = kept->left;
        label->top = kept->top;
    } else if (label) {
        std::map<std::int64_t, std::optional<ChartLabel>> without = after.labels;
        without[ChartSheet::detailLabelIndex(number, id)] = std::nullopt;
        placeBesideGraph(*label, form, number, seriesIds(graph), without);
    }
    after.labels[ChartSheet::detailLabelIndex(number, id)] = std::move(label);
    after.series.push_back(std::move(series));
    fitDefaultAxis(graph, before, after);
    storeDataDefaults(values, services.settings);
    form.edit<ChangeSeries>(number, before, std::move(after), editName);
}

// The defaults of the data dialog as OK would confirm them unchanged, for a series made
// without the dialog.
DataDialogValues defaultValues(const AppServices& services, const ChartSheet& sheet, const NormoBp& graph)
{
    DataDialogInput input;
    readDataDefaults(input, services.settings);
    input.min = graph.min();
    input.max = graph.max();
    input.cpOption = kCpBothLimits;
    input.labelFont = sheet.sLabelTemplate().font;
    return unchangedDataValues(input, kNewSeriesMarkerSize);
}

}  // namespace

std::size_t DataActions::seriesRoom(const ChartSheet& sheet, std::int32_t number)
{
    const NormoBp* graph = sheet.graph(number);
    if (graph == nullptr) {
        return 0;
    }
    const auto held = graph->dataIfAny() != nullptr ? static_cast<std::size_t>(graph->dataIfAny()->count()) : 0;
    return held < kMaxSeriesPerGraph ? kMaxSeriesPerGraph - held : 0;
}

bool DataActions::addSeriesColumns(PicForm& form, std::int32_t number, std::vector<NamedValues> columns)
{
    const ChartSheet& sheet = form.sheet();
    const NormoBp* graph = sheet.graph(number);
    if (graph == nullptr || columns.empty() || columns.size() > seriesRoom(sheet, number)) {
        return false;
    }
    std::vector<std::int32_t> ids = seriesIds(*graph);
    const std::size_t existing = ids.size();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        ids.push_back(smallestFreeId(ids));
    }
    const std::vector<std::int32_t> added(ids.begin() + static_cast<std::ptrdiff_t>(existing), ids.end());
    SeriesState before = seriesState(sheet, number, added);
    SeriesState after = before;
    DataDialogValues values = defaultValues(services_, sheet, *graph);
    // A table holds no limits: the series take those of the graph's last series that has any.
    // Without one the axis ends are none, so the series have none (equal limits, and marked as
    // none, for drawing spreads equal limits apart) and their labels read neither Probel nor Cp
    // until limits are entered.
    const NormoData* limited = nullptr;
    for (const NormoData& one : before.series) {
        limited = one.limitsSet() && one.min() != one.max() ? &one : limited;
    }
    values.min = limited != nullptr ? limited->min() : 0;
    values.max = limited != nullptr ? limited->max() : 0;
    values.probel = values.probel && limited != nullptr;
    values.cp = values.cp && limited != nullptr;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        values.comment = columns[i].name.empty() ? kCommentPrefix + std::to_string(added[i]) : columns[i].name;
        // Each series looks different from those before it.
        values.mrk = seriesCycleMarker(existing + i);
        values.color = seriesCycleColor(existing + i);
        NormoData series = seriesOf(values, added[i]);
        series.setIniData(std::move(columns[i].values));
        series.setLimitsSet(limited != nullptr);
        if (limited != nullptr) {
            series.setCpOption(limited->cpOption());
        }
        std::optional<ChartLabel> label = detailLabelOf(series, values, *graph);
        if (label) {
            placeBesideGraph(*label, form, number, ids, after.labels);
        }
        after.labels[ChartSheet::detailLabelIndex(number, added[i])] = std::move(label);
        after.series.push_back(std::move(series));
    }
    if (!weibullPaperTakes(*graph, after.series, services_, "データの追加")) {
        return false;
    }
    fitDefaultAxis(*graph, before, after);
    form.edit<ChangeSeries>(number, before, std::move(after), "データの追加");
    return true;
}

bool DataActions::popMenuDataNew(PicForm& form, std::int32_t number)
{
    const ChartSheet& sheet = form.sheet();
    const NormoBp* graph = sheet.graph(number);
    if (graph == nullptr) {
        return false;
    }
    if (seriesRoom(sheet, number) == 0) {
        // A hundredth series would share its detail label's number with a series of another graph.
        services_.messages.show("一つのグラフに描ける系列は " + std::to_string(kMaxSeriesPerGraph) + " 個までです。",
                                "データの追加", MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    const std::int32_t id = smallestFreeId(seriesIds(*graph));
    DataDialogInput input;
    input.adding = true;
    input.dataNumber = id;
    input.comment = kCommentPrefix + std::to_string(id);
    input.countText = "10";
    readDataDefaults(input, services_.settings);
    input.min = graph->min();
    input.max = graph->max();
    // New series read Cp with both limits, as they always have.
    input.cpOption = kCpBothLimits;
    input.labelFont = sheet.sLabelTemplate().font;

    const std::optional<DataDialogValues> confirmed = services_.dataEditor.editData(input);
    form.setFocus();
    if (!confirmed) {
        return false;
    }
    confirmSeries(form, number, *confirmed, id, 0, std::nullopt, services_, "データの追加");
    return true;
}

bool DataActions::popMenuDataRe(PicForm& form, std::int32_t number)
{
    const ChartSheet& sheet = form.sheet();
    const NormoBp* graph = sheet.graph(number);
    if (graph == nullptr) {
        return false;
    }
    const std::optional<std::int32_t> chosen =
        services_.seriesChooser.chooseSeries(kChooseTitle, seriesComments(*graph));
    form.setFocus();
    const Data* data = graph->dataIfAny();
    if (!chosen || data == nullptr || *chosen < 1 || *chosen > data->count()) {
        return false;
    }
    const NormoData& series = data->item(*chosen);
    DataDialogInput input;
    input.adding = false;
    input.values = series.iniValues();
    input.comment = series.comment();
    input.dataNumber = *chosen;
    input.countText = std::to_string(series.dataCount());
    input.drawStyle = series.drawStyle();
    input.lineVisible = series.lineVisible();
    input.sizeText = std::to_string(series.mrkSize());
    input.mrk = series.mrk();
    const std::string& tag = series.tag();
    input.label = tagDigit(tag, 0);
    input.heikin = tagDigit(tag, 1);
    input.siguma = tagDigit(tag, 2);
    input.probel = tagDigit(tag, 3);
    input.cp = tagDigit(tag, kTagDigits - 1);
    std::optional<DetailLabelPlace> kept;
    input.labelFont = sheet.sLabelTemplate().font;
    if (const ChartLabel* label = sheet.sLabel(ChartSheet::detailLabelIndex(number, series.id()));
        input.label && label != nullptr) {
        kept = DetailLabelPlace{label->left, label->top};
        input.labelFont = label->font;
    }
    input.heikinFormat = series.heikinFormat();
    input.probelFormat = series.probelFormat();
    input.sigumaFormat = series.sigumaFormat();
    input.cpFormat = series.cpFormat();
    input.capabilityLines = series.capabilityLines();
    input.sigmaDivisor = series.sigmaDivisor();
    input.min = series.min();
    input.max = series.max();
    input.color = series.color();
    input.cpOption = series.cpOption();

    const std::optional<DataDialogValues> confirmed = services_.dataEditor.editData(input);
    form.setFocus();
    if (!confirmed) {
        return false;
    }
    confirmSeries(form, number, *confirmed, series.id(), *chosen, kept, services_, "データの編集");
    return true;
}

bool DataActions::popMenuDataDel(PicForm& form, std::int32_t number)
{
    const ChartSheet& sheet = form.sheet();
    const NormoBp* graph = sheet.graph(number);
    if (graph == nullptr) {
        return false;
    }
    const std::optional<std::int32_t> chosen =
        services_.seriesChooser.chooseSeries(kDeleteTitle, seriesComments(*graph));
    form.setFocus();
    const Data* data = graph->dataIfAny();
    if (!chosen || data == nullptr || *chosen < 1 || *chosen > data->count()) {
        return false;
    }
    if (!confirmDeletion(services_.messages, form, kDeleteTitle)) {
        return false;
    }
    const std::int32_t id = data->item(*chosen).id();
    const SeriesState before = seriesState(sheet, number, {id});
    SeriesState after = before;
    after.series.erase(after.series.begin() + (*chosen - 1));
    after.labels[ChartSheet::detailLabelIndex(number, id)] = std::nullopt;
    form.edit<ChangeSeries>(number, before, std::move(after), "データの削除");
    return true;
}

}  // namespace probel
