// SPDX-License-Identifier: MIT
// probel-cli plot: every column of the input tables as a series on one graph of a sheet,
// saved as a picture of the whole sheet or as a document.
#if PROBEL_HAVE_CANVAS || PROBEL_QT_HANDOVER

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/axis_range.h"
#include "cli/column_series.h"
#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "cli/input_bytes.h"
#include "cli/option_parser.h"
#include "cli/plot_output.h"
#include "cli/plot_sheet.h"
#include "core/document/csv_columns.h"
#include "core/graph/normo_bp.h"
#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/sheet/chart_sheet.h"
#include "core/sheet/paper_size.h"
#include "core/stats/data.h"
#include "core/util/text_excerpt.h"
#include "platform/text/page_format.h"

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
    std::string unit;
    std::string output;
    // The output is a document rather than a picture.
    bool document = false;
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

bool parseOptions(const Arguments& arguments, PlotOptions& options, std::string& error)
{
    OptionParser parser({"--min", "--max", "--paper", "--title", "--unit", "--format", "-o", "--output"},
                        {"--log", "--labels"});
    if (!parser.parse(arguments)) {
        error = parser.error();
        return false;
    }
    options.log = parser.has("--log");
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
    for (const auto& [name, target] : {std::pair{"--min", &options.min}, std::pair{"--max", &options.max}}) {
        if (const auto text = parser.value(name)) {
            const auto number = wholeNumber(*text);
            if (!number && beyondNumberRange(*text)) {
                error = std::string(name) + ": " + numberRefusal(*text) + ": " + textExcerpt(*text);
                return false;
            }
            if (!number) {
                error = std::string(name) + " は数値で指定してください: " + textExcerpt(*text);
                return false;
            }
            if (options.log && *number <= 0) {
                error = std::string(name) + " は対数軸では 0 より大きい数で指定してください: " + textExcerpt(*text);
                return false;
            }
            *target = *number;
        }
    }
    if (options.min && options.max && *options.min >= *options.max) {
        error = "--min は --max より小さくしてください。";
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
    const auto output = parser.value("-o") ? parser.value("-o") : parser.value("--output");
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

Status checkLogValues(const std::vector<CsvColumn>& columns)
{
    for (const auto& column : columns) {
        for (std::size_t i = 0; i < column.values.size(); ++i) {
            if (column.values[i] <= 0) {
                return Error{"対数軸には 0 以下の値を描けません: " + generalNumberText(column.values[i]), column.source,
                             column.lines[i], column.number};
            }
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
}

}  // namespace

std::string plotUsage()
{
    return "  probel-cli plot [--log] [--min A] [--max B] [--paper CODE] -o OUT FILE...\n"
           "                  [--labels] [--format F] [--title TEXT] [--unit TEXT]\n"
           "      FILE (- は標準入力) の各列 (カンマ、タブ、セミコロン区切り、一行目が数値でなければ\n"
           "      系列名) を系列として正規確率紙に描き、OUT (.png .bmp .svg .pdf) に保存します。\n"
           "      OUT が .pbl なら画像ではなく文書を書きます。\n"
           "      --min/--max がなければ値がすべて入る範囲にします (--log では 10 のべき乗に広げます)。\n"
           "      --labels: 各系列の詳細ラベル (マーカー、コメント、平均、最小値、最大値、σ) をグラフの横に置きます。\n"
           "      --format: 詳細ラベルの数値の書式 (既定 0.##)。\n"
           "      --title: グラフの上に置くテキスト (改行で複数行)。--unit: 横軸の単位。\n"
           "      CODE: 297420 420297 210297 297210 148210 210148 250354 354250 182257 257182\n"
           "      (幅と高さの mm、既定 210297 = A4 縦)。\n";
}

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
        if (Status positive = checkLogValues(columns.value()); !positive) {
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
    if (outcome.handOver) {
        return kExitHandOver;
    }
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
#if PROBEL_HAVE_CANVAS
    return plot(options, io);
#else
    // Pictures other than SVG are drawn by Qt: handed over before anything is read.
    if (!options.document && pageFormatForPath(options.output) != PageFormat::Svg) {
        return kExitHandOver;
    }
    // Messages wait until the plot is not handed over, so they are given once.
    std::ostringstream messages;
    const int exitCode = plot(options, CliIo{io.in, io.out, messages});
    if (exitCode != kExitHandOver) {
        io.err << messages.str();
    }
    return exitCode;
#endif
}

}  // namespace probel::cli

#endif
