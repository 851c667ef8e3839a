// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "platform/canvas/font_substitution.h"

namespace probel::bench {

// The main of a benchmark that draws with Qt: an offscreen application with the fonts the
// program substitutes, then the benchmarks the command line chose.
inline int runOffscreenBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    probel::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace probel::bench
