// One view for the whole job, its framebuffer object kept from frame to frame; the film's frames
// go to the encoder as the view reads them back. Nothing is opened for writing before the first
// frame is drawn.
#include "Recording.h"

#include "AbsoluteTime.h"
#include "CommandLine.h"
#include "Defaults.h"
#include "HeadlessContext.h"
#include "ImageFile.h"
#include "LWTetravoluteView.h"
#include "Log.h"
#include "OutputFile.h"
#include "TerminationSignals.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>

static double now = 0; // the job's clock, seconds

// The view in the headless context, its clock at 0, projecting the picture's proportions 1080
// points high; nullptr, with the status to end with, when there is no GL for it.
static std::unique_ptr<LWTetravoluteView> startView(QSize size, int *status) {
    *status = 1;
    if (const QString missing = makeHeadlessContextCurrent(); !missing.isEmpty()) {
        logLine(missing);
        return nullptr;
    }
    GLint widest = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &widest);
    if (std::max(size.width(), size.height()) > widest) {
        std::fprintf(stderr,
                     "tetravolute: --size %dx%d: this OpenGL draws at most %d pixels a side.\n",
                     size.width(), size.height(), widest);
        *status = 2;
        return nullptr;
    }
    setAbsoluteTimeSource([] { return now; });
    now = 0;
    auto view = std::make_unique<LWTetravoluteView>();
    view->drawInCurrentContext();
    view->awakeOffScreen();
    view->setScreenSize(QSizeF(1080.0 * size.width() / size.height(), 1080));
    view->setDelay(0); // the start delay holds the window still, never a picture
    return view;
}

// The window's motion from 0 to t seconds: a step at 0, one each 1/30 s, and the part of a step
// that remains to t.
static void runTo(LWTetravoluteView *view, double t) {
    now = 0;
    view->step();
    const double steps = t * 30;
    const double whole = std::floor(steps + 1e-9);
    for (int step = 1; step <= whole; ++step) {
        now = step / 30.0;
        view->step();
    }
    if (steps - whole > 1e-9) {
        now = t;
        view->step(steps - whole);
    }
}

static QString stopped(const QString &path) {
    return QString("stopped by a signal (%1): %2 is not written")
        .arg(QString::fromLocal8Bit(strsignal(terminationRequested())), path);
}

static int drawPicture(const LaunchOptions &options) {
    int status = 1;
    const auto view = startView(options.size, &status);
    if (!view)
        return status;
    runTo(view.get(), options.at);
    const QImage picture = view->picture(options.size, false);
    QString error;
    if (terminationRequested())
        error = stopped(options.picture);
    if (error.isEmpty() && writeImageFile(picture, options.picture, &error))
        return 0;
    logLine(error);
    return 1;
}

// "frame 120 of 900 (13 %), 0:25 left" over itself, a few times a second.
static void showProgress(int done, int frames, double seconds) {
    const int left = int(std::lround(seconds / done * (frames - done)));
    std::fprintf(stderr, "\rframe %d of %d (%d %%), %d:%02d left ", done, frames,
                 done * 100 / frames, left / 60, left % 60);
}

static int recordFilm(const LaunchOptions &options) {
    int status = 1;
    const auto view = startView(options.size, &status);
    if (!view)
        return status;
    const bool terminal = isatty(STDERR_FILENO);
    QElapsedTimer clock, shown;
    clock.start();
    shown.start();
    OutputFile file(options.film);
    std::unique_ptr<VideoFile> film;
    QString error;
    runTo(view.get(), options.at);
    for (int frame = 0; frame < options.frames && error.isEmpty(); ++frame) {
        if (frame > 0) { // 1/fps seconds later, and 30/fps of a step
            now = options.at + double(frame) * options.fps.seconds / options.fps.frames;
            view->step(30.0 * options.fps.seconds / options.fps.frames);
        }
        const QImage picture = view->picture(options.size, false);
        if (terminationRequested())
            error = stopped(options.film);
        else if (picture.isNull())
            error = QString("%1: no memory for a frame").arg(options.film);
        else if (!film && file.open(&error))
            film = VideoFile::open(file.handle(), file.partialPath(), options.film, options.size,
                                   options.fps, &error);
        if (error.isEmpty() && film)
            film->add(picture, &error);
        if (terminal && (shown.elapsed() > 250 || frame + 1 == options.frames)) {
            showProgress(frame + 1, options.frames, clock.elapsed() / 1000.0);
            shown.restart();
        }
    }
    if (terminal)
        std::fputc('\n', stderr);
    if (error.isEmpty() && film->finish(&error) && terminationRequested())
        error = stopped(options.film);
    if (error.isEmpty() && file.commit(&error))
        return 0;
    logLine(error);
    return 1; // the unfinished file goes with OutputFile
}

// What can be refused before anything is drawn: the settings, the target, the format.
static QString refusal(const LaunchOptions &options) {
    const QString path = options.picture.isEmpty() ? options.film : options.picture;
    if (!options.settings.isEmpty())
        if (const QString problem = Defaults::readOnlyFrom(options.settings); !problem.isEmpty())
            return problem;
    if (const QString problem = targetProblem(path); !problem.isEmpty())
        return problem;
    const QString extension = QFileInfo(path).suffix().toLower();
    if (!options.picture.isEmpty())
        return pictureFormatProblem(path);
    const FilmFormat *format = filmFormat(path);
    if (!format)
        return QString("%1: unknown film format '.%2'; use .mp4, .mkv, .mov, .webm or .gif")
            .arg(path, extension);
    if (format->evenSides && (options.size.width() % 2 || options.size.height() % 2))
        return QString("%1: %2 wants an even width and height, not %3 x %4")
            .arg(path, format->name)
            .arg(options.size.width())
            .arg(options.size.height());
    return {};
}

int drawWithoutDisplay(int argc, char **argv, const LaunchOptions &options) {
    flagTerminationSignals();
    // Qt's display-less platform only holds the view's window object; the GL is EGL's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
    // Its one remark (no XDG_RUNTIME_DIR) means nothing to a picture: held back.
    const QtMessageHandler passOn =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QGuiApplication application(argc, argv);
    qInstallMessageHandler(passOn);
    if (const QString problem = refusal(options); !problem.isEmpty()) {
        logLine(problem);
        return 1;
    }
    return options.picture.isEmpty() ? recordFilm(options) : drawPicture(options);
}
