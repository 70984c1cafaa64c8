#pragma once

#include "bench/run_times.h"

#include <QApplication>

#include <functional>

namespace ordisan::bench {

// Runs the registered benchmarks in a QApplication, on the offscreen platform unless a
// display is asked for (the figures are about the program's own work), then lets
// `printRatios` print the figures of the run.
inline int runGuiBenchmarks(int argc, char** argv,
                            const std::function<void(const RunTimes&)>& printRatios)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    RunTimes times;
    if (!runBenchmarks(argc, argv, times))
        return 1;
    printRatios(times);
    return 0;
}

} // namespace ordisan::bench
