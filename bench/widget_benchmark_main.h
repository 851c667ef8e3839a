// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

namespace probel::bench {

// Runs the registered benchmarks inside a QApplication, on Qt's offscreen platform unless
// another one is chosen, for benchmarks of widgets.
inline int runWidgetBenchmarks(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace probel::bench
