// --record end to end, the program run as a user runs it, into MP4 (H.264) at 1920 x 1080 and
// 3840 x 2160, with the display the benchmarks have and with none (DISPLAY unset): frames of film
// a second of wall time, start-up included. And the headless context's own start, once per
// process as the program makes it.
#include "HeadlessContext.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void record(benchmark::State &state) {
    const QTemporaryDir folder; // the settings at their defaults, and the film
    const int frames = 90;
    const QString size = state.range(0) == 0 ? "1920x1080" : "3840x2160";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.path());
    if (state.range(1) == 0)
        environment.remove("DISPLAY");
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TETRAVOLUTE, {"--record", folder.filePath("film.mp4"), "--size", size,
                                    "--duration", QString("%1f").arg(frames)});
        if (!program.waitForFinished(600000) || program.exitCode() != 0)
            state.SkipWithError("recording failed");
    }
    state.counters["film_fps"] = double(frames) * state.iterations() / (clock.nsecsElapsed() / 1e9);
    state.SetLabel(state.range(1) ? "display" : "no display");
}
BENCHMARK(record)
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

static void headlessContextStart(benchmark::State &state) {
    for (auto _ : state)
        if (const QString missing = makeHeadlessContextCurrent(); !missing.isEmpty())
            state.SkipWithError(qPrintable(missing));
}
BENCHMARK(headlessContextStart)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
