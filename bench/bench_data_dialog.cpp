// SPDX-License-Identifier: MIT
// Opening the data dialog for a series of 30 000 values and confirming it, against setting the
// same values on a series (NormoData::setIniData: sort and statistics) in the same run. The
// dialog should cost at most three times that. Runs on Qt's offscreen platform unless another
// one is chosen; the dialog's font, colour and message boxes are never opened here.
#include <benchmark/benchmark.h>

#include <QPushButton>

#include <optional>
#include <string>

#include "core/stats/normo_data.h"
#include "dialogs/data_new_form.h"
#include "normal_values.h"
#include "platform/desktop/clipboard.h"
#include "platform/desktop/color_dialog.h"
#include "platform/desktop/font_dialog.h"
#include "platform/desktop/message_boxes.h"
#include "widget_benchmark_main.h"

namespace {

constexpr int kValues = 30'000;

// Services the confirmed dialog never calls; each answers as if cancelled.
struct QuietServices : probel::FontDialog, probel::ColorDialog, probel::MessageBoxes, probel::Clipboard {
    std::optional<probel::CanvasFont> chooseFont(const probel::CanvasFont&) override { return std::nullopt; }
    std::optional<std::int32_t> chooseColor(std::int32_t) override { return std::nullopt; }
    probel::MessageAnswer show(const std::string&, const std::string&, probel::MessageButtons,
                               probel::MessageIcon) override
    {
        return probel::MessageAnswer::Ok;
    }
    bool hasText() const override { return false; }
    std::string text() const override { return {}; }
    void setText(const std::string&) override {}
    void setPicture(std::string, std::function<std::string()>) override {}
};

probel::DataDialogInput editedSeries()
{
    probel::DataDialogInput input;
    input.adding = false;
    input.values = probel::bench::normalValues(kValues, 50, 10, 11);
    input.countText = std::to_string(kValues);
    input.comment = "ロット";
    return input;
}

void BM_SetIniDataBaseline(benchmark::State& state)
{
    const probel::DataDialogInput input = editedSeries();
    for (auto _ : state) {
        probel::NormoData series;
        series.setIniData(input.values);
        benchmark::DoNotOptimize(series.heikin());
    }
}
BENCHMARK(BM_SetIniDataBaseline)->Unit(benchmark::kMillisecond);

void BM_EditDialogOpenAndConfirm(benchmark::State& state)
{
    QuietServices services;
    const probel::DataDialogInput input = editedSeries();
    for (auto _ : state) {
        probel::DataNewForm form(services, services, services, services);
        form.preset(input);
        form.okButton()->click();
        if (!form.accepted() || form.accepted()->values.size() != static_cast<std::size_t>(kValues)) {
            state.SkipWithError("the dialog did not give back every value");
            break;
        }
        // What the edit command then does with the values.
        probel::NormoData series;
        series.setIniData(form.accepted()->values);
        benchmark::DoNotOptimize(series.heikin());
    }
}
BENCHMARK(BM_EditDialogOpenAndConfirm)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return probel::bench::runWidgetBenchmarks(argc, argv);
}
