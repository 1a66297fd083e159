// One view for the whole job, its framebuffer object kept from frame to frame; the film's frames
// go to the encoder as the view reads them back.
#include "Recording.h"

#include "AbsoluteTime.h"
#include "CommandLine.h"
#include "ImageFile.h"
#include "LWTetravoluteView.h"
#include "Log.h"
#include "TerminationSignals.h"
#include "VideoFile.h"

#include <QElapsedTimer>
#include <cmath>
#include <cstdio>
#include <unistd.h>

static double now = 0; // the fixed clock, seconds

// The view at the clock's start, projecting the picture's proportions 1080 points high.
static std::unique_ptr<LWTetravoluteView> startView(QSize size) {
    setAbsoluteTimeSource([] { return now; });
    now = 0;
    auto view = std::make_unique<LWTetravoluteView>();
    view->setScreenSize(QSizeF(1080.0 * size.width() / size.height(), 1080));
    view->awakeOffScreen();
    return view;
}

int drawPicture(const LaunchOptions &options) {
    const auto view = startView(options.size);
    const int steps = int(std::lround(options.at * 30));
    for (int frame = 0; frame <= steps; ++frame) {
        now = frame / 30.0;
        view->step();
    }
    QString error;
    if (!writeImageFile(view->picture(options.size, false), options.picture, &error)) {
        logLine(error);
        return 1;
    }
    return 0;
}

// "frame 120 of 900 (13 %), 0:25 left" over itself, a few times a second.
static void showProgress(int done, int frames, double seconds) {
    const int left = int(std::lround(seconds / done * (frames - done)));
    std::fprintf(stderr, "\rframe %d of %d (%d %%), %d:%02d left ", done, frames,
                 done * 100 / frames, left / 60, left % 60);
}

int recordFilm(const LaunchOptions &options) {
    QString error;
    std::unique_ptr<VideoFile> film =
        VideoFile::create(options.film, options.size, options.fps, &error);
    if (!film) {
        logLine(error);
        return 1;
    }
    flagTerminationSignals();
    const auto view = startView(options.size);
    const bool terminal = isatty(STDERR_FILENO);
    QElapsedTimer clock, shown;
    clock.start();
    shown.start();
    for (int frame = 0; frame < options.frames; ++frame) {
        now = double(frame) / options.fps;
        view->step();
        const QImage picture = view->picture(options.size, false);
        if (terminationRequested())
            error = QString("stopped: %1 is not written").arg(options.film);
        else if (picture.isNull())
            error = QString("%1: no memory for a frame").arg(options.film);
        if (!error.isEmpty() || !film->add(picture, &error)) {
            if (terminal)
                std::fputc('\n', stderr);
            logLine(error);
            return 1; // the film goes with its file
        }
        if (terminal && (shown.elapsed() > 250 || frame + 1 == options.frames)) {
            showProgress(frame + 1, options.frames, clock.elapsed() / 1000.0);
            shown.restart();
        }
    }
    if (terminal)
        std::fputc('\n', stderr);
    if (!film->finish(&error)) {
        logLine(error);
        return 1;
    }
    return 0;
}
