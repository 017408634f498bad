// SPDX-License-Identifier: MIT

#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// main() of a benchmark that needs widgets: offscreen unless a display is chosen.
#define ORBICLOCK_WIDGET_BENCHMARK_MAIN()                                                          \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
