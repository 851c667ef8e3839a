// SPDX-License-Identifier: MIT
#include "core/graph/graph_settings.h"

#include "core/graph/normo_bp.h"

namespace probel {

GraphSettings graphSettings(const NormoBp& graph)
{
    GraphSettings settings;
    settings.logV = graph.logV();
    settings.frameDrawStyle = graph.frameDrawStyle();
    settings.lineDrawStyle = graph.lineDrawStyle();
    settings.frame = graph.frame();
    settings.frameColor = graph.frameColor();
    settings.lineColor = graph.lineColor();
    settings.storedMin = graph.storedMin();
    settings.storedMax = graph.storedMax();
    settings.tanni = graph.tanni();
    settings.xJikuStep = graph.xJikuStep();
    settings.memoriCheck = graph.memoriCheck();
    settings.xJikuCheck = graph.xJikuCheck();
    settings.bunnkatu = graph.bunnkatu();
    settings.font = graph.labelFont();
    settings.analysis = graph.analysis();
    return settings;
}

void setGraphSettings(NormoBp& graph, const GraphSettings& settings)
{
    graph.setLogV(settings.logV);
    graph.setFrameDrawStyle(settings.frameDrawStyle);
    graph.setLineDrawStyle(settings.lineDrawStyle);
    graph.setFrameLeft(settings.frame.left);
    graph.setFrameTop(settings.frame.top);
    // The setters raise extents below 2; an extent that is already the graph's is left alone
    // so a never-sized graph reads back as it was.
    if (graph.frameWidth() != settings.frame.width) {
        graph.setFrameWidth(settings.frame.width);
    }
    if (graph.frameHeight() != settings.frame.height) {
        graph.setFrameHeight(settings.frame.height);
    }
    graph.setFrameColor(settings.frameColor);
    graph.setLineColor(settings.lineColor);
    graph.setStoredMin(settings.storedMin);
    graph.setStoredMax(settings.storedMax);
    graph.setTanni(settings.tanni);
    graph.setXJikuStep(settings.xJikuStep);
    graph.setMemoriCheck(settings.memoriCheck);
    graph.setXJikuCheck(settings.xJikuCheck);
    graph.setBunnkatu(settings.bunnkatu);
    graph.setFontName(settings.font.name);
    graph.setFontSize(static_cast<std::int32_t>(settings.font.size));
    graph.setFontBold(settings.font.bold);
    graph.setFontItalic(settings.font.italic);
    graph.setFontStrikethru(settings.font.strikethru);
    graph.setFontUnderline(settings.font.underline);
    graph.setAnalysis(settings.analysis);
}

}  // namespace probel
