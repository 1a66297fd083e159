// Benchmark entry: an application object, so the benchmarks can open real GL windows and panels.
#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
