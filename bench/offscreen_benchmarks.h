// Running Google benchmarks inside an offscreen Qt application, for the benchmark programs that paint or read texts.
#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <functional>

namespace bench {

// Runs the benchmarks named on the command line in an offscreen application (fonts for texts);
// `atEnd` runs while the application still stands (an engine must quit before it goes).
inline void runOffscreen(int argc, char** argv, const std::function<void()>& atEnd = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (atEnd)
        atEnd();
}

} // namespace bench
