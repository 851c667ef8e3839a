// SPDX-License-Identifier: MIT
// probel-cli stats: the statistics of one series, as text lines or as JSON.
#include <fstream>
#include <ostream>

#include "cli/commands.h"
#include "cli/error_report.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "cli/option_parser.h"
#include "cli/value_lines.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "core/stats/detail_text.h"
#include "core/stats/normo_data.h"

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
    std::string input;  // empty or "-": standard input
};

int usageError(CliIo io, const std::string& message)
{
    io.err << "probel-cli stats: " << message << "\n" << statsUsage();
    return kExitUsage;
}

bool parseOptions(const Arguments& arguments, StatsOptions& options, std::string& error)
{
    OptionParser parser({"--lower", "--upper", "--cp-option", "--format"}, {"--log", "--json"});
    if (!parser.parse(arguments)) {
        error = parser.error();
        return false;
    }
    for (const auto& [name, target] : {std::pair{"--lower", &options.lower}, std::pair{"--upper", &options.upper}}) {
        if (const auto text = parser.value(name)) {
            const auto number = wholeNumber(*text);
            if (!number) {
                error = std::string(name) + " は数値で指定してください: " + *text;
                return false;
            }
            *target = *number;
            options.hasLimit = true;
        }
    }
    if (const auto text = parser.value("--cp-option")) {
        const auto number = wholeNumber(*text);
        const auto option = number ? toInt32HalfEven(*number) : std::nullopt;
        if (!option || *option != *number) {
            error = "--cp-option は整数で指定してください: " + *text;
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

void printJson(NormoData& series, const StatsOptions& options, std::ostream& out)
{
    const auto& sorted = series.sortData();
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

}  // namespace

std::string statsUsage()
{
    return "  probel-cli stats [--lower X] [--upper Y] [--cp-option N] [--log] [--format F] [--json] [FILE]\n"
           "      FILE (省略時は標準入力) の一行一数値のデータの統計量を表示します。\n";
}

int runStats(const Arguments& arguments, CliIo io)
{
    StatsOptions options;
    std::string error;
    if (!parseOptions(arguments, options, error)) {
        return usageError(io, error);
    }

    Result<std::vector<double>> values = Error{};
    if (options.input.empty() || options.input == "-") {
        values = readValueLines(io.in, "標準入力");
    } else {
        std::ifstream file(options.input, std::ios::binary);
        if (!file) {
            reportError(io.err, Error{"ファイルを開けません。", options.input, 0});
            return kExitBadInput;
        }
        values = readValueLines(file, options.input);
    }
    if (!values) {
        reportError(io.err, values.error());
        return kExitBadInput;
    }
    if (values->empty()) {
        reportError(io.err, Error{"数値が一つもありません。", options.input.empty() ? "標準入力" : options.input, 0});
        return kExitBadInput;
    }

    NormoData series;
    series.setMin(options.lower);
    series.setMax(options.upper);
    series.setIniData(std::move(values).value());
    if (options.json) {
        printJson(series, options, io.out);
    } else {
        printText(series, options, io.out);
    }
    return kExitOk;
}

}  // namespace probel::cli
