// vorlan_bench: the model (and, through the same registry, the window) on large generated
// configurations. Google Benchmark's own options apply (--benchmark_filter, --benchmark_out...);
// after the table come the goals whose cases ran.
#include "cases.h"
#include "goals.h"
#include "peakmemory.h"

#include <QApplication>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    // A fresh copy started only to measure another program's memory (see peakmemory.h).
    if (argc > 2 && std::string(argv[1]) == peak_memory_option)
        return report_peak_memory(argv + 2);

    // The window cases run headless like the tests; a platform given by the caller wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    // The windows remember recent files and their size in settings of their own, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    register_model_benchmarks();
    register_window_benchmarks();
    register_analysis_benchmarks();

    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.report_goals(std::cout);
    release_window_benchmarks();
    benchmark::Shutdown();
    // A case that could not do its work fails the run, and with it the smoke test.
    return reporter.failed() ? 1 : 0;
}
