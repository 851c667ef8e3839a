// SPDX-License-Identifier: MIT
#include "core/document/extension_writer.h"

#include <algorithm>

#include "core/document/cp932.h"
#include "core/document/extension_format.h"
#include "core/document/extension_values.h"
#include "core/document/sheet_format.h"
#include "core/document/sheet_place.h"
#include "core/numbers/number_text.h"
#include "core/sheet/chart_label.h"
#include "core/stats/normo_data.h"

namespace probel {
namespace {

namespace ext = extension_format;
namespace shown = extension_format::shown;

// Enough digits to tell a refused percentage from the 100 it would be saved as.
constexpr int kShownDigits = 17;

// The quote ends a text, so it is saved as its look-alike, as in the rest of the document.
std::string withoutQuotes(std::string_view text)
{
    std::string replaced;
    replaced.reserve(text.size());
    for (const char c : text) {
        if (c == sheet_format::kQuote) {
            replaced += sheet_format::kQuoteStandIn;
        } else {
            replaced.push_back(c);
        }
    }
    return replaced;
}

// Collects the block's records as UTF-8 lines; the first failure is kept.
class RecordWriter {
public:
    bool failed() const { return failed_; }
    const Error& error() const { return error_; }
    const std::string& records() const { return records_; }

    void record(const std::string& object, std::string_view name, std::string_view value)
    {
        records_ += object;
        records_ += ' ';
        records_ += name;
        records_ += '=';
        records_ += value;
        records_ += sheet_format::kLineEnd;
    }

    void boolean(const std::string& object, std::string_view name, bool value)
    {
        record(object, name, value ? sheet_format::kTrue : sheet_format::kFalse);
    }

    void text(const std::string& object, std::string_view name, std::string_view value)
    {
        const std::string quoted = "\"" + withoutQuotes(joinedCaptionLines(value, "\r\n")) + "\"";
        record(object, name, quoted);
    }

    void fail(std::string message)
    {
        if (!failed_) {
            failed_ = true;
            error_ = Error{std::move(message), {}, 0};
        }
    }

private:
    std::string records_;
    bool failed_ = false;
    Error error_;
};

void writeAnalysis(RecordWriter& out, const GraphAnalysis& analysis, std::int32_t i)
{
    const GraphAnalysis defaults;
    const std::string object = std::string(ext::kGraph) + " " + std::to_string(i);
    const SheetPlace place{i, 0, false, 0};
    if (analysis.specLines != defaults.specLines) {
        out.boolean(object, ext::kSpecLines, analysis.specLines);
    }
    if (analysis.band != defaults.band) {
        out.record(object, ext::kBand, bandWord(analysis.band));
    }
    if (analysis.bandLevel != defaults.bandLevel) {
        if (!isBandLevel(analysis.bandLevel)) {
            out.fail(place.describe(shown::kBandLevel) + " (" + std::to_string(analysis.bandLevel) +
                     ") は保存できません（" + bandLevelsShown() + "です）。");
        }
        out.record(object, ext::kBandLevel, std::to_string(analysis.bandLevel));
    }
    if (analysis.percentiles != defaults.percentiles) {
        const auto outside = std::find_if(analysis.percentiles.begin(), analysis.percentiles.end(),
                                          [](double percent) { return !isPercentile(percent); });
        if (outside != analysis.percentiles.end()) {
            out.fail(place.describe(shown::kPercentiles) + " (" + realText(*outside, kShownDigits) +
                     ") は保存できません（0 より大きく 100 より小さい数値です）。");
        }
        out.record(object, ext::kPercentiles, percentilesText(analysis.percentiles));
    }
    if (analysis.legend != defaults.legend) {
        out.record(object, ext::kLegend, legendWord(analysis.legend));
    }
    if (analysis.title != defaults.title) {
        if (const Result<std::string> bytes = encodeCp932(analysis.title); !bytes.ok()) {
            out.fail(place.describe(shown::kTitle) + "を保存できません: " + bytes.error().message);
        }
        out.text(object, ext::kTitle, analysis.title);
    }
    if (analysis.beyondAxisMarks != defaults.beyondAxisMarks) {
        out.boolean(object, ext::kBeyondAxisMarks, analysis.beyondAxisMarks);
    }
    if (analysis.positions != defaults.positions) {
        out.record(object, ext::kPositions, plottingPositionsWord(analysis.positions));
    }
    if (analysis.paperKind != defaults.paperKind) {
        out.record(object, ext::kPaper, paperWord(analysis.paperKind));
    }
    if (analysis.weibullFit != defaults.weibullFit) {
        out.record(object, ext::kFit, weibullFitWord(analysis.weibullFit));
    }
}

void writeSeriesSettings(RecordWriter& out, const NormoData& series, std::int32_t i, std::int32_t j)
{
    const CapabilityLines defaults;
    const CapabilityLines& lines = series.capabilityLines();
    const std::string object = std::string(ext::kSeries) + " " + std::to_string(i) + " " + std::to_string(j);
    if (!series.limitsSet()) {
        out.boolean(object, ext::kLimits, false);
    }
    if (series.sigmaDivisor() != SigmaDivisor::Count) {
        out.record(object, ext::kSigma, sigmaDivisorWord(series.sigmaDivisor()));
    }
    for (const CapabilitySetting& setting : kCapabilitySettings) {
        if (lines.*setting.line != defaults.*setting.line) {
            out.boolean(object, setting.name, lines.*setting.line);
        }
    }
}

}  // namespace

Result<std::string> extensionBlockBytes(const ChartSheet& sheet)
{
    RecordWriter out;
    const KeyedCollection<NormoBp>& graphs = sheet.myNormo();
    for (std::int32_t i = 1; i <= graphs.count(); ++i) {
        const NormoBp& graph = graphs.item(i);
        writeAnalysis(out, graph.analysis(), i);
        if (const Data* data = graph.dataIfAny()) {
            for (std::int32_t j = 1; j <= data->count(); ++j) {
                writeSeriesSettings(out, data->item(j), i, j);
            }
        }
    }
    std::int32_t k = 0;
    for (const auto& [index, label] : sheet.comLabels()) {
        ++k;
        if (label.framed()) {
            out.boolean(std::string(ext::kLabel) + " " + std::to_string(k), ext::kFrame, true);
        }
    }
    if (out.failed()) {
        return out.error();
    }
    if (out.records().empty() && sheet.unknownExtensionRecords.empty()) {
        return std::string();
    }

    std::string block = std::string(ext::kHeaderWord) + " " + std::to_string(ext::kVersion);
    block += sheet_format::kLineEnd;
    block += out.records();
    for (const std::string& record : sheet.unknownExtensionRecords) {
        block += joinedCaptionLines(record, "\r\n");
        block += sheet_format::kLineEnd;
    }
    Result<std::string> bytes = encodeCp932(block);
    if (!bytes.ok()) {
        return Error{"拡張ブロックの設定を保存できません: " + bytes.error().message, {}, 0};
    }
    return bytes;
}

}  // namespace probel
