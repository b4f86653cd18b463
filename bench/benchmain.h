// The main of a bench: the benchmarks named on the command line, inside a Qt application.
#pragma once

#include <QCoreApplication>

#include <benchmark/benchmark.h>

template <typename Application = QCoreApplication> void runBenchmarks(int argc, char **argv)
{
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
