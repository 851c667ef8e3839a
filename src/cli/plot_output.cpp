// SPDX-License-Identifier: MIT
#include "cli/plot_output.h"

#if PROBEL_HAVE_CANVAS || PROBEL_QT_HANDOVER

#include <optional>
#include <vector>

#include "core/document/sheet_writer.h"
#include "core/sheet/chart_sheet.h"
#include "platform/text/freetype_text_metrics.h"
#include "platform/text/page_format.h"
#include "platform/text/svg_page.h"
#include "platform/text/text_measuring_canvas.h"
#if PROBEL_HAVE_CANVAS
#include "cli/gui_application.h"
#include "platform/canvas/page_export.h"
#include "platform/canvas/qt_text_metrics.h"
#endif

namespace probel::cli {
namespace {

// The device resolution Qt measures a page with: the page's own, in whole dots.
constexpr int kMeasuringDotsPerInch = static_cast<int>(kPageDotsPerInch);

// Takes back what arrangePlotSheet added to a fresh sheet (the title and the detail labels),
// so that it can be laid out again by other measures.
void removePlotLabels(ChartSheet& sheet)
{
    std::vector<std::int32_t> titles;
    for (const auto& [index, label] : sheet.comLabels()) {
        titles.push_back(index);
    }
    for (const std::int32_t index : titles) {
        sheet.removeComLabel(index);
    }
    std::vector<std::int64_t> details;
    for (const auto& [index, label] : sheet.sLabels()) {
        details.push_back(index);
    }
    for (const std::int64_t index : details) {
        sheet.removeSLabel(index);
    }
}

// The sheet laid out and written with text measured without Qt; empty when some text could
// not be measured exactly, the sheet then as it was.
std::optional<PlotOutcome> writeWithoutQt(ChartSheet& sheet, std::int32_t number, const PlotExtras& extras,
                                          const std::string& path, bool document)
{
    const PaperSize paper = sheet.paperSize().value();
    FreeTypeTextMetrics metrics(kMeasuringDotsPerInch);
    TextMeasuringCanvas measure(paper, kPageDotsPerInch, metrics);
    PlotOutcome outcome{arrangePlotSheet(sheet, number, extras, measure), {}};
    const PageDrawing picture = sheetPicture(sheet);
    if (metrics.exact() && outcome.arranged && !document) {
        // Drawn once without output, to learn whether every text on the page measures exactly.
        picture(measure);
    }
    if (!metrics.exact()) {
        removePlotLabels(sheet);
        return std::nullopt;
    }
    if (outcome.arranged) {
        outcome.written = document ? writeSheetFile(sheet, path) : writeSvgPage(path, paper, picture, metrics);
    }
    return outcome;
}

}  // namespace

PlotOutcome writePlot(ChartSheet& sheet, std::int32_t number, const PlotExtras& extras, const std::string& path,
                      bool document)
{
    if (document || pageFormatForPath(path) == PageFormat::Svg) {
        if (auto outcome = writeWithoutQt(sheet, number, extras, path, document)) {
            return std::move(*outcome);
        }
    }
#if PROBEL_HAVE_CANVAS
    ensureGuiApplication();
    QtTextMetrics metrics(kPageDotsPerInch);
    TextMeasuringCanvas measure(sheet.paperSize().value(), kPageDotsPerInch, metrics);
    PlotOutcome outcome{arrangePlotSheet(sheet, number, extras, measure), {}};
    if (outcome.arranged) {
        outcome.written = document ? writeSheetFile(sheet, path) : exportSheetPage(sheet, path);
    }
    return outcome;
#else
    return PlotOutcome{{}, {}, true};
#endif
}

}  // namespace probel::cli

#endif
