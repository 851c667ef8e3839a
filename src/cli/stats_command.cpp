// SPDX-License-Identifier: MIT
// probel-cli stats: the statistics of one series, as text lines or as JSON.
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "cli/input_bytes.h"
#include "cli/json_writer.h"
#include "cli/option_parser.h"
#include "cli/value_lines.h"
#include "cli/weibull_stats.h"
#include "cli/word_option.h"
#include "core/numbers/number_refusal.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/stats/detail_text.h"
#include "core/stats/normo_data.h"
#include "core/stats/series_summary.h"
#include "core/stats/weibull_method.h"
#include "core/util/text_excerpt.h"

namespace probel::cli {
namespace {

constexpr const char* kDefaultFormat = "0.##";

struct StatsOptions {
    double lower = 0;
    double upper = 0;
    bool hasLimit = false;
    int cpOption = 0;
    bool log = false;
    bool json = false;
    std::string format = kDefaultFormat;
    std::string input = "-";  // "-": standard input
    std::optional<WeibullChoice> weibull;
};

int usageError(CliIo io, const std::string& message)
{
    io.err << "probel-cli stats: " << message << "\n" << statsUsage();
    return kExitUsage;
}

bool parseWeibullOptions(const OptionParser& parser, StatsOptions& options, std::string& error)
{
    if (!parser.has("--weibull")) {
        for (const char* name : {"--fit", "--positions"}) {
            if (parser.has(name)) {
                error = std::string(name) + " は --weibull と一緒に指定してください。";
                return false;
            }
        }
        return true;
    }
    // The fit reads neither limits nor a Cp option, and Weibull paper already has a logarithmic
    // axis: taking them silently would suggest they changed the figures.
    for (const char* name : {"--lower", "--upper", "--cp-option", "--log"}) {
        if (parser.has(name)) {
            error = std::string(name) + " は --weibull と一緒には指定できません。";
            return false;
        }
    }
    WeibullChoice choice;
    if (!wordOption(parser, "--fit", weibullFitFromWord, "mle か regression ", choice.method, error) ||
        !wordOption(parser, "--positions", plottingPositionsFromWord, plottingPositionsWordsShown(), choice.positions,
                    error)) {
        return false;
    }
    options.weibull = choice;
    return true;
}

bool parseOptions(const Arguments& arguments, StatsOptions& options, std::string& error)
{
    OptionParser parser({"--lower", "--upper", "--cp-option", "--format", "--fit", "--positions"},
                        {"--log", "--json", "--weibull"});
    if (!parser.parse(arguments)) {
        error = parser.error();
        return false;
    }
    if (!parseWeibullOptions(parser, options, error)) {
        return false;
    }
    for (const auto& [name, target] : {std::pair{"--lower", &options.lower}, std::pair{"--upper", &options.upper}}) {
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
            if (parser.has("--log") && *number <= 0) {
                error = std::string(name) + " は対数軸では 0 より大きい数で指定してください: " + textExcerpt(*text);
                return false;
            }
            *target = *number;
            options.hasLimit = true;
        }
    }
    // Crossed limits give a negative percentage and Cp; a limit left out stays 0 as before.
    if (parser.has("--lower") && parser.has("--upper") && options.lower > options.upper) {
        error = "--lower は --upper 以下にしてください。";
        return false;
    }
    if (const auto text = parser.value("--cp-option")) {
        const auto number = wholeNumber(*text);
        const auto option = number ? toInt32HalfEven(*number) : std::nullopt;
        if (!option || *option != *number) {
            error = "--cp-option は整数で指定してください: " + textExcerpt(*text);
            return false;
        }
        options.cpOption = *option;
    }
    if (const auto text = parser.value("--format")) {
        options.format = *text;
    }
    options.log = parser.has("--log");
    options.json = parser.has("--json");
    if (parser.positional().size() > 1) {
        error = "入力ファイルは一つだけ指定できます。";
        return false;
    }
    if (!parser.positional().empty()) {
        options.input = parser.positional().front();
    }
    return true;
}

// The logarithm of a value of zero or below is no number; the statistics would quietly take
// the value itself instead.
Status checkLogValues(const ValueLines& read, const std::string& sourceName)
{
    for (std::size_t i = 0; i < read.values.size(); ++i) {
        if (read.values[i] <= 0) {
            return Error{"対数軸では 0 以下の値を扱えません: " + generalNumberText(read.values[i]), sourceName,
                         read.lineOf(i)};
        }
    }
    return {};
}

// JSON's null for a figure that is undefined.
std::string jsonFigure(const std::optional<double>& value)
{
    return value ? jsonNumber(*value) : "null";
}

void printJson(NormoData& series, const StatsOptions& options, std::ostream& out)
{
    const auto& sorted = series.sortData();
    // Taken before the readers below, which may replace a zero sigma, with the option given.
    series.setCpOption(options.cpOption);
    const SeriesSummary summary = summarise(series);
    // Without a limit there is nothing to be outside of or capable against.
    const auto againstLimits = [&options](const std::optional<double>& figure) {
        return options.hasLimit ? figure : std::nullopt;
    };
    // Read in the order of the keys: reading Cp may replace a zero sigma, so sigma comes first.
    out << "{\"n\": " << series.dataCount();
    out << ", \"mean\": " << jsonNumber(series.heikin());
    out << ", \"sigma\": " << jsonNumber(series.siguma());
    out << ", \"min\": " << jsonNumber(sorted.front());
    out << ", \"max\": " << jsonNumber(sorted.back());
    out << ", \"log_mean\": " << jsonNumber(series.logHeikin());
    out << ", \"log_sigma\": " << jsonNumber(series.logSiguma());
    out << ", \"probel\": " << jsonNumber(series.probel());
    out << ", \"log_probel\": " << jsonNumber(series.logProbel());
    out << ", \"cp\": " << jsonNumber(series.cp(options.cpOption));
    out << ", \"log_cp\": " << jsonNumber(series.logCp(options.cpOption));
    out << ", \"s\": " << jsonFigure(summary.s);
    out << ", \"cpk\": " << jsonFigure(summary.cpk);
    const auto& test = summary.normality;
    out << ", \"ad\": " << jsonFigure(test ? std::optional(test->a2) : std::nullopt);
    out << ", \"ad_star\": " << jsonFigure(test ? std::optional(test->a2Star) : std::nullopt);
    out << ", \"ad_p\": " << jsonFigure(test ? std::optional(test->p) : std::nullopt);
    out << ", \"ppm_expected\": " << jsonFigure(againstLimits(summary.ppmExpected));
    out << ", \"ppm_observed\": " << jsonFigure(againstLimits(summary.ppmObserved));
    out << ", \"cp_lower_95\": " << jsonFigure(againstLimits(summary.cpLowerBound));
    out << ", \"cpk_lower_95\": " << jsonFigure(againstLimits(summary.cpkLowerBound));
    out << "}\n";
}

void printText(NormoData& series, const StatsOptions& options, std::ostream& out)
{
    DetailChoice choice;
    choice.meanLines = true;
    choice.sigmaLine = true;
    choice.probelLine = options.hasLimit;
    if (options.hasLimit) {
        choice.cpOption = options.cpOption;
    }
    choice.meanFormat = choice.sigmaFormat = choice.probelFormat = choice.cpFormat = options.format;
    choice.logAxis = options.log;
    out << "n : " << series.dataCount() << "\n";
    for (const auto& line : detailStatLines(series, choice)) {
        out << line << "\n";
    }
}

// The values of the input; its bytes are let go once read, before the statistics need room
// for the sorted copy.
Result<ValueLines> readValues(const std::string& input, std::istream& standardInput)
{
    const Result<std::string> bytes = readInputBytes(input, standardInput);
    if (!bytes) {
        return bytes.error();
    }
    Result<ValueLines> read = readValueLines(bytes.value(), inputName(input));
    if (read && read->values.empty()) {
        return Error{"数値が一つもありません。", inputName(input), 0};
    }
    return read;
}

}  // namespace

std::string statsUsage()
{
    return "  probel-cli stats [--lower X] [--upper Y] [--cp-option N] [--log] [--format F] [--json] [FILE]\n"
           "      FILE (省略時は標準入力) の一行一数値のデータの統計量を表示します。\n"
           "  probel-cli stats --weibull [--fit mle|regression] [--positions weibull|benard|blom|hazen]\n"
           "                   [--format F] [--json] [FILE]\n"
           "      同じデータに 2 母数ワイブル分布を当てはめ、形状 β、尺度 η、B10 (10 % 点) と\n"
           "      Anderson–Darling 検定の A* (値が 5 個以上のとき) を表示します。値は 0 より大きい数だけです。\n"
           "      --fit: mle は最尤推定 (既定)、regression はワイブル確率紙上の最小二乗 (p の判定はしません)。\n"
           "      --positions: regression のプロット位置 (既定 weibull: i/(n+1))。\n"
           "      --lower、--upper、--cp-option、--log とは一緒に使えません。\n";
}

int runStats(const Arguments& arguments, CliIo io)
{
    StatsOptions options;
    std::string error;
    if (!parseOptions(arguments, options, error)) {
        return usageError(io, error);
    }

    Result<ValueLines> read = readValues(options.input, io.in);
    if (!read) {
        reportError(io.err, read.error());
        return kExitBadInput;
    }
    if (options.weibull) {
        return exitCodeAfter(io.err, printWeibullStats(read.value(), inputName(options.input), *options.weibull,
                                                       options.json, options.format, io.out));
    }
    if (options.log) {
        if (const Status positive = checkLogValues(read.value(), inputName(options.input)); !positive) {
            reportError(io.err, positive.error());
            return kExitBadInput;
        }
    }

    NormoData series;
    series.setMin(options.lower);
    series.setMax(options.upper);
    series.setIniData(std::move(read.value().values));
    if (options.json) {
        printJson(series, options, io.out);
    } else {
        printText(series, options, io.out);
    }
    return kExitOk;
}

}  // namespace probel::cli
