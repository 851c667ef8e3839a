// SPDX-License-Identifier: MIT
#include "core/document/extension_reader.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/document/cp932.h"
#include "core/document/extension_format.h"
#include "core/document/extension_values.h"
#include "core/document/field_values.h"
#include "core/document/sheet_format.h"
#include "core/document/sheet_place.h"
#include "core/sheet/chart_label.h"

namespace probel {
namespace {

namespace ext = extension_format;
namespace shown = extension_format::shown;

constexpr std::string_view kBoolean = "#TRUE# か #FALSE# ";
constexpr std::string_view kText = "「\"」で囲んだ文字列";
constexpr std::string_view kPercentiles = "0 より大きく 100 より小さい数値の並び";

constexpr std::array<std::string_view, 10> kGraphSettings = {
    ext::kSpecLines,       ext::kBand,      ext::kBandLevel, ext::kPercentiles, ext::kLegend, ext::kTitle,
    ext::kBeyondAxisMarks, ext::kPositions, ext::kPaper,     ext::kFit,
};
constexpr std::array<std::string_view, 1> kLabelSettings = {ext::kFrame};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isSeriesSetting(std::string_view name)
{
    return name == ext::kLimits || name == ext::kSigma ||
           std::any_of(kCapabilitySettings.begin(), kCapabilitySettings.end(),
                       [name](const CapabilitySetting& setting) { return setting.name == name; });
}

// The object and name of a record, as messages quote it.
std::string_view headOf(const ExtensionRecord& record)
{
    return record.source.substr(0, record.source.find('='));
}

// Carries a fault out of the nested readers to the single place that returns it.
struct BlockStop {
    ExtensionFault fault;
};

class BlockReader {
public:
    BlockReader(std::string_view bytes, std::int64_t firstLine, ChartSheet& sheet)
        : scanner_(bytes, firstLine), sheet_(sheet)
    {
    }

    void read()
    {
        readHeader();
        ExtensionRecord record;
        ExtensionFault fault;
        while (true) {
            switch (scanner_.nextRecord(record, fault)) {
            case ExtensionScanner::Outcome::End:
                return;
            case ExtensionScanner::Outcome::Malformed:
                throw BlockStop{fault};
            case ExtensionScanner::Outcome::Record:
                readRecord(record);
                break;
            }
        }
    }

private:
    [[noreturn]] static void stop(std::int64_t line, std::string reason)
    {
        throw BlockStop{ExtensionFault{line, std::move(reason)}};
    }

    [[noreturn]] static void stopAt(const ExtensionRecord& record, std::string_view what)
    {
        stop(record.line, "拡張ブロックの「" + shownField(headOf(record)) + "」" + std::string(what));
    }

    void readHeader()
    {
        std::string_view text;
        std::int64_t line = 0;
        if (!scanner_.nextLine(text, line)) {
            return;  // only blanks: no block
        }
        const std::string expected = std::string(ext::kHeaderWord) + " " + std::to_string(ext::kVersion);
        const std::vector<std::string_view> parts = blankSeparatedWords(text);
        const WholeField version = parts.size() == 2 ? wholeField(parts[1]) : WholeField{};
        if (parts.size() != 2 || parts[0] != ext::kHeaderWord || version.kind == WholeKind::NotWhole ||
            (version.kind == WholeKind::Whole && version.value < 1)) {
            stop(line, "拡張ブロックの見出し「" + shownField(text) + "」が正しくありません（「" + expected +
                           "」が必要です）。");
        }
        if (version.kind == WholeKind::OutOfRange || version.value > ext::kVersion) {
            stop(line, "拡張ブロックの版 " + shownField(parts[1]) + " はこのプログラムでは読めません（読めるのは版 " +
                           std::to_string(ext::kVersion) + " までです）。");
        }
    }

    // The numbers after an object's kind: `count` whole numbers of at least 1.
    std::vector<std::int32_t> objectNumbers(const ExtensionRecord& record, std::size_t count, std::string_view form)
    {
        std::vector<std::int32_t> numbers;
        bool right = record.object.size() == count + 1;
        for (std::size_t at = 1; right && at < record.object.size(); ++at) {
            const WholeField number = wholeField(record.object[at]);
            right = number.kind == WholeKind::Whole && number.value >= 1;
            numbers.push_back(number.value);
        }
        if (!right) {
            stopAt(record, "の対象が正しくありません（「" + std::string(form) +
                               (count == 0 ? "」だけです）。" : "」の形で、番号は 1 以上の整数です）。"));
        }
        return numbers;
    }

    void readRecord(const ExtensionRecord& record)
    {
        const Result<std::string> text = decodeCp932(record.source);
        if (!text.ok()) {
            stop(record.line,
                 "拡張ブロックの「" + shownField(headOf(record)) + "」を読めません: " + text.error().message);
        }
        const std::string_view kind = record.object.front();
        if (kind == ext::kSheet) {
            objectNumbers(record, 0, "sheet");
        } else if (kind == ext::kGraph) {
            const std::int32_t i = objectNumbers(record, 1, "graph i").front();
            if (among(kGraphSettings, record.name)) {
                readGraphSetting(record, i);
                return;
            }
        } else if (kind == ext::kSeries) {
            const std::vector<std::int32_t> numbers = objectNumbers(record, 2, "series i j");
            if (isSeriesSetting(record.name)) {
                readSeriesSetting(record, numbers[0], numbers[1]);
                return;
            }
        } else if (kind == ext::kLabel) {
            const std::int32_t k = objectNumbers(record, 1, "label k").front();
            if (among(kLabelSettings, record.name)) {
                readLabelSetting(record, k);
                return;
            }
        }
        sheet_.unknownExtensionRecords.push_back(joinedCaptionLines(text.value(), "\r\n"));
    }

    // Each setting of an object once: a second one would leave which one counts to chance.
    void once(const ExtensionRecord& record, const std::string& what, std::int32_t i, std::int32_t j)
    {
        std::string key = std::string(record.object.front()) + " " + std::to_string(i) + " " + std::to_string(j) + " " +
                          std::string(record.name);
        if (!seen_.insert(std::move(key)).second) {
            stop(record.line, what + "が 2 度あります。");
        }
    }

    [[noreturn]] static void wrongValue(const ExtensionRecord& record, const std::string& what,
                                        std::string_view expected)
    {
        const std::string shownValue = shownField(record.value);
        if (record.quoted) {
            stop(record.line,
                 what + "に" + std::string(expected) + "が必要ですが、文字列 \"" + shownValue + "\" があります。");
        }
        stop(record.line, what + "に" + std::string(expected) + "が必要ですが、「" + shownValue + "」があります。");
    }

    static bool boolean(const ExtensionRecord& record, const std::string& what)
    {
        if (!record.quoted && record.value == sheet_format::kTrue) {
            return true;
        }
        if (record.quoted || record.value != sheet_format::kFalse) {
            wrongValue(record, what, kBoolean);
        }
        return false;
    }

    // The value of a bare record as `read` takes it; anything else is refused as not `expected`.
    template <class Read>
    static auto bare(const ExtensionRecord& record, const std::string& what, Read read, std::string_view expected)
    {
        auto value = record.quoted ? std::nullopt : read(record.value);
        if (!value) {
            wrongValue(record, what, expected);
        }
        return std::move(*value);
    }

    void readGraphSetting(const ExtensionRecord& record, std::int32_t i)
    {
        NormoBp* graph = sheet_.graph(i);
        if (graph == nullptr) {
            stopAt(record, "のグラフ " + std::to_string(i) + " はありません。");
        }
        const SheetPlace place{i, 0, false, 0};
        GraphAnalysis analysis = graph->analysis();
        const std::string_view name = record.name;
        const auto what = [&](std::string_view shownName) {
            std::string described = place.describe(shownName);
            once(record, described, i, 0);
            return described;
        };
        if (name == ext::kSpecLines) {
            analysis.specLines = boolean(record, what(shown::kSpecLines));
        } else if (name == ext::kBand) {
            analysis.band = bare(record, what(shown::kBand), bandFromWord, bandWordsShown());
        } else if (name == ext::kBandLevel) {
            analysis.bandLevel = bare(record, what(shown::kBandLevel), bandLevelFromText, bandLevelsShown());
        } else if (name == ext::kPercentiles) {
            analysis.percentiles = bare(record, what(shown::kPercentiles), percentilesFromText, kPercentiles);
        } else if (name == ext::kLegend) {
            analysis.legend = bare(record, what(shown::kLegend), legendFromWord, legendWordsShown());
        } else if (name == ext::kTitle) {
            const std::string described = what(shown::kTitle);
            if (!record.quoted) {
                wrongValue(record, described, kText);
            }
            // The record decoded whole already, so its value does too.
            analysis.title = joinedCaptionLines(decodeCp932(record.value).value(), "\r\n");
        } else if (name == ext::kBeyondAxisMarks) {
            analysis.beyondAxisMarks = boolean(record, what(shown::kBeyondAxisMarks));
        } else if (name == ext::kPositions) {
            analysis.positions =
                bare(record, what(shown::kPositions), plottingPositionsFromWord, plottingPositionsWordsShown());
        } else if (name == ext::kPaper) {
            analysis.paperKind = bare(record, what(shown::kPaper), paperFromWord, paperWordsShown());
        } else if (name == ext::kFit) {
            analysis.weibullFit = bare(record, what(shown::kFit), weibullFitFromWord, weibullFitWordsShown());
        }
        graph->setAnalysis(std::move(analysis));
    }

    void readSeriesSetting(const ExtensionRecord& record, std::int32_t i, std::int32_t j)
    {
        NormoBp* graph = sheet_.graph(i);
        const Data* data = graph != nullptr ? graph->dataIfAny() : nullptr;
        if (data == nullptr || j > data->count()) {
            stopAt(record, "のグラフ " + std::to_string(i) + " のデータ " + std::to_string(j) + " はありません。");
        }
        NormoData& series = graph->data().item(j);
        const SheetPlace place{i, j, false, 0};
        if (record.name == ext::kLimits) {
            const std::string what = place.describe(shown::kLimits);
            once(record, what, i, j);
            series.setLimitsSet(boolean(record, what));
            return;
        }
        if (record.name == ext::kSigma) {
            const std::string what = place.describe(shown::kSigma);
            once(record, what, i, j);
            series.setSigmaDivisor(bare(record, what, sigmaDivisorFromWord, sigmaDivisorWordsShown()));
            return;
        }
        CapabilityLines lines = series.capabilityLines();
        for (const CapabilitySetting& setting : kCapabilitySettings) {
            if (setting.name == record.name) {
                const std::string what = place.describe(setting.shown);
                once(record, what, i, j);
                lines.*setting.line = boolean(record, what);
            }
        }
        series.setCapabilityLines(lines);
    }

    void readLabelSetting(const ExtensionRecord& record, std::int32_t k)
    {
        ChartLabel* label = sheet_.comLabel(k);
        if (label == nullptr) {
            stopAt(record, "のテキスト " + std::to_string(k) + " はありません。");
        }
        const std::string what = SheetPlace{0, 0, false, k}.describe(shown::kFrame);
        once(record, what, k, 0);
        // The tag is how a label holds its frame; an unframed label keeps the empty tag the
        // rest of the document gave it.
        if (boolean(record, what)) {
            label->tag = ChartLabel::kFramedTag;
        }
    }

    ExtensionScanner scanner_;
    ChartSheet& sheet_;
    std::set<std::string> seen_;
};

}  // namespace

bool opensExtensionBlock(std::string_view line)
{
    const std::vector<std::string_view> parts = blankSeparatedWords(line);
    return !parts.empty() && parts.front() == ext::kHeaderWord;
}

std::optional<ExtensionFault> readExtensionBlock(std::string_view bytes, std::int64_t firstLine, ChartSheet& sheet)
{
    try {
        BlockReader(bytes, firstLine, sheet).read();
    } catch (const BlockStop& stopped) {
        return stopped.fault;
    }
    return std::nullopt;
}

}  // namespace probel
