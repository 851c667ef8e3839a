// SPDX-License-Identifier: MIT
// The spreadsheet ways in and out, each against its floor measured in the same run:
// - 表から貼り付け of 10 columns × 30 000 values onto a graph (every column a series, one
//   undoable step; the sheet window draws afterwards, when it is next shown) against reading
//   the same text with the table reader alone: at most 2×, also with detail labels, whose
//   figures are worked out at once;
// - グラフをコピー of a graph of 5 × 30 000 values (the PNG on the clipboard, the SVG offered and
//   written when a program asks for it) against drawing the same sheet to a PNG file: at most 2×.
// Runs on Qt's offscreen platform unless another one is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QUndoStack>

#include <memory>
#include <string>

#include "app/copy_actions.h"
#include "app/pic_form.h"
#include "app/table_input.h"
#include "core/document/csv_columns.h"
#include "core/numbers/number_text.h"
#include "dialogs/data_select.h"
#include "dialogs/qt_data_settings_editor.h"
#include "normal_values.h"
#include "platform/canvas/page_export.h"
#include "platform/desktop/qt_clipboard.h"
#include "program_services.h"
#include "widget_benchmark_main.h"

namespace {

constexpr int kPastedColumns = 10;
constexpr int kCopiedSeries = 5;
constexpr int kValuesPerSeries = 30'000;

// The program's own services with the Qt data dialog and series chooser, never opened here.
struct Services : probel::bench::ProgramServices {
    probel::QtDataSettingsEditor dataEditor{fontDialog, colorDialog, messages, clipboard};
    probel::QtSeriesChooser seriesChooser;

    probel::AppServices app() { return ProgramServices::app(dataEditor, seriesChooser); }
};

std::string table(int columns)
{
    std::vector<std::vector<double>> values;
    for (int c = 0; c < columns; ++c) {
        values.push_back(probel::bench::normalValues(kValuesPerSeries, 50, 10, static_cast<std::uint64_t>(c + 1)));
    }
    std::string text;
    for (int c = 0; c < columns; ++c) {
        text += (c == 0 ? "" : "\t") + std::string("列") + std::to_string(c + 1);
    }
    text += "\r\n";
    for (int row = 0; row < kValuesPerSeries; ++row) {
        for (int c = 0; c < columns; ++c) {
            text += (c == 0 ? "" : "\t") + probel::generalNumberText(values[static_cast<std::size_t>(c)][row]);
        }
        text += "\r\n";
    }
    return text;
}

std::unique_ptr<probel::PicForm> sheetWithOneGraph(int series)
{
    auto sheet = std::make_unique<probel::ChartSheet>();
    sheet->fName = "新規作成1";
    const std::int32_t number = sheet->addGraph();
    sheet->setFrameVisible(number, true);
    probel::NormoBp& graph = *sheet->graph(number);
    graph.setFrameLeft(80);
    graph.setFrameTop(100);
    graph.setFrameWidth(500);
    graph.setFrameHeight(800);
    for (int s = 0; s < series; ++s) {
        graph.data().add().setIniData(
            probel::bench::normalValues(kValuesPerSeries, 50, 10, static_cast<std::uint64_t>(s + 1)));
    }
    auto form = std::make_unique<probel::PicForm>(std::move(sheet));
    form->resize(900, 700);
    form->show();
    return form;
}

void BM_ReadTableAlone(benchmark::State& state)
{
    const std::string text = table(kPastedColumns);
    for (auto _ : state) {
        benchmark::DoNotOptimize(probel::readCsvColumns(text, "クリップボード"));
    }
}
BENCHMARK(BM_ReadTableAlone)->Unit(benchmark::kMillisecond);

// The data dialog's stored choices: with `labelled` each series gets a detail label with its
// mean, minimum, maximum and σ, which the paste works out at once.
void BM_PasteTableOntoGraph(benchmark::State& state)
{
    Services services;
    const bool labelled = state.range(0) != 0;
    for (const char* key : {"LabelCk", "HeikinCk", "SigumaCk"}) {
        services.settings.saveSetting("DataNewForm", key, labelled ? "1" : "0");
    }
    services.clipboard.setText(table(kPastedColumns));
    probel::TableInput tables(services.app());
    auto form = sheetWithOneGraph(0);
    for (auto _ : state) {
        if (!tables.pasteTable(*form, 1)) {
            state.SkipWithError("the table was refused");
            break;
        }
        state.PauseTiming();
        form->undoStack()->undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteTableOntoGraph)->ArgName("labelled")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DrawSheetToPngFile(benchmark::State& state)
{
    auto form = sheetWithOneGraph(kCopiedSeries);
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("sheet.png")).toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(probel::exportSheetPage(form->sheet(), path));
    }
}
BENCHMARK(BM_DrawSheetToPngFile)->Unit(benchmark::kMillisecond);

void BM_CopyGraphPicture(benchmark::State& state)
{
    Services services;
    probel::CopyActions copies(services.app());
    auto form = sheetWithOneGraph(kCopiedSeries);
    for (auto _ : state) {
        benchmark::DoNotOptimize(copies.copyGraph(*form, 1));
    }
}
BENCHMARK(BM_CopyGraphPicture)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return probel::bench::runWidgetBenchmarks(argc, argv);
}
