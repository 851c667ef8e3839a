// SPDX-License-Identifier: MIT
// What undo keeps, measured as the growth of the heap in use (malloc's own count, so neither
// the page cache nor freed memory the allocator keeps is counted):
// - 20 edits of a series' comment on a graph of 5 × 30 000 values: at most 1 MiB in all;
// - 20 edits of the values of a 30 000-value series: at most 1.1 × the bytes of the values
//   before and after those edits (2 × 20 × 240 000 bytes).
// Each edit goes through データの編集 as the menu runs it, with the dialog's answer scripted.
#include <benchmark/benchmark.h>

#include <QUndoStack>

#include <malloc.h>

#include <memory>
#include <string>

#include "app/data_actions.h"
#include "app/pic_form.h"
#include "core/stats/data.h"
#include "dialogs/data_settings_editor.h"
#include "dialogs/series_chooser.h"
#include "normal_values.h"
#include "program_services.h"
#include "widget_benchmark_main.h"

namespace {

constexpr int kSeries = 5;
constexpr int kValuesPerSeries = 30'000;
constexpr int kEdits = 20;

// データの編集 of the last series, answered with `change` applied to what the dialog shows.
class ScriptedEdit : public probel::DataSettingsEditor, public probel::SeriesChooser {
public:
    std::optional<probel::DataDialogValues> editData(const probel::DataDialogInput& input) override
    {
        probel::DataDialogValues values = probel::unchangedDataValues(input);
        values.values = input.values;
        change(values);
        return values;
    }
    std::optional<std::int32_t> chooseSeries(const std::string& /*title*/,
                                             const std::vector<std::string>& comments) override
    {
        return static_cast<std::int32_t>(comments.size());
    }

    std::function<void(probel::DataDialogValues&)> change;
};

struct Services : probel::bench::ProgramServices {
    ScriptedEdit edit;

    probel::AppServices app() { return ProgramServices::app(edit, edit); }
};

std::unique_ptr<probel::PicForm> sheetWithSeries(int series)
{
    auto sheet = std::make_unique<probel::ChartSheet>();
    sheet->fName = "新規作成1";
    const std::int32_t number = sheet->addGraph();
    sheet->setFrameVisible(number, true);
    for (int s = 0; s < series; ++s) {
        probel::NormoData& one = sheet->graph(number)->data().add();
        one.setIniData(probel::bench::normalValues(kValuesPerSeries, 50, 10, static_cast<std::uint64_t>(s + 1)));
        one.setId(s + 1);
    }
    return std::make_unique<probel::PicForm>(std::move(sheet));
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// Runs kEdits edits made by `change` and reports the heap's growth over them.
void measureEdits(benchmark::State& state, int series,
                  const std::function<void(probel::DataDialogValues&, int)>& change)
{
    Services services;
    probel::DataActions actions(services.app());
    double growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = sheetWithSeries(series);
        const std::size_t before = heapInUse();
        state.ResumeTiming();
        for (int edit = 0; edit < kEdits; ++edit) {
            services.edit.change = [&change, edit](probel::DataDialogValues& values) { change(values, edit); };
            actions.popMenuDataRe(*form, 1);
        }
        state.PauseTiming();
        growth = static_cast<double>(heapInUse()) - static_cast<double>(before);
        state.ResumeTiming();
    }
    state.counters["heap_growth_bytes"] = growth;
}

void BM_CommentEdits(benchmark::State& state)
{
    measureEdits(state, kSeries,
                 [](probel::DataDialogValues& values, int edit) { values.comment = "ロット " + std::to_string(edit); });
    state.counters["bound_bytes"] = 1 << 20;
}
BENCHMARK(BM_CommentEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ValueEdits(benchmark::State& state)
{
    measureEdits(state, 1, [](probel::DataDialogValues& values, int edit) {
        values.values = probel::bench::normalValues(kValuesPerSeries, 60, 5, static_cast<std::uint64_t>(100 + edit));
    });
    state.counters["bound_bytes"] = 1.1 * 2 * kEdits * kValuesPerSeries * sizeof(double);
}
BENCHMARK(BM_ValueEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return probel::bench::runWidgetBenchmarks(argc, argv);
}
