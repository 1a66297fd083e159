// Parsed before the GUI application exists, so that --help works without a display: a short-lived
// core application gives the parser its program name and version.
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cmath>
#include <cstdio>

// An X window id: decimal, or hexadecimal after 0x; never 0, at most 32 bits.
static std::optional<unsigned long> windowId(const QString &text) {
    bool ok = false;
    const bool hex = text.startsWith("0x", Qt::CaseInsensitive);
    const qulonglong id = (hex ? text.mid(2) : text).toULongLong(&ok, hex ? 16 : 10);
    if (!ok || id == 0 || id > 0xffffffffULL)
        return std::nullopt;
    return static_cast<unsigned long>(id);
}

// WxH, each side at least 1, at most 7680 x 4320 pixels in all (the largest frame drawn).
static std::optional<QSize> pictureSize(const QString &text) {
    const QStringList sides = text.toLower().split('x');
    bool wide = false, high = false;
    const QSize size(sides.value(0).toInt(&wide), sides.value(1).toInt(&high));
    if (sides.size() != 2 || !wide || !high || size.isEmpty() ||
        qint64(size.width()) * size.height() > 7680LL * 4320)
        return std::nullopt;
    return size;
}

// m:ss (or h:mm:ss) and 90s are times, a plain number counts frames; at least one frame.
static std::optional<int> duration(const QString &text, int fps) {
    bool ok = false;
    double seconds = -1;
    if (text.contains(':')) {
        seconds = 0;
        for (const QString &part : text.split(':')) {
            const int value = part.toInt(&ok);
            if (!ok || value < 0 || part.size() > 2)
                return std::nullopt;
            seconds = seconds * 60 + value;
        }
    } else if (text.endsWith('s')) {
        seconds = text.chopped(1).toDouble(&ok);
        if (!ok)
            return std::nullopt;
    } else {
        const int frames = text.toInt(&ok);
        return ok && frames >= 1 ? std::optional(frames) : std::nullopt;
    }
    const double frames = std::round(seconds * fps);
    return frames >= 1 && frames <= 1e7 ? std::optional(int(frames)) : std::nullopt;
}

static int refuse(const QCommandLineParser &parser, const QString &problem) {
    std::fprintf(stderr, "tetravolute: %s\n\n%s", qPrintable(problem),
                 qPrintable(parser.helpText()));
    return 2;
}

std::optional<int> parseCommandLine(int argc, char **argv, LaunchOptions *options) {
    // Before the GUI application exists; a test that has one parses under it.
    std::optional<QCoreApplication> application;
    if (!QCoreApplication::instance())
        application.emplace(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A slowly turning, breathing fractal of tetrahedra.\n"
        "As a screen saver (XScreenSaver's conventions): tetravolute --root\n"
        "Pictures and films show no window, but need a display like the rest: on a machine\n"
        "without one, run them under xvfb-run.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption fullScreen("fullscreen", "Start in full screen.");
    const QCommandLineOption root(
        "root", "Draw on the window XSCREENSAVER_WINDOW names, or on the root window; nothing else "
                "is shown and no setting is written.");
    const QCommandLineOption window(
        "window-id", "Draw on the window <id> (decimal or 0x hex), as with --root.", "id");
    const QCommandLineOption picture(
        "picture",
        "Draw one frame into <file> (PNG, or another picture format by its extension), "
        "from the stored settings, and end.",
        "file");
    const QCommandLineOption film(
        "record", "Record a film into <file>: .mp4, .mkv or .mov (H.264), .webm (VP9) or .gif.",
        "file");
    const QCommandLineOption size(
        "size", "The picture's or film's size in pixels (default 1920x1080, at most 7680x4320).",
        "WxH");
    const QCommandLineOption at("at", "The moment the picture shows, from 0 (default 0).",
                                "seconds");
    const QCommandLineOption length(
        "duration",
        "The film's length: m:ss, a number of seconds and s (90s), or of frames (900); "
        "default 10s.",
        "length");
    const QCommandLineOption rate("fps", "The film's frames a second, 1 to 240 (default 30).",
                                  "number");
    parser.addOptions({fullScreen, root, window, picture, film, size, at, length, rate});

    if (!parser.parse(arguments))
        return refuse(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(parser,
                      QString("unexpected argument '%1'.").arg(parser.positionalArguments()[0]));
    if (parser.isSet(help) || parser.isSet("help-all")) { // Qt's options are not taken: the same
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("Tetravolute %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    options->picture = parser.value(picture);
    options->film = parser.value(film);
    const bool drawing = parser.isSet(picture) || parser.isSet(film);
    if (parser.isSet(picture) && parser.isSet(film))
        return refuse(parser, "--picture and --record: one at a time.");
    if (drawing && (parser.isSet(fullScreen) || parser.isSet(root) || parser.isSet(window)))
        return refuse(parser, "a picture or a film shows no window: no --fullscreen, --root or "
                              "--window-id with it.");
    // Each of these only shapes a picture or a film: what it belongs with must be there.
    const struct {
        const QCommandLineOption &option;
        bool belongs;
        const char *with;
    } shaping[] = {{size, drawing, "--picture or --record"},
                   {at, parser.isSet(picture), "--picture"},
                   {length, parser.isSet(film), "--record"},
                   {rate, parser.isSet(film), "--record"}};
    for (const auto &shape : shaping)
        if (parser.isSet(shape.option) && !shape.belongs)
            return refuse(
                parser, QString("--%1 belongs with %2.").arg(shape.option.names()[0], shape.with));
    if (parser.isSet(size)) {
        const std::optional<QSize> pixels = pictureSize(parser.value(size));
        if (!pixels)
            return refuse(parser, QString("--size wants WxH, at most 7680x4320 pixels in all, not "
                                          "'%1'.")
                                      .arg(parser.value(size)));
        options->size = *pixels;
    }
    bool ok = true;
    if (parser.isSet(at))
        options->at = parser.value(at).toDouble(&ok);
    if (!ok || !(options->at >= 0 && options->at <= 1e6))
        return refuse(parser,
                      QString("--at wants seconds from 0, not '%1'.").arg(parser.value(at)));
    if (parser.isSet(rate))
        options->fps = parser.value(rate).toInt(&ok);
    if (!ok || options->fps < 1 || options->fps > 240)
        return refuse(parser, QString("--fps wants 1 to 240, not '%1'.").arg(parser.value(rate)));
    const std::optional<int> frames =
        duration(parser.isSet(length) ? parser.value(length) : "10s", options->fps);
    if (!frames)
        return refuse(parser, QString("--duration wants m:ss, seconds such as 90s, or frames, not "
                                      "'%1'.")
                                  .arg(parser.value(length)));
    options->frames = *frames;
    options->fullScreen = parser.isSet(fullScreen);
    options->saver = parser.isSet(root) || parser.isSet(window);
    // A preview adds --window-id to a command that says --root: the named window wins.
    if (parser.isSet(window)) {
        const std::optional<unsigned long> id = windowId(parser.value(window));
        if (!id)
            return refuse(parser,
                          QString("--window-id wants a window id, decimal or 0x hex, not '%1'.")
                              .arg(parser.value(window)));
        options->hostWindow = *id;
    } else if (parser.isSet(root) && qEnvironmentVariableIsSet("XSCREENSAVER_WINDOW")) {
        const QString named = qEnvironmentVariable("XSCREENSAVER_WINDOW");
        const std::optional<unsigned long> id = windowId(named.trimmed());
        if (!id)
            return refuse(parser,
                          QString("XSCREENSAVER_WINDOW is not a window id: '%1'.").arg(named));
        options->hostWindow = *id;
    }
    return std::nullopt;
}
