// SPDX-License-Identifier: MIT
// One motion step of a held graph frame on a heavy sheet (4 graphs × 5 series × 30 000
// values) against the full redraw of the same sheet (PicForm::objRefresh), measured in the
// same run, each with the window's repaint that follows: while a frame is dragged only it
// moves, so a step should cost at most a twentieth of a redraw. Runs on Qt's offscreen platform unless another one is
// chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include <memory>

#include "app/pic_form.h"
#include "app/sheet_objects.h"
#include "normal_values.h"
#include "widget_benchmark_main.h"

namespace {

constexpr int kGraphs = 4;
constexpr int kSeriesPerGraph = 5;
constexpr int kValuesPerSeries = 30'000;

std::unique_ptr<probel::PicForm> heavySheet()
{
    auto sheet = std::make_unique<probel::ChartSheet>();
    sheet->fName = "新規作成1";
    for (int g = 0; g < kGraphs; ++g) {
        const std::int32_t number = sheet->addGraph();
        sheet->setFrameVisible(number, true);
        probel::NormoBp& graph = *sheet->graph(number);
        graph.setFrameLeft(20 + 190 * g);
        graph.setFrameTop(40);
        graph.setFrameWidth(180);
        graph.setFrameHeight(400);
        graph.setXJikuCheck(true);
        graph.setMemoriCheck(true);
        for (int s = 0; s < kSeriesPerGraph; ++s) {
            const auto seed = static_cast<std::uint64_t>(g * kSeriesPerGraph + s + 1);
            graph.data().add().setIniData(probel::bench::normalValues(kValuesPerSeries, 50, 10, seed));
        }
    }
    auto form = std::make_unique<probel::PicForm>(std::move(sheet));
    form->resize(900, 700);
    form->show();
    return form;
}

void send(QWidget& object, QEvent::Type type, QPointF local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, object.mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&object, &event);
}

void BM_FullRedraw(benchmark::State& state)
{
    auto form = heavySheet();
    for (auto _ : state) {
        form->objRefresh();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

void BM_HeldFrameMotionStep(benchmark::State& state)
{
    auto form = heavySheet();
    QWidget& frame = *form->sekFrame(2);
    const QPointF press(90, 200);
    send(frame, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    // The pointer goes 13 pixels right and back: the frame moves 10 and back each time, and
    // each position is relative to where the frame lies now.
    double offset = 13;
    for (auto _ : state) {
        send(frame, QEvent::MouseMove, QPointF(press.x() + offset, press.y()), Qt::NoButton, Qt::LeftButton);
        // The window repaints what the moved frame uncovered, as it would on screen.
        QApplication::processEvents();
        offset = offset > 0 ? -3 : 13;
    }
    const int left = frame.x();
    send(frame, QEvent::MouseMove, QPointF(press.x() + 13, press.y()), Qt::NoButton, Qt::LeftButton);
    if (frame.x() != left + 10) {
        state.SkipWithError("the held frame did not follow the pointer");
    }
    send(frame, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_HeldFrameMotionStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return probel::bench::runWidgetBenchmarks(argc, argv);
}
