// SPDX-License-Identifier: MIT
#include "cli/sheet_json.h"

#include <charconv>
#include <cmath>
#include <ostream>
#include <string>

#include "cli/json_printer.h"
#include "cli/json_writer.h"
#include "core/document/extension_format.h"
#include "core/document/extension_values.h"
#include "core/sheet/chart_sheet.h"

namespace probel::cli {
namespace {

// Label positions and font sizes are held in single precision, as documents store them.
std::string jsonSingle(float value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void printLabel(JsonPrinter& json, std::int64_t index, const ChartLabel& label)
{
    json.beginObject();
    json.key("index");
    json.integer(index);
    json.member("Left", jsonSingle(label.left));
    json.member("Top", jsonSingle(label.top));
    json.member("FontName", jsonString(label.font.name));
    json.member("FontSize", jsonSingle(static_cast<float>(label.font.size)));
    json.member("FontBold", jsonBool(label.font.bold));
    json.member("FontItalic", jsonBool(label.font.italic));
    json.member("FontStrikethru", jsonBool(label.font.strikethru));
    json.member("FontUnderline", jsonBool(label.font.underline));
    json.key("ForeColor");
    json.integer(label.foreColor);
    json.member("Caption", jsonString(label.caption));
    json.member(extension_format::kFrame, jsonBool(label.framed()));
    json.endObject();
}

// The settings documents keep after the earlier program's fields, named as the document names
// them (lower case, unlike the earlier program's properties).
void printAnalysis(JsonPrinter& json, const GraphAnalysis& analysis)
{
    namespace ext = extension_format;
    json.key("analysis");
    json.beginObject();
    json.member(ext::kSpecLines, jsonBool(analysis.specLines));
    json.member(ext::kBand, jsonString(bandWord(analysis.band)));
    json.key(ext::kBandLevel);
    json.integer(analysis.bandLevel);
    json.key(ext::kPercentiles);
    json.numbers(analysis.percentiles);
    json.member(ext::kLegend, jsonString(legendWord(analysis.legend)));
    json.member(ext::kTitle, jsonString(analysis.title));
    json.member(ext::kBeyondAxisMarks, jsonBool(analysis.beyondAxisMarks));
    json.member(ext::kPositions, jsonString(plottingPositionsWord(analysis.positions)));
    json.member(ext::kPaper, jsonString(paperWord(analysis.paperKind)));
    json.member(ext::kFit, jsonString(weibullFitWord(analysis.weibullFit)));
    json.endObject();
}

void printSeriesSettings(JsonPrinter& json, const NormoData& series)
{
    json.member(extension_format::kLimits, jsonBool(series.limitsSet()));
    json.member(extension_format::kSigma, jsonString(sigmaDivisorWord(series.sigmaDivisor())));
    json.key("capabilityLines");
    json.beginObject();
    for (const CapabilitySetting& setting : kCapabilitySettings) {
        json.member(setting.name, jsonBool(series.capabilityLines().*setting.line));
    }
    json.endObject();
}

void printSeries(JsonPrinter& json, const ChartSheet& sheet, std::int32_t graphNumber, const NormoData& series)
{
    // The statistic readers are not const (given a format they remember it, and Cp may replace
    // a zero sigma); they are read here without a format, on a copy, and Probel and Cp, which
    // are only results of the last such reading, are left out.
    NormoData reading = series;
    json.beginObject();
    json.key("ID");
    json.integer(series.id());
    json.key("IniData");
    json.numbers(series.iniValues());
    json.key("SortData");
    json.numbers(series.sortData());
    json.key("LogSortData");
    json.numbers(series.logSortData());
    json.key("DataCount");
    json.integer(series.dataCount());
    json.member("Heikin", jsonNumber(reading.heikin()));
    json.member("Siguma", jsonNumber(reading.siguma()));
    json.member("LogHeikin", jsonNumber(reading.logHeikin()));
    json.member("LogSiguma", jsonNumber(reading.logSiguma()));
    json.member("Min", jsonNumber(series.min()));
    json.member("Max", jsonNumber(series.max()));
    json.member("LogMin", jsonNumber(series.logMin()));
    json.member("LogMax", jsonNumber(series.logMax()));
    json.key("CpOption");
    json.integer(series.cpOption());
    json.member("HeikinFormat", jsonString(series.heikinFormat()));
    json.member("SigumaFormat", jsonString(series.sigumaFormat()));
    json.member("ProbelFormat", jsonString(series.probelFormat()));
    json.member("CpFormat", jsonString(series.cpFormat()));
    json.member("Mrk", jsonString(series.mrk()));
    json.key("MrkSize");
    json.integer(series.mrkSize());
    json.key("Color");
    json.integer(series.color());
    json.key("DrawStyle");
    json.integer(series.drawStyle());
    json.member("LineVisible", jsonBool(series.lineVisible()));
    json.member("Visible", jsonBool(series.visible()));
    json.member("Label", jsonBool(series.label()));
    json.member("Comment", jsonString(series.comment()));
    json.member("Tag", jsonString(series.tag()));
    printSeriesSettings(json, series);
    json.key("SLabel");
    const std::int64_t index = ChartSheet::detailLabelIndex(graphNumber, series.id());
    const ChartLabel* label = index > 0 ? sheet.sLabel(index) : nullptr;
    if (label != nullptr) {
        printLabel(json, index, *label);
    } else {
        json.scalar("null");
    }
    json.endObject();
}

void printGraph(JsonPrinter& json, const ChartSheet& sheet, std::int32_t position)
{
    const NormoBp& graph = sheet.myNormo().item(position);
    // A graph read from a file is bound to no surface yet; the sheet draws it on its canvas.
    const std::optional<PaperSize> paper = sheet.paperSize();
    const auto integer = [&json](std::string_view name, std::int64_t value) {
        json.key(name);
        json.integer(value);
    };
    json.beginObject();
    json.member("key", jsonString(sheet.myNormo().keyAt(position)));
    integer("FrameLeft", graph.frameLeft());
    integer("FrameTop", graph.frameTop());
    integer("FrameWidth", graph.frameWidth());
    integer("FrameHeight", graph.frameHeight());
    integer("FrameColor", graph.frameColor());
    integer("FrameDrawStyle", graph.frameDrawStyle());
    integer("LineColor", graph.lineColor());
    integer("LineDrawStyle", graph.lineDrawStyle());
    json.member("Min", jsonNumber(graph.min()));
    json.member("Max", jsonNumber(graph.max()));
    json.member("LogV", jsonBool(graph.logV()));
    integer("Bunnkatu", graph.bunnkatu());
    integer("XJikuStep", graph.xJikuStep());
    json.member("XJikuCheck", jsonBool(graph.xJikuCheck()));
    json.member("MemoriCheck", jsonBool(graph.memoriCheck()));
    json.member("Tanni", jsonString(graph.tanni()));
    json.member("FontName", jsonString(graph.fontName()));
    integer("FontSize", graph.fontSize());
    json.member("FontBold", jsonBool(graph.fontBold()));
    json.member("FontItalic", jsonBool(graph.fontItalic()));
    json.member("FontStrikethru", jsonBool(graph.fontStrikethru()));
    json.member("FontUnderline", jsonBool(graph.fontUnderline()));
    integer("ForeColor", graph.foreColor());
    integer("WindowWidth", paper ? paper->widthPixels : 0);
    integer("WindowHeight", paper ? paper->heightPixels : 0);
    printAnalysis(json, graph.analysis());
    json.key("Data");
    json.beginArray();
    if (const Data* data = graph.dataIfAny()) {
        const std::int32_t number = sheet.graphNumberAt(position).value_or(0);
        for (const NormoData& series : *data) {
            printSeries(json, sheet, number, series);
        }
    }
    json.endArray();
    json.endObject();
}

}  // namespace

void printSheetJson(const ChartSheet& sheet, std::ostream& out)
{
    JsonPrinter json(out);
    json.beginObject();
    json.key("MyFormType");
    json.integer(sheet.myFormType);
    json.key("graphs");
    json.beginArray();
    for (std::int32_t position = 1; position <= sheet.myNormo().count(); ++position) {
        printGraph(json, sheet, position);
    }
    json.endArray();
    json.key("ComLabel");
    json.beginArray();
    for (const auto& [index, label] : sheet.comLabels()) {
        printLabel(json, index, label);
    }
    json.endArray();
    json.endObject();
    json.finish();
}

}  // namespace probel::cli
