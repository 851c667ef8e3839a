// SPDX-License-Identifier: MIT
#include "core/document/sheet_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "core/document/atomic_file.h"
#include "core/document/cp932.h"
#include "core/document/extension_reader.h"
#include "core/document/field_cursor.h"
#include "core/document/field_values.h"
#include "core/document/sheet_format.h"
#include "core/document/sheet_place.h"
#include "core/document/single_field.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

namespace format = sheet_format;
namespace name = sheet_format::name;
using Field = FieldCursor::Field;

constexpr std::size_t kShownTrailingBytes = 20;
constexpr std::int32_t kSmallestValueCount = 1;
// What a field should have held, as messages say it.
constexpr std::string_view kWhole = "整数";
constexpr std::string_view kNumber = "数値";
constexpr std::string_view kBoolean = "#TRUE# か #FALSE# ";
constexpr std::string_view kText = "「\"」で囲んだ文字列";

// Carries the error out of the nested record readers to the single place that returns it.
struct ReadStop {
    Error error;
};

// Lines inside texts may end in a lone LF (a file written on Linux); the sheet keeps CR LF.
std::string withCrLf(std::string text)
{
    if (text.find('\n') == std::string::npos) {
        return text;
    }
    std::string fixed;
    fixed.reserve(text.size() + text.size() / 8);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) {
            fixed.push_back('\r');
        }
        fixed.push_back(text[at]);
    }
    return fixed;
}

class SheetReader {
public:
    SheetReader(std::string_view bytes, const std::string& fileName) : cursor_(bytes), fileName_(fileName) {}

    std::unique_ptr<ChartSheet> read(bool withVersion, SheetReading reading)
    {
        auto sheet = std::make_unique<ChartSheet>();
        if (withVersion) {
            take({}, name::kVersion, kText);
        }
        readHeader(*sheet);
        for (std::size_t i = 0; i < seriesCounts_.size(); ++i) {
            readGraph(*sheet, static_cast<std::int32_t>(i + 1), seriesCounts_[i]);
        }
        const std::int32_t labels = count({}, name::kLabelCount, format::kLabelFields, 0);
        for (std::int32_t k = 1; k <= labels; ++k) {
            ChartLabel& label = *sheet->comLabel(sheet->addComLabel());
            readLabel(label, SheetPlace{0, 0, false, k});
            label.visible = true;
        }
        if (reading == SheetReading::CountedFieldsOnly || cursor_.restIsBlank()) {
            return sheet;
        }
        const Field rest = cursor_.firstNonBlank(kShownTrailingBytes);
        if (!opensExtensionBlock(rest.text)) {
            stop(rest.line, "文書の終わりに余分なデータ「" + shownField(rest.text) + "」があります。");
        }
        if (const std::optional<ExtensionFault> fault = readExtensionBlock(cursor_.rest(), cursor_.line(), *sheet)) {
            stop(fault->line, fault->reason);
        }
        return sheet;
    }

private:
    [[noreturn]] void stop(std::int64_t line, const std::string& reason) const
    {
        const int shownLine = static_cast<int>(std::min<std::int64_t>(line, std::numeric_limits<int>::max()));
        throw ReadStop{Error{reason, fileName_, shownLine, 0, FileAction::ReadingDocument}};
    }

    // Stops at a field that is missing or not of the kind wanted: the end of the file, an
    // open quote, text after a closing quote, a quoted text or an empty field where a value
    // belongs, or a value of the wrong form.
    [[noreturn]] void refuse(FieldCursor::Outcome outcome, const Field& taken, const SheetPlace& place,
                             std::string_view field, std::string_view kind) const
    {
        const std::string what = place.describe(field);
        switch (outcome) {
        case FieldCursor::Outcome::End:
            stop(cursor_.line(), "ファイルが途中で終わっています（" + what + "がありません）。");
        case FieldCursor::Outcome::Unterminated:
            stop(taken.line, what + "の文字列に終わりの \" がありません。");
        case FieldCursor::Outcome::JunkAfterQuote:
            stop(taken.line, what + "の文字列の後に余分な「" + shownField(taken.text) + "」があります。");
        case FieldCursor::Outcome::Field:
            break;
        }
        if (taken.quoted) {
            stop(taken.line, what + "に" + std::string(kind) + "が必要ですが、文字列 \"" + shownField(taken.text) +
                                 "\" があります。");
        }
        if (taken.text.empty()) {
            stop(taken.line, what + "が空です（" + std::string(kind) + "が必要です）。");
        }
        stop(taken.line,
             what + "に" + std::string(kind) + "が必要ですが、「" + shownField(taken.text) + "」があります。");
    }

    [[noreturn]] void tooLarge(const Field& taken, const SheetPlace& place, std::string_view field) const
    {
        stop(taken.line, place.describe(field) + "の「" + shownField(taken.text) + "」は大きすぎます。");
    }

    Field take(const SheetPlace& place, std::string_view field, std::string_view kind)
    {
        Field taken;
        const FieldCursor::Outcome outcome = cursor_.next(taken);
        if (outcome != FieldCursor::Outcome::Field) {
            refuse(outcome, taken, place, field, kind);
        }
        return taken;
    }

    // A field that holds a value (number or Boolean): not quoted, not empty.
    Field takeValue(const SheetPlace& place, std::string_view field, std::string_view kind)
    {
        const Field taken = take(place, field, kind);
        if (taken.quoted || taken.text.empty()) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kind);
        }
        return taken;
    }

    std::int32_t whole(const Field& taken, const SheetPlace& place, std::string_view field) const
    {
        const WholeField read = wholeField(taken.text);
        if (read.kind == WholeKind::OutOfRange) {
            tooLarge(taken, place, field);
        }
        if (read.kind != WholeKind::Whole) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kWhole);
        }
        return read.value;
    }

    // A count of things that follow: a whole number of at least `minimum` whose items,
    // `fieldsEach` fields apiece, fit in the rest of the file with `fieldsBesides` more fields.
    std::int32_t count(const SheetPlace& place, std::string_view field, std::int64_t fieldsEach,
                       std::int64_t fieldsBesides, std::int32_t minimum = 0)
    {
        const Field taken = takeValue(place, field, kWhole);
        const std::int32_t value = whole(taken, place, field);
        if (value < minimum) {
            stop(taken.line, place.describe(field) + "が " + std::to_string(value) + " です。" +
                                 (minimum > 0 ? "値のないデータは読み込めません。" : "負の数は使えません。"));
        }
        if (value * fieldsEach + fieldsBesides > cursor_.fieldCapacity()) {
            stop(taken.line, place.describe(field) + "が " + std::to_string(value) +
                                 " ですが、ファイルの残りにはそれだけのデータがありません。");
        }
        return value;
    }

    std::int32_t integer(const SheetPlace& place, std::string_view field)
    {
        const Field taken = takeValue(place, field, kWhole);
        const WholeField read = integerPropertyField(taken.text);
        if (read.kind == WholeKind::OutOfRange) {
            tooLarge(taken, place, field);
        }
        if (read.kind != WholeKind::Whole) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kWhole);
        }
        return read.value;
    }

    double real(const SheetPlace& place, std::string_view field)
    {
        const Field taken = takeValue(place, field, kNumber);
        const std::optional<double> value = realField(taken.text);
        if (!value) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kNumber);
        }
        return *value;
    }

    // One measurement: the hot path of large documents, so its name is made only on failure.
    double measurement(const SheetPlace& place, std::int32_t k)
    {
        Field taken;
        const FieldCursor::Outcome outcome = cursor_.next(taken);
        if (outcome == FieldCursor::Outcome::Field && !taken.quoted) {
            if (const std::optional<double> value = realField(taken.text)) {
                return *value;
            }
        }
        refuse(outcome, taken, place, std::string(name::kValue) + " " + std::to_string(k), kNumber);
    }

    // A single-precision value divided by the twips per pixel (or not, for font sizes).
    float single(const SheetPlace& place, std::string_view field, double divisor)
    {
        const Field taken = takeValue(place, field, "数値");
        const std::optional<double> value = realField(taken.text);
        if (!value) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kNumber);
        }
        if (std::fabs(*value) > std::numeric_limits<float>::max()) {
            tooLarge(taken, place, field);  // the field is a single-precision number
        }
        return singleFromField(*value, divisor);
    }

    // A frame edge: twips to pixels, halves to even, as the integer property rounds.
    std::int32_t framePixels(const SheetPlace& place, std::string_view field)
    {
        const Field taken = takeValue(place, field, "数値");
        const std::optional<double> value = realField(taken.text);
        if (!value) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kNumber);
        }
        const std::optional<std::int32_t> pixels = toInt32HalfEven(*value / kTwipsPerPixel);
        if (!pixels) {
            tooLarge(taken, place, field);
        }
        return *pixels;
    }

    bool boolean(const SheetPlace& place, std::string_view field)
    {
        const Field taken = takeValue(place, field, kBoolean);
        if (taken.text == format::kTrue) {
            return true;
        }
        if (taken.text != format::kFalse) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kBoolean);
        }
        return false;
    }

    std::string text(const SheetPlace& place, std::string_view field)
    {
        const Field taken = take(place, field, kText);
        if (!taken.quoted) {
            refuse(FieldCursor::Outcome::Field, taken, place, field, kText);
        }
        Result<std::string> decoded = decodeCp932(taken.text);
        if (!decoded.ok()) {
            stop(taken.line, place.describe(field) + "を読めません: " + decoded.error().message);
        }
        return withCrLf(std::move(decoded).value());
    }

    void readHeader(ChartSheet& sheet)
    {
        // Each graph takes its series count here and its own fields later; the labels' count
        // and the paper code come before the graphs, the text label count after them.
        constexpr std::int64_t kHeaderFieldsAfterCounts = 2;
        constexpr std::int64_t kFieldsAfterGraphs = 1;
        const std::int32_t graphs =
            count({}, name::kGraphCount, 1 + format::kGraphFields, kHeaderFieldsAfterCounts + kFieldsAfterGraphs);
        std::int64_t pending = (1 + format::kGraphFields) * graphs + kHeaderFieldsAfterCounts + kFieldsAfterGraphs;
        seriesCounts_.reserve(static_cast<std::size_t>(graphs));
        for (std::int32_t i = 1; i <= graphs; ++i) {
            --pending;
            const std::int32_t series =
                count(SheetPlace{i, 0, false, 0}, name::kSeriesCount, format::kSmallestSeriesFields, pending);
            pending += format::kSmallestSeriesFields * series;
            seriesCounts_.push_back(series);
        }
        // The first label count is not used: the one after the graphs is.
        whole(takeValue({}, name::kLabelCount, kWhole), {}, name::kLabelCount);
        const Field paper = takeValue({}, name::kPaper, kWhole);
        const std::int32_t code = whole(paper, {}, name::kPaper);
        if (!paperSizeFromCode(code)) {
            stop(paper.line, "用紙サイズのコード " + std::to_string(code) + " は使えません。");
        }
        sheet.myFormType = code;
    }

    void readGraph(ChartSheet& sheet, std::int32_t i, std::int32_t seriesCount)
    {
        const std::int32_t number = sheet.addGraph();
        sheet.setFrameVisible(number, true);
        NormoBp& graph = *sheet.graph(number);
        const SheetPlace place{i, 0, false, 0};
        graph.setFrameColor(integer(place, name::kFrameColor));
        graph.setFrameDrawStyle(integer(place, name::kFrameDrawStyle));
        graph.setFrameWidth(framePixels(place, name::kFrameWidth));
        graph.setFrameHeight(framePixels(place, name::kFrameHeight));
        graph.setFrameLeft(framePixels(place, name::kFrameLeft));
        graph.setFrameTop(framePixels(place, name::kFrameTop));
        graph.setBunnkatu(integer(place, name::kBunnkatu));
        graph.setLineColor(integer(place, name::kLineColor));
        graph.setLineDrawStyle(integer(place, name::kLineDrawStyle));
        // The axis kind first: the graph stores the ends according to it.
        graph.setLogV(boolean(place, name::kLogV));
        graph.setMax(real(place, name::kMax));
        graph.setMin(real(place, name::kMin));
        graph.setMemoriCheck(boolean(place, name::kMemoriCheck));
        graph.setXJikuCheck(boolean(place, name::kXJikuCheck));
        graph.setXJikuStep(integer(place, name::kXJikuStep));
        graph.setTanni(text(place, name::kTanni));
        graph.setFontName(text(place, name::kFontName));
        graph.setFontSize(integer(place, name::kFontSize));
        graph.setFontBold(boolean(place, name::kFontBold));
        graph.setFontItalic(boolean(place, name::kFontItalic));
        graph.setFontStrikethru(boolean(place, name::kFontStrikethru));
        graph.setFontUnderline(boolean(place, name::kFontUnderline));
        graph.setForeColor(integer(place, name::kForeColor));
        for (std::int32_t j = 1; j <= seriesCount; ++j) {
            readSeries(sheet, graph, i, j);
        }
    }

    void readSeries(ChartSheet& sheet, NormoBp& graph, std::int32_t i, std::int32_t j)
    {
        NormoData& series = graph.data().add();
        const SheetPlace place{i, j, false, 0};
        const std::int32_t n =
            count(place, name::kDataCount, 1, format::kSeriesFieldsBesideValues - 1, kSmallestValueCount);
        std::vector<double> values;
        values.reserve(static_cast<std::size_t>(n));
        for (std::int32_t k = 1; k <= n; ++k) {
            values.push_back(measurement(place, k));
        }
        series.setIniData(std::move(values));
        series.setColor(integer(place, name::kColor));
        series.setComment(text(place, name::kComment));
        series.setCpFormat(text(place, name::kCpFormat));
        series.setCpOption(integer(place, name::kCpOption));
        series.setDrawStyle(integer(place, name::kDrawStyle));
        series.setHeikinFormat(text(place, name::kHeikinFormat));
        series.setId(j);
        series.setProbelFormat(text(place, name::kProbelFormat));
        series.setLineVisible(boolean(place, name::kLineVisible));
        // D11 and D12 are skipped: the limits below set the logarithms again
        // (docs/pbl-format.md, Log limits).
        real(place, name::kLogMax);
        real(place, name::kLogMin);
        series.setMax(real(place, name::kLimitMax));
        series.setMin(real(place, name::kLimitMin));
        series.setMrkSize(integer(place, name::kMrkSize));
        series.setMrk(text(place, name::kMrk));
        series.setSigumaFormat(text(place, name::kSigumaFormat));
        series.setTag(text(place, name::kTag));
        series.setVisible(boolean(place, name::kVisible));
        series.setLabel(boolean(place, name::kLabel));
        if (series.label()) {
            const std::int64_t index = ChartSheet::detailLabelIndex(i, j);
            if (index <= 0) {
                stop(cursor_.line(), place.describe(name::kLabel) + "の番号が大きすぎます。");
            }
            ChartLabel& label = sheet.addSLabel(index);
            readLabel(label, SheetPlace{i, j, true, 0});
            label.visible = true;
        }
    }

    void readLabel(ChartLabel& label, const SheetPlace& place)
    {
        label.top = single(place, name::kTop, kTwipsPerPixel);
        label.left = single(place, name::kLeft, kTwipsPerPixel);
        label.font.name = text(place, name::kFontName);
        label.font.size = single(place, name::kFontSize, 1);
        label.font.bold = boolean(place, name::kFontBold);
        label.font.italic = boolean(place, name::kFontItalic);
        label.font.strikethru = boolean(place, name::kFontStrikethru);
        label.font.underline = boolean(place, name::kFontUnderline);
        label.foreColor = integer(place, name::kForeColor);
        label.caption = text(place, name::kCaption);
    }

    FieldCursor cursor_;
    const std::string& fileName_;
    std::vector<std::int32_t> seriesCounts_;
};

Result<std::unique_ptr<ChartSheet>> readLayout(std::string_view bytes, const std::string& fileName, bool withVersion,
                                               SheetReading reading)
{
    try {
        SheetReader reader(bytes, fileName);
        return reader.read(withVersion, reading);
    } catch (const ReadStop& stopped) {
        return stopped.error;
    }
}

}  // namespace

SheetLayout sheetLayout(std::string_view bytes)
{
    FieldCursor cursor(bytes);
    Field first;
    if (cursor.next(first) == FieldCursor::Outcome::Field &&
        (first.text == format::kVersion || first.text == format::kLongVersion)) {
        return SheetLayout::Current;
    }
    return SheetLayout::Old;
}

Result<std::unique_ptr<ChartSheet>> readSheetFileBytes(std::string_view bytes, const std::string& fileName,
                                                       SheetReading reading)
{
    return readLayout(bytes, fileName, true, reading);
}

Result<std::unique_ptr<ChartSheet>> readOldSheetFileBytes(std::string_view bytes, const std::string& fileName,
                                                          SheetReading reading)
{
    return readLayout(bytes, fileName, false, reading);
}

Result<std::unique_ptr<ChartSheet>> readSheetBytes(std::string_view bytes, const std::string& fileName,
                                                   SheetReading reading)
{
    return sheetLayout(bytes) == SheetLayout::Current ? readSheetFileBytes(bytes, fileName, reading)
                                                      : readOldSheetFileBytes(bytes, fileName, reading);
}

Result<std::unique_ptr<ChartSheet>> readSheetFile(const std::string& path, SheetReading reading)
{
    const Result<std::string> bytes = readWholeFile(path);
    if (!bytes.ok()) {
        return bytes.error();
    }
    Result<std::unique_ptr<ChartSheet>> sheet = readSheetBytes(bytes.value(), path, reading);
    if (sheet.ok()) {
        sheet.value()->fName = path;
    }
    return sheet;
}

}  // namespace probel
