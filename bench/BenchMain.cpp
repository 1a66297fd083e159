// Benchmark entry: an application object, so the benchmarks can open real GL windows.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
