// SPDX-License-Identifier: MIT
// Drawing a graph of 1 000 points whose marker is 20 000 characters long, to a PDF page and to
// an A4 image, against the same graph with a one-character marker measured in the same run.
// The page shows about sixty characters of the long marker, so the ratio BM_*LongMarker /
// BM_*OneCharacterMarker should stay a small factor however long the marker's text is.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <string>
#include <vector>

#include "core/graph/graph_refresh.h"
#include "core/graph/normo_bp.h"
#include "core/sheet/paper_size.h"
#include "normal_values.h"
#include "offscreen_benchmarks.h"
#include "platform/canvas/qpainter_canvas.h"

namespace {

using probel::NormoBp;
using probel::QPainterCanvas;

constexpr int kPoints = 1000;
constexpr int kLongMarkerCharacters = 20000;
constexpr int kPageDotsPerInch = 96;

std::string marker(int characters)
{
    std::string text;
    for (int i = 0; i < characters; ++i) {
        text += "○";
    }
    return text;
}

probel::PaperSize a4()
{
    return *probel::paperSizeFromCode(probel::kPaperCodeA4Upright);
}

void drawGraphOn(QPainterCanvas& canvas, const std::string& text)
{
    NormoBp graph;
    graph.setShowObj(&canvas);
    graph.setXJikuCheck(true);
    graph.setMemoriCheck(true);
    auto& series = graph.data().add();
    series.setIniData(probel::bench::normalValues(kPoints, 50, 12, 12345));
    series.setMrk(text);
    series.setMrkSize(10);
    probel::refreshGraph(graph);
}

void drawToPdf(benchmark::State& state, int characters)
{
    const std::string text = marker(characters);
    const probel::PaperSize paper = a4();
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(kPageDotsPerInch);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            QPainterCanvas::Options options;
            options.printerPage = true;
            options.size = QSize(paper.widthPixels, paper.heightPixels);
            QPainterCanvas canvas(writer, options);
            drawGraphOn(canvas, text);
        }
        state.counters["bytes"] = static_cast<double>(bytes.size());
    }
}

void drawToImage(benchmark::State& state, int characters)
{
    const std::string text = marker(characters);
    const probel::PaperSize paper = a4();
    QImage image(paper.widthPixels, paper.heightPixels, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainterCanvas canvas(image);
        drawGraphOn(canvas, text);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PdfOneCharacterMarker(benchmark::State& state)
{
    drawToPdf(state, 1);
}
void BM_PdfLongMarker(benchmark::State& state)
{
    drawToPdf(state, kLongMarkerCharacters);
}
void BM_ImageOneCharacterMarker(benchmark::State& state)
{
    drawToImage(state, 1);
}
void BM_ImageLongMarker(benchmark::State& state)
{
    drawToImage(state, kLongMarkerCharacters);
}

}  // namespace

BENCHMARK(BM_PdfOneCharacterMarker)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfLongMarker)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImageOneCharacterMarker)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImageLongMarker)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return probel::bench::runOffscreenBenchmarks(argc, argv);
}
