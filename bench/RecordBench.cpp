// --record at the defaults, end to end (draw, read back, convert, encode) at 1920 x 1080 and
// 3840 x 2160 into MP4 (H.264), in frames of film a second of wall time; and its two halves
// alone: the frame drawn off screen and read back, and one frame converted and encoded.
#include "AbsoluteTime.h"
#include "CommandLine.h"
#include "LWTetravoluteView.h"
#include "Recording.h"
#include "VideoFile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static const QSize sizes[] = {QSize(1920, 1080), QSize(3840, 2160)};

static void record(benchmark::State &state) {
    const QTemporaryDir folder; // the settings at their defaults, and the film
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    LaunchOptions options;
    options.film = folder.filePath("film.mp4");
    options.size = sizes[state.range(0)];
    options.frames = 90;
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state)
        if (recordFilm(options) != 0)
            state.SkipWithError("recording failed");
    state.counters["film_fps"] =
        double(options.frames) * state.iterations() / (clock.nsecsElapsed() / 1e9);
    setAbsoluteTimeSource(nullptr);
}
BENCHMARK(record)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

static void drawAndReadBack(benchmark::State &state) {
    LWTetravoluteView view;
    view.setScreenSize(QSizeF(1920, 1080));
    view.awakeOffScreen();
    for (auto _ : state) {
        view.step();
        benchmark::DoNotOptimize(view.picture(sizes[state.range(0)], false));
    }
}
BENCHMARK(drawAndReadBack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

static void convertAndEncode(benchmark::State &state) {
    const QTemporaryDir folder;
    const QSize size = sizes[state.range(0)];
    LWTetravoluteView view;
    view.setScreenSize(QSizeF(1920, 1080));
    view.awakeOffScreen();
    const QImage frame = view.picture(size, false);
    QString error;
    const auto film = VideoFile::create(folder.filePath("film.mp4"), size, 30, &error);
    for (auto _ : state)
        if (!film->add(frame, &error))
            state.SkipWithError(qPrintable(error));
}
BENCHMARK(convertAndEncode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
