// SPDX-License-Identifier: MIT
#include "cli/plot_sheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cli/label_layout.h"
#include "core/graph/canvas.h"
#include "core/graph/graph_renderer.h"
#include "core/graph/normo_bp.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/detail_text.h"
#include "core/util/blanks.h"

namespace probel::cli {
namespace {

// The add command's comment for a series it has no name for.
constexpr const char* kUnnamedSeries = "データ - ";
// The data dialog's check boxes as Tag keeps them: details, mean lines, σ, percentage, Cp.
constexpr const char* kTagWithDetails = "11100";
constexpr const char* kTagWithoutDetails = "00000";
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
        series.setMin(graph.min());
        series.setMax(graph.max());
        series.setHeikinFormat(extras.format);
        series.setSigumaFormat(extras.format);
        series.setProbelFormat(extras.format);
        series.setCpFormat(extras.format);
        series.setTag(extras.detailLabels ? kTagWithDetails : kTagWithoutDetails);
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
        const auto below = static_cast<std::int32_t>(std::ceil(title.top + size.height)) + kTitleSpacing;
        if (below > area.top) {
            const std::int32_t fullHeight = area.height;
            area.height -= below - area.top;
            area.top = below;
            if (area.height < kSmallestGraphShare * fullHeight) {
                return Error{"見出しが長すぎて、グラフを描く場所が用紙に残りません。", "", 0};
            }
        }
    }

    std::vector<ChartLabel*> labels;
    std::vector<LabelExtent> sizes;
    if (extras.detailLabels) {
        DetailChoice choice;
        choice.meanLines = true;
        choice.sigmaLine = true;
        choice.meanFormat = choice.sigmaFormat = choice.probelFormat = choice.cpFormat = extras.format;
        choice.logAxis = graph.logV();
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
    return {};
}

}  // namespace probel::cli
