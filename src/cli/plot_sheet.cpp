// SPDX-License-Identifier: MIT
#include "cli/plot_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cli/analysis_reach.h"
#include "cli/label_layout.h"
#include "core/graph/canvas.h"
#include "core/graph/graph_renderer.h"
#include "core/graph/normo_bp.h"
#include "core/graph/weibull_scale.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/cp_option.h"
#include "core/stats/detail_text.h"
#include "core/util/blanks.h"

namespace probel::cli {
namespace {

// The add command's comment for a series it has no name for.
constexpr const char* kUnnamedSeries = "データ - ";
// The data dialog's check boxes as Tag keeps them: details, mean lines and σ, then the
// percentage and Cp (tagOf).
constexpr const char* kTagWithDetails = "111";
constexpr const char* kTagWithoutDetails = "000";
// The graph keeps a tenth of the page free on every side.
constexpr double kMarginFraction = 0.1;
// The title hangs from this share of the page height, in a larger font than the labels.
constexpr double kTitleTopFraction = 0.04;
constexpr double kTitlePoints = 14;
constexpr std::int32_t kTitleSpacing = 10;
// A title may take the graph no more than this share of its height.
constexpr double kSmallestGraphShare = 0.5;

std::int32_t pixels(double length)
{
    return static_cast<std::int32_t>(roundHalfEven(length));
}

std::int32_t wholePixels(double length)
{
    return static_cast<std::int32_t>(std::ceil(length));
}

// A limit left out is no limit to Cp: it reads the given one alone.
std::int32_t cpOptionOf(const SeriesLimits& limits)
{
    if (!limits.upper) {
        return kCpLowerLimitOnly;
    }
    return limits.lower ? kCpBothLimits : kCpUpperLimitOnly;
}

// The percentage lies between both limits: with one of them left at the axis end it would
// miss the share beyond that end, so it is shown only when both are given.
bool showsPercentage(const SeriesLimits& limits)
{
    return limits.lower && limits.upper;
}

// The percentage and Cp are on for the limits given, so that the dialog offers the limits.
std::string tagOf(const PlotExtras& extras)
{
    std::string tag = extras.detailLabels ? kTagWithDetails : kTagWithoutDetails;
    tag += showsPercentage(extras.limits) ? '1' : '0';
    tag += extras.limits.any() ? '1' : '0';
    return tag;
}

// Moves the top of `area` down to `top`; false when that leaves the graph too little height.
bool lowerTop(PageBox& area, std::int32_t top)
{
    if (top <= area.top) {
        return true;
    }
    const std::int32_t fullHeight = area.height;
    area.height -= top - area.top;
    area.top = top;
    return area.height >= kSmallestGraphShare * fullHeight;
}

// How far the graph's last value label and its unit text reach past the frame's right edge.
AxisTextRoom axisTextRoom(const NormoBp& graph, Canvas& measure)
{
    measure.setFont(graph.labelFont());
    const double lastLabel =
        graph.logV() ? measure.textWidth(kLogValueLabelPattern) : measure.textWidth(generalNumberText(graph.max()));
    // The unit as the graph draws it, without the blanks around it.
    const double unit = measure.textWidth(trimBlanks(graph.tanni()));
    return AxisTextRoom{measure.textHeight("0"), std::max(lastLabel, unit) / 2};
}

}  // namespace

void completePlotSeries(NormoBp& graph, const PlotExtras& extras)
{
    for (NormoData& series : graph.data()) {
        if (series.comment().empty()) {
            series.setComment(kUnnamedSeries + std::to_string(series.id()));
        }
        series.setMin(extras.limits.lower.value_or(graph.min()));
        series.setMax(extras.limits.upper.value_or(graph.max()));
        if (extras.limits.any()) {
            series.setCpOption(cpOptionOf(extras.limits));
        }
        series.setSigmaDivisor(extras.sigmaDivisor);
        series.setHeikinFormat(extras.format);
        series.setSigumaFormat(extras.format);
        series.setProbelFormat(extras.format);
        series.setCpFormat(extras.format);
        series.setTag(tagOf(extras));
        series.setLabel(extras.detailLabels);
    }
}

Status arrangePlotSheet(ChartSheet& sheet, std::int32_t number, const PlotExtras& extras, Canvas& measure)
{
    NormoBp& graph = *sheet.graph(number);
    const PaperSize paper = sheet.paperSize().value();
    PageBox area{pixels(kMarginFraction * paper.widthPixels), pixels(kMarginFraction * paper.heightPixels),
                 pixels((1 - 2 * kMarginFraction) * paper.widthPixels),
                 pixels((1 - 2 * kMarginFraction) * paper.heightPixels)};

    // Room above the frame for what the analysis writes there (however large the frame will be),
    // below the title when there is one.
    const std::int32_t analysisAbove = wholePixels(analysisReach(graph, area, measure).above);
    std::int32_t clearTop = analysisAbove;
    if (!extras.title.empty()) {
        ChartLabel& title = *sheet.comLabel(sheet.addComLabel());
        title.caption = joinedCaptionLines(extras.title, "\r\n");
        title.font.size = kTitlePoints;
        title.visible = true;
        const LabelExtent size = labelExtent(title, measure);
        if (area.left + size.width > paper.widthPixels) {
            return Error{"見出しが長すぎて用紙の幅に収まりません。", "", 0};
        }
        title.left = static_cast<float>(area.left);
        title.top = static_cast<float>(pixels(kTitleTopFraction * paper.heightPixels));
        clearTop += static_cast<std::int32_t>(std::ceil(title.top + size.height)) + kTitleSpacing;
    }
    if (!lowerTop(area, clearTop)) {
        return Error{analysisAbove == 0
                         ? "見出しが長すぎて、グラフを描く場所が用紙に残りません。"
                         : "見出しや表題 (--graph-title) が長すぎて、グラフを描く場所が用紙に残りません。",
                     "", 0};
    }

    std::vector<ChartLabel*> labels;
    std::vector<LabelExtent> sizes;
    if (extras.detailLabels) {
        DetailChoice choice;
        choice.meanLines = true;
        choice.sigmaLine = true;
        choice.probelLine = showsPercentage(extras.limits);
        if (extras.limits.any()) {
            choice.cpOption = cpOptionOf(extras.limits);
        }
        choice.meanFormat = choice.sigmaFormat = choice.probelFormat = choice.cpFormat = extras.format;
        choice.logAxis = graph.logV();
        choice.weibull = weibullChoiceOf(graph);
        for (NormoData& series : graph.data()) {
            ChartLabel& label = sheet.addSLabel(ChartSheet::detailLabelIndex(number, series.id()));
            label.caption = detailCaption(series, choice);
            label.foreColor = series.color();
            label.visible = true;
            labels.push_back(&label);
            sizes.push_back(labelExtent(label, measure));
        }
    }

    const auto layout = layOutGraphWithLabels(area, axisTextRoom(graph, measure), sizes);
    if (!layout) {
        return Error{"詳細ラベルが多すぎて用紙に収まりません。系列を減らすか、大きな用紙 (--paper) にしてください。",
                     "", 0};
    }
    graph.setFrameLeft(layout->frame.left);
    graph.setFrameTop(layout->frame.top);
    graph.setFrameWidth(layout->frame.width);
    graph.setFrameHeight(layout->frame.height);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->left = static_cast<float>(layout->labels[i].x);
        labels[i]->top = static_cast<float>(layout->labels[i].y);
    }
    // The graph's title is centred over the frame, which only now has its width.
    const AnalysisReach placed = analysisReach(graph, layout->frame, measure);
    if (placed.above > 0 && (placed.aboveLeft < 0 || placed.aboveRight > paper.widthPixels)) {
        return Error{"表題 (--graph-title) が長すぎて用紙の幅に収まりません。", "", 0};
    }
    return {};
}

}  // namespace probel::cli
