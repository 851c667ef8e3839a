// SPDX-License-Identifier: MIT
#include "cli/plot_output.h"

#include "cli/gui_application.h"
#include "core/document/sheet_writer.h"
#include "core/sheet/chart_sheet.h"
#include "platform/canvas/page_export.h"
#include "platform/canvas/qt_text_metrics.h"
#include "platform/canvas/text_measuring_canvas.h"

namespace probel::cli {

PlotOutcome writePlot(ChartSheet& sheet, std::int32_t number, const PlotExtras& extras, const std::string& path,
                      bool document)
{
    ensureGuiApplication();
    QtTextMetrics metrics(kPageDotsPerInch);
    TextMeasuringCanvas measure(sheet.paperSize().value(), kPageDotsPerInch, metrics);
    PlotOutcome outcome{arrangePlotSheet(sheet, number, extras, measure), {}};
    if (outcome.arranged) {
        outcome.written = document ? writeSheetFile(sheet, path) : exportSheetPage(sheet, path);
    }
    return outcome;
}

}  // namespace probel::cli
