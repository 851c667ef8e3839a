// SPDX-License-Identifier: MIT
// probel-cli plot: every column of the input tables as a series on one graph of a sheet,
// saved as a picture of the whole sheet or as a document; or each input table on a sheet of its
// own, all into one folder.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>

#include "cli/column_series.h"
#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "cli/input_bytes.h"
#include "cli/number_option.h"
#include "cli/option_parser.h"
#include "cli/output_folder.h"
#include "cli/plot_analysis_options.h"
#include "cli/plot_output.h"
#include "cli/plot_sheet.h"
#include "cli/word_option.h"
#include "core/document/csv_columns.h"
#include "core/graph/axis_range.h"
#include "core/graph/graph_analysis.h"
#include "core/graph/normo_bp.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/sheet/chart_sheet.h"
#include "core/sheet/paper_size.h"
#include "core/stats/data.h"
#include "core/util/text_excerpt.h"
#include "platform/canvas/page_format.h"

namespace probel::cli {
namespace {

constexpr std::int32_t kLabelStep = 1;
constexpr std::string_view kDocumentExtension = ".pbl";

struct PlotOptions {
    bool log = false;
    std::optional<double> min;
    std::optional<double> max;
    std::int32_t paper = kDefaultPaperCode;
    PlotExtras extras;
    GraphAnalysis analysis;
    std::string unit;
    std::string output;
    // The output is a document rather than a picture.
    bool document = false;
    // The --output-dir form: a plot of each input in this folder, with this extension.
    std::optional<std::string> folder;
    std::string folderExtension;
    std::vector<std::string> inputs;
};

bool isDocumentPath(const std::string& path)
{
    if (path.size() <= kDocumentExtension.size()) {
        return false;
    }
    const std::string_view extension = std::string_view(path).substr(path.size() - kDocumentExtension.size());
    return std::equal(extension.begin(), extension.end(), kDocumentExtension.begin(), kDocumentExtension.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

int usageError(CliIo io, const std::string& message)
{
    io.err << "probel-cli plot: " << message << "\n" << plotUsage();
    return kExitUsage;
}

// Either -o OUT, or --output-dir DIR with --output-format.
bool parseOutput(const OptionParser& parser, PlotOptions& options, std::string& error)
{
    const auto output = parser.value("-o") ? parser.value("-o") : parser.value("--output");
    const auto folder = parser.value("--output-dir");
    const auto format = parser.value("--output-format");
    if (output && folder) {
        error = "-o と --output-dir は一緒に指定できません。";
        return false;
    }
    if (folder) {
        if (folder->empty()) {
            error = "--output-dir に出力フォルダーを指定してください。";
            return false;
        }
        if (!format) {
            error = "--output-dir には出力の形式を --output-format (png, bmp, svg, pdf, pbl) で指定してください。";
            return false;
        }
        const auto pageFormat = pageFormatNamed(*format);
        options.document = !pageFormat && isDocumentPath("plot." + *format);
        if (!pageFormat && !options.document) {
            error = "--output-format は png, bmp, svg, pdf, pbl のどれかにしてください: " + textExcerpt(*format);
            return false;
        }
        options.folder = *folder;
        options.folderExtension = pageFormat ? pageFormatExtension(*pageFormat) : kDocumentExtension;
        return true;
    }
    if (format) {
        error = "--output-format は --output-dir と一緒に指定してください (-o では拡張子で決まります)。";
        return false;
    }
    if (!output || output->empty()) {
        error = "出力ファイルを -o で指定してください。";
        return false;
    }
    options.document = isDocumentPath(*output);
    if (!options.document && !pageFormatForPath(*output)) {
        error = "出力ファイルの拡張子は .png, .bmp, .svg, .pdf, .pbl のどれかにしてください: " + textExcerpt(*output);
        return false;
    }
    options.output = *output;
    return true;
}

bool parseOptions(const Arguments& arguments, PlotOptions& options, std::string& error)
{
    std::set<std::string> withValue = {"--min", "--max",    "--paper",      "--title",         "--unit", "--format",
                                       "-o",    "--output", "--output-dir", "--output-format", "--sigma"};
    std::set<std::string> switches = {"--log", "--labels"};
    addAnalysisOptionNames(withValue, switches);
    OptionParser parser(std::move(withValue), std::move(switches));
    if (!parser.parse(arguments)) {
        error = parser.error();
        return false;
    }
    // Weibull paper's value axis is logarithmic.
    options.log = parser.has("--log") || parser.value("--paper-kind") == std::optional<std::string>("weibull");
    options.extras.detailLabels = parser.has("--labels");
    options.extras.title = parser.value("--title").value_or("");
    options.unit = parser.value("--unit").value_or("");
    if (const auto format = parser.value("--format")) {
        if (format->empty()) {
            error = "--format に書式 (0.## など) を指定してください。";
            return false;
        }
        options.extras.format = *format;
    }
    if (!wordOption(parser, "--sigma", sigmaDivisorFromWord, sigmaDivisorWordsShown(), options.extras.sigmaDivisor,
                    error)) {
        return false;
    }
    if (!numberRangeOptions(parser, "--min", "--max", options.log, options.min, options.max, error)) {
        return false;
    }
    if (const auto text = parser.value("--paper")) {
        const auto number = wholeNumber(*text);
        const auto code = number ? toInt32HalfEven(*number) : std::nullopt;
        if (!code || *code != *number || !isKnownPaperCode(*code)) {
            error = "--paper の用紙コードが違います: " + textExcerpt(*text);
            return false;
        }
        options.paper = *code;
    }
    if (!parseAnalysisOptions(parser, options.log, options.analysis, options.extras.limits, error)) {
        return false;
    }
    if (!parseOutput(parser, options, error)) {
        return false;
    }
    options.inputs = parser.positional();
    if (options.inputs.empty()) {
        error = "入力ファイルを指定してください。";
        return false;
    }
    return true;
}

// All the inputs' columns, which go on one graph: refused once they give it more series than
// it takes (each table is held to that as it is read).
Result<std::vector<CsvColumn>> readInputs(const std::vector<std::string>& inputs, std::istream& standardInput)
{
    std::vector<CsvColumn> columns;
    std::size_t series = 0;
    for (const auto& input : inputs) {
        Result<std::string> bytes = readInputBytes(input, standardInput);
        if (!bytes) {
            return bytes.error();
        }
        Result<std::vector<CsvColumn>> read = readCsvColumns(std::move(bytes.value()), inputName(input));
        if (!read) {
            return read.error();
        }
        for (auto& column : read.value()) {
            series += column.values.empty() ? 0 : 1;
            columns.push_back(std::move(column));
        }
        if (series > kMaxSeriesPerGraph) {
            const std::string limit = std::to_string(kMaxSeriesPerGraph);
            return Error{
                "数値の列が入力全体で " + limit + " を超えます。一つのグラフに描ける系列は " + limit + " 個までです。",
                inputName(input), 0};
        }
    }
    return columns;
}

// A column that was given a header but holds no number is worth a word; empty trailing
// columns (a delimiter at the end of every line) are not.
void warnAboutEmptyColumns(const std::vector<CsvColumn>& columns, std::ostream& err)
{
    for (const auto& column : columns) {
        if (column.values.empty() && !column.header.empty()) {
            reportError(err, Error{std::to_string(column.number) + " 列目 (" + textExcerpt(column.header) +
                                       ") には数値がないので描きません。",
                                   column.source, 0});
        }
    }
}

// Weibull paper names the series as the program does; its axis is logarithmic too.
Status checkLogValues(const std::vector<CsvColumn>& columns, bool weibull)
{
    for (const auto& column : columns) {
        for (std::size_t i = 0; i < column.values.size(); ++i) {
            if (column.values[i] > 0) {
                continue;
            }
            const std::string value = generalNumberText(column.values[i]);
            const std::string series = column.header.empty() ? std::to_string(column.number) + " 列目"
                                                             : "「" + textExcerpt(column.header) + "」";
            return Error{weibull ? "ワイブル確率紙には 0 以下の値を描けません: データ" + series + "の値 " + value
                                 : "対数軸には 0 以下の値を描けません: " + value,
                         column.source, column.lines[i], column.number};
        }
    }
    return {};
}

Result<AxisRange> axisRange(const std::vector<CsvColumn>& columns, const PlotOptions& options)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    for (const auto& column : columns) {
        for (const double value : column.values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    // Limits drawn as lines are worth seeing: the axis holds them as it holds the values.
    if (options.analysis.specLines) {
        for (const auto& limit : {options.extras.limits.lower, options.extras.limits.upper}) {
            if (limit) {
                low = std::min(low, *limit);
                high = std::max(high, *limit);
            }
        }
    }
    if (options.log) {
        return logAxisRange(low, high, options.min, options.max);
    }
    return linearAxisRange(low, high, options.min, options.max);
}

void setUpGraph(NormoBp& graph, const AxisRange& range, const PlotOptions& options)
{
    // The axis kind first: on a logarithmic axis the ends are stored as exponents.
    graph.setLogV(options.log);
    graph.setMin(range.min);
    graph.setMax(range.max);
    graph.setBunnkatu(range.divisions);
    graph.setXJikuStep(kLabelStep);
    graph.setXJikuCheck(true);
    graph.setMemoriCheck(true);
    graph.setTanni(options.unit);
    graph.setAnalysis(options.analysis);
}

}  // namespace

namespace {

// The plot once its options are known: read, laid out and written.
int plot(const PlotOptions& options, CliIo io)
{
    Result<std::vector<CsvColumn>> columns = readInputs(options.inputs, io.in);
    if (!columns) {
        reportError(io.err, columns.error());
        return kExitBadInput;
    }
    warnAboutEmptyColumns(columns.value(), io.err);
    ChartSheet sheet;
    sheet.myFormType = options.paper;
    const std::int32_t number = sheet.addGraph();
    sheet.setFrameVisible(number, true);
    NormoBp& graph = *sheet.graph(number);
    if (appendColumnSeries(graph.data(), columns.value()) == 0) {
        reportError(io.err, Error{"描く数値が一つもありません。",
                                  options.inputs.size() == 1 ? inputName(options.inputs.front()) : "", 0});
        return kExitBadInput;
    }
    if (options.log) {
        if (Status positive = checkLogValues(columns.value(), options.analysis.paperKind == PaperKind::Weibull);
            !positive) {
            reportError(io.err, positive.error());
            return kExitBadInput;
        }
    }
    const Result<AxisRange> chosen = axisRange(columns.value(), options);
    // The series hold their own copies; a million values need not be kept twice while drawing.
    std::vector<CsvColumn>().swap(columns.value());
    if (!chosen) {
        reportError(io.err, chosen.error());
        return kExitBadInput;
    }
    const AxisRange& range = chosen.value();
    // The span must be a number as well: the graph divides by it.
    if (!std::isfinite(range.min) || !std::isfinite(range.max) || !std::isfinite(range.max - range.min) ||
        range.min >= range.max) {
        reportError(io.err, Error{"値の範囲から軸を決められません。--min と --max を指定してください。", "", 0});
        return kExitBadInput;
    }
    setUpGraph(graph, range, options);
    completePlotSeries(graph, options.extras);

    const PlotOutcome outcome = writePlot(sheet, number, options.extras, options.output, options.document);
    if (!outcome.arranged) {
        reportError(io.err, outcome.arranged.error());
        return kExitBadInput;
    }
    return exitCodeAfter(io.err, outcome.written);
}

}  // namespace

int runPlot(const Arguments& arguments, CliIo io)
{
    PlotOptions options;
    std::string error;
    if (!parseOptions(arguments, options, error)) {
        return usageError(io, error);
    }
    if (!options.folder) {
        return plot(options, io);
    }
    const auto outputs = outputPathsInFolder(options.inputs, *options.folder, options.folderExtension);
    if (!outputs) {
        reportError(io.err, outputs.error());
        return kExitBadInput;
    }
    // Each table on a sheet of its own, with the same options; one that fails stops no other.
    int exitCode = kExitOk;
    for (std::size_t i = 0; i < options.inputs.size(); ++i) {
        PlotOptions one = options;
        one.inputs = {options.inputs[i]};
        one.output = outputs.value()[i];
        if (plot(one, io) != kExitOk) {
            exitCode = kExitBadInput;
        }
    }
    return exitCode;
}

}  // namespace probel::cli
