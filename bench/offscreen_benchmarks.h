#pragma once

// The main of a benchmark of widgets: a QApplication, on the offscreen
// platform unless another one is asked for, then every registered benchmark.
#include <benchmark/benchmark.h>

#include <QApplication>

namespace orvik {

inline int RunOffscreenBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace orvik
