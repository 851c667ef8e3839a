// SPDX-License-Identifier: MIT
#include "app/graph_figures.h"

#include <string>

#include "core/graph/read_off.h"
#include "core/graph/weibull_scale.h"
#include "core/sheet/chart_sheet.h"
#include "core/stats/data.h"
#include "core/stats/series_summary_text.h"

namespace probel {

QString readOffAt(const ChartSheet& sheet, std::int32_t number, QPointF point)
{
    const NormoBp* graph = sheet.graph(number);
    if (graph == nullptr) {
        return {};
    }
    const GraphFrame frame{graph->frameLeft(), graph->frameTop(), graph->frameWidth(), graph->frameHeight()};
    return QString::fromStdString(readOffText(*graph, frame, PointF{point.x(), point.y()}));
}

QString seriesFigures(const ChartSheet& sheet, std::int32_t number)
{
    const NormoBp* graph = sheet.graph(number);
    const Data* allSeries = graph != nullptr ? graph->dataIfAny() : nullptr;
    if (allSeries == nullptr) {
        return {};
    }
    const auto weibull = weibullChoiceOf(*graph);
    std::string text;
    for (const NormoData& series : *allSeries) {
        text += (text.empty() ? "" : "\n\n") + summaryText(series, summarise(series, graph->logV()));
        if (weibull) {
            for (const std::string& line :
                 weibullLines(series.sortData(), *weibull, series.heikinFormat(), kWeibullFigureFormat)) {
                text += "\n" + line;
            }
        }
    }
    return QString::fromStdString(text);
}

std::optional<std::int32_t> graphOfDetailLabel(const ChartSheet& sheet, std::int64_t index)
{
    for (std::int32_t position = 1; position <= sheet.myNormo().count(); ++position) {
        const auto number = sheet.graphNumberAt(position);
        const Data* allSeries = sheet.myNormo().item(position).dataIfAny();
        if (!number || allSeries == nullptr) {
            continue;
        }
        for (const NormoData& series : *allSeries) {
            if (ChartSheet::detailLabelIndex(*number, series.id()) == index) {
                return number;
            }
        }
    }
    return std::nullopt;
}

}  // namespace probel
