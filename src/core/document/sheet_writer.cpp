// SPDX-License-Identifier: MIT
#include "core/document/sheet_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "core/document/atomic_file.h"
#include "core/document/cp932.h"
#include "core/document/extension_writer.h"
#include "core/document/sheet_format.h"
#include "core/document/sheet_place.h"
#include "core/document/single_field.h"
#include "core/numbers/number_text.h"

namespace probel {
namespace {

namespace format = sheet_format;
namespace name = sheet_format::name;

// Room for the numbers of a series: a value's text and its line end rarely exceed this.
constexpr std::size_t kBytesPerValueGuess = 20;
constexpr std::size_t kBytesPerRecordGuess = 400;

// Appends fields to the document; the first failure is kept and later fields are skipped.
class FieldWriter {
public:
    explicit FieldWriter(std::string& out) : out_(out) {}

    bool failed() const { return failed_; }
    const Error& error() const { return error_; }

    void integer(std::int32_t value)
    {
        std::array<char, 16> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        out_.append(digits.data(), end.ptr);
        out_.append(format::kLineEnd);
    }

    void real(double value, int significantDigits, const SheetPlace& place, std::string_view field)
    {
        if (!std::isfinite(value)) {
            fail(place.describe(field) + " (" + realText(value) + ") は数値でないため保存できません。");
            return;
        }
        appendRealText(out_, value, significantDigits);
        out_.append(format::kLineEnd);
    }

    void boolean(bool value)
    {
        out_.append(value ? format::kTrue : format::kFalse);
        out_.append(format::kLineEnd);
    }

    void text(std::string_view utf8, const SheetPlace& place, std::string_view field)
    {
        if (failed_) {
            return;
        }
        const std::string withoutQuotes = replaceQuotes(utf8);
        const Result<std::string> bytes = encodeCp932(withoutQuotes);
        if (!bytes.ok()) {
            fail(place.describe(field) + "を保存できません: " + bytes.error().message);
            return;
        }
        out_.push_back(format::kQuote);
        out_.append(bytes.value());
        out_.push_back(format::kQuote);
        out_.append(format::kLineEnd);
    }

    void fail(std::string message)
    {
        if (!failed_) {
            failed_ = true;
            error_ = Error{std::move(message), {}, 0};
        }
    }

private:
    // The quote is one byte in UTF-8 and never part of another character.
    static std::string replaceQuotes(std::string_view utf8)
    {
        std::string text;
        text.reserve(utf8.size());
        for (const char c : utf8) {
            if (c == format::kQuote) {
                text.append(format::kQuoteStandIn);
            } else {
                text.push_back(c);
            }
        }
        return text;
    }

    std::string& out_;
    bool failed_ = false;
    Error error_;
};

// A position in canvas pixels as the twips a document stores.
double twips(std::int32_t pixels)
{
    return pixels * kTwipsPerPixel;
}

// A series' log limit as D11 and D12 hold it (docs/pbl-format.md, Log limits), read back in
// ordinary units: 10 to the log of its limit. That differs from the limit only by the rounding
// of logarithm and power (under 1E-13 relative), which would show in the 15th digit and change
// a document each time it is saved; the limit's own digits are written instead. A power that
// overflows stands for the largest double.
double logLimitValue(double logLimit, double limit)
{
    constexpr double kSameValue = 1E-12;
    if (limit > 0 && std::isfinite(limit) &&
        (!std::isfinite(logLimit) || std::fabs(logLimit - limit) <= kSameValue * limit)) {
        return limit;
    }
    return std::isfinite(logLimit) ? logLimit : std::numeric_limits<double>::max();
}

void writeLabel(FieldWriter& out, const ChartLabel& label, const SheetPlace& place)
{
    out.real(singleFieldNumber(label.top, kTwipsPerPixel), format::kSingleDigits, place, name::kTop);
    out.real(singleFieldNumber(label.left, kTwipsPerPixel), format::kSingleDigits, place, name::kLeft);
    out.text(label.font.name, place, name::kFontName);
    // The size is a double of the canvas font; the field holds singles only.
    const double size = label.font.size;
    if (std::isfinite(size) && std::fabs(size) <= std::numeric_limits<float>::max()) {
        out.real(singleFieldNumber(static_cast<float>(size), 1), format::kSingleDigits, place, name::kFontSize);
    } else {
        out.fail(place.describe(name::kFontSize) + " (" + realText(size) + ") は大きすぎて保存できません。");
    }
    out.boolean(label.font.bold);
    out.boolean(label.font.italic);
    out.boolean(label.font.strikethru);
    out.boolean(label.font.underline);
    out.integer(label.foreColor);
    out.text(label.caption, place, name::kCaption);
}

void writeGraph(FieldWriter& out, const NormoBp& graph, const SheetPlace& place)
{
    out.integer(graph.frameColor());
    out.integer(graph.frameDrawStyle());
    out.real(twips(graph.frameWidth()), format::kRealDigits, place, name::kFrameWidth);
    out.real(twips(graph.frameHeight()), format::kRealDigits, place, name::kFrameHeight);
    out.real(twips(graph.frameLeft()), format::kRealDigits, place, name::kFrameLeft);
    out.real(twips(graph.frameTop()), format::kRealDigits, place, name::kFrameTop);
    out.integer(graph.bunnkatu());
    out.integer(graph.lineColor());
    out.integer(graph.lineDrawStyle());
    out.boolean(graph.logV());
    // In axis units: a logarithmic axis gives 10 to its stored exponent, and the reader's
    // assignment turns that back into the exponent.
    out.real(graph.max(), format::kRealDigits, place, name::kMax);
    out.real(graph.min(), format::kRealDigits, place, name::kMin);
    out.boolean(graph.memoriCheck());
    out.boolean(graph.xJikuCheck());
    out.integer(graph.xJikuStep());
    out.text(graph.tanni(), place, name::kTanni);
    out.text(graph.fontName(), place, name::kFontName);
    out.integer(graph.fontSize());
    out.boolean(graph.fontBold());
    out.boolean(graph.fontItalic());
    out.boolean(graph.fontStrikethru());
    out.boolean(graph.fontUnderline());
    out.integer(graph.foreColor());
}

void writeSeries(FieldWriter& out, const NormoData& series, const SheetPlace& place)
{
    const std::vector<double>& values = series.iniValues();
    if (values.empty()) {
        // A series without values could not be read back: the whole document would be lost.
        out.fail(place.describe(name::kDataCount) + "が 0 です。値のないデータは保存できません。");
        return;
    }
    out.integer(series.dataCount());
    for (const double value : values) {
        out.real(value, format::kRealDigits, place, name::kValue);
    }
    out.integer(series.color());
    out.text(series.comment(), place, name::kComment);
    out.text(series.cpFormat(), place, name::kCpFormat);
    out.integer(series.cpOption());
    out.integer(series.drawStyle());
    out.text(series.heikinFormat(), place, name::kHeikinFormat);
    out.text(series.probelFormat(), place, name::kProbelFormat);
    out.boolean(series.lineVisible());
    out.real(logLimitValue(series.logMax(), series.max()), format::kRealDigits, place, name::kLogMax);
    out.real(logLimitValue(series.logMin(), series.min()), format::kRealDigits, place, name::kLogMin);
    out.real(series.max(), format::kRealDigits, place, name::kLimitMax);
    out.real(series.min(), format::kRealDigits, place, name::kLimitMin);
    out.integer(series.mrkSize());
    out.text(series.mrk(), place, name::kMrk);
    out.text(series.sigumaFormat(), place, name::kSigumaFormat);
    out.text(series.tag(), place, name::kTag);
    out.boolean(series.visible());
    out.boolean(series.label());
}

std::size_t sizeGuess(const ChartSheet& sheet)
{
    std::size_t bytes = kBytesPerRecordGuess * (1 + sheet.comLabels().size());
    for (const NormoBp& graph : sheet.myNormo()) {
        bytes += kBytesPerRecordGuess;
        if (const Data* data = graph.dataIfAny()) {
            for (const NormoData& series : *data) {
                bytes += kBytesPerRecordGuess + kBytesPerValueGuess * series.iniValues().size();
            }
        }
    }
    return bytes;
}

}  // namespace

Result<std::string> sheetFileBytes(const ChartSheet& sheet)
{
    std::string bytes;
    bytes.reserve(sizeGuess(sheet));
    FieldWriter out(bytes);
    const KeyedCollection<NormoBp>& graphs = sheet.myNormo();
    const auto labelCount = static_cast<std::int32_t>(sheet.comLabels().size());

    out.text(format::kVersion, {}, name::kVersion);
    out.integer(graphs.count());
    for (const NormoBp& graph : graphs) {
        const Data* data = graph.dataIfAny();
        out.integer(data != nullptr ? data->count() : 0);
    }
    out.integer(labelCount);
    out.integer(sheet.myFormType);

    for (std::int32_t position = 1; position <= graphs.count() && !out.failed(); ++position) {
        const NormoBp& graph = graphs.item(position);
        // Detail labels are found under the number the sheet holds the graph by; the file
        // itself numbers graphs by position.
        const std::int32_t number = sheet.graphNumberAt(position).value_or(0);
        const SheetPlace graphPlace{position, 0, false, 0};
        writeGraph(out, graph, graphPlace);
        const Data* data = graph.dataIfAny();
        const std::int32_t seriesCount = data != nullptr ? data->count() : 0;
        for (std::int32_t j = 1; j <= seriesCount && !out.failed(); ++j) {
            const NormoData& series = data->item(j);
            writeSeries(out, series, SheetPlace{position, j, false, 0});
            if (series.label()) {
                const ChartLabel* label = sheet.sLabel(ChartSheet::detailLabelIndex(number, series.id()));
                // A series marked for details whose label is missing still needs its ten
                // fields, or every later field would shift; the template's values serve.
                if (label == nullptr) {
                    label = &sheet.sLabelTemplate();
                }
                writeLabel(out, *label, SheetPlace{position, j, true, 0});
            }
        }
    }

    out.integer(labelCount);
    for (const auto& [index, label] : sheet.comLabels()) {
        if (out.failed()) {
            break;
        }
        writeLabel(out, label, SheetPlace{0, 0, false, index});
    }
    if (out.failed()) {
        return out.error();
    }
    // After the last text label, where the earlier program stops reading.
    const Result<std::string> extension = extensionBlockBytes(sheet);
    if (!extension.ok()) {
        return extension.error();
    }
    bytes += extension.value();
    return bytes;
}

Status writeSheetFile(const ChartSheet& sheet, const std::string& path)
{
    Result<std::string> bytes = sheetFileBytes(sheet);
    if (!bytes.ok()) {
        return Error{bytes.error().message, path, 0, 0, FileAction::SavingDocument};
    }
    return writeFileAtomically(path, bytes.value());
}

}  // namespace probel
