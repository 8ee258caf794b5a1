#pragma once
// The main of a benchmark of windows: an application on the offscreen platform (unless another
// is asked for), the registered benchmarks, then the program's own report.

#include <QApplication>
#include <benchmark/benchmark.h>

template <class Report> int RunGuiBenchmarks(int argc, char** argv, Report report) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    report();
    return 0;
}
