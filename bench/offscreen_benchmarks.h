// Running Google benchmarks inside an offscreen Qt application, for the benchmark programs that paint or read texts.
#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace bench {

// Runs the benchmarks named on the command line in an offscreen application (fonts for texts).
inline void runOffscreen(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

} // namespace bench
