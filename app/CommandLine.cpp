// Parsed before the GUI application exists, so that --help works without a display: a short-lived
// core application gives the parser its program name and version.
#include "CommandLine.h"

#include "ImageFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cmath>
#include <cstdio>
#include <numeric>

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

// Seconds as film tools take them: 12.5, 90s, m:ss or h:mm:ss (minutes and seconds under 60
// after the first part), or frames as 300f; at least one frame.
static std::optional<int> duration(const QString &text, FrameRate rate) {
    bool ok = false;
    if (text.endsWith('f')) {
        const int frames = text.chopped(1).toInt(&ok);
        return ok && frames >= 1 ? std::optional(frames) : std::nullopt;
    }
    double seconds = 0;
    if (text.contains(':')) {
        const QStringList parts = text.split(':');
        for (int i = 0; i < parts.size(); ++i) {
            const int value = parts[i].toInt(&ok);
            if (!ok || value < 0 || parts[i].size() > 2 || parts.size() > 3 ||
                (i > 0 && value > 59))
                return std::nullopt;
            seconds = seconds * 60 + value;
        }
    } else {
        seconds = (text.endsWith('s') ? text.chopped(1) : text).toDouble(&ok);
        if (!ok)
            return std::nullopt;
    }
    const double frames = std::round(seconds * rate.perSecond());
    return frames >= 1 && frames <= 1e7 ? std::optional(int(frames)) : std::nullopt;
}

// 30, 12.5, N/D, and NTSC's rates as people write them: 29.97 and 23.976 are 30000/1001 and
// 24000/1001. From 1 to 240 frames a second.
static std::optional<FrameRate> frameRate(const QString &text) {
    bool ok = true, under = true;
    FrameRate rate;
    if (text.contains('/')) {
        rate = {text.section('/', 0, 0).toInt(&ok), text.section('/', 1).toInt(&under)};
    } else {
        // Out of range is refused here, before any conversion (1e10 is no int); an NTSC rate only
        // where the value is nearer it than the whole number (1.0001 is not 0.999).
        const double value = text.toDouble(&ok);
        const double ntsc = std::round(value * 1.001), off = std::fabs(ntsc * 1000 / 1001 - value);
        if (!ok || !(value > 0 && value <= 240))
            ok = false;
        else if (value == std::round(value))
            rate = {int(value), 1};
        else if (off < 0.005 && off < std::fabs(std::round(value) - value))
            rate = {int(ntsc) * 1000, 1001};
        else
            rate = {int(std::round(value * 1000)), 1000};
        const int common = std::gcd(rate.frames, rate.seconds);
        rate = {rate.frames / common, rate.seconds / common};
    }
    if (!ok || !under || rate.seconds < 1 || !(rate.perSecond() >= 1 && rate.perSecond() <= 240))
        return std::nullopt;
    return rate;
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
        "Pictures and films show no window and need no display: they draw through EGL.");
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
        "Draw one frame into <file> (PNG, or another picture format by its extension; .png "
        "when it has none), from the stored settings, and end.",
        "file");
    const QCommandLineOption film(
        "record", "Record a film into <file>: .mp4, .mkv or .mov (H.264), .webm (VP9) or .gif.",
        "file");
    const QCommandLineOption settings(
        "settings", "Draw the picture or film from <file>, a settings file, instead of yours.",
        "file");
    const QCommandLineOption size(
        "size", "The picture's or film's size in pixels (default 1920x1080, at most 7680x4320).",
        "WxH");
    const QCommandLineOption at(
        "at", "The moment the picture shows, or the film starts, from 0 (default 0).", "seconds");
    const QCommandLineOption length(
        "duration", "The film's length: seconds (90), m:ss, or frames (900f); default 10.",
        "length");
    const QCommandLineOption rate(
        "fps",
        "The film's frames a second, 1 to 240, 50 for a GIF: 30, 29.97 or 30000/1001 "
        "(default 30).",
        "number");
    parser.addOptions({fullScreen, root, window, picture, film, settings, size, at, length, rate});

    if (!parser.parse(arguments))
        return refuse(parser, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(parser,
                      QString("unexpected argument '%1'.").arg(parser.positionalArguments()[0]));
    if (parser.isSet(help) || parser.isSet("help-all")) { // Qt's options are not taken: the same
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    for (const QString &name : parser.optionNames())
        if (parser.optionNames().count(name) > 1)
            return refuse(parser, QString("--%1 is given more than once.").arg(name));
    if (parser.isSet(version)) {
        std::printf("Tetravolute %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    for (const QCommandLineOption &file : {picture, film, settings})
        if (parser.isSet(file) && parser.value(file).isEmpty())
            return refuse(parser, QString("--%1 wants a file name.").arg(file.names()[0]));
    options->picture = pictureName(parser.value(picture));
    options->settings = parser.value(settings);
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
                   {settings, drawing, "--picture or --record"},
                   {at, drawing, "--picture or --record"},
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
    if (parser.isSet(rate)) {
        const std::optional<FrameRate> fps = frameRate(parser.value(rate));
        if (!fps)
            return refuse(parser, QString("--fps wants 1 to 240 frames a second (30, 29.97 or "
                                          "30000/1001), not '%1'.")
                                      .arg(parser.value(rate)));
        options->fps = *fps;
    }
    const FilmFormat *format = filmFormat(options->film);
    if (format && options->fps.perSecond() > format->mostFps)
        return refuse(parser, QString("a %1 holds at most %2 frames a second (its delays are "
                                      "hundredths of a second), not %3.")
                                  .arg(format->name)
                                  .arg(format->mostFps)
                                  .arg(parser.value(rate)));
    const std::optional<int> frames =
        duration(parser.isSet(length) ? parser.value(length) : "10", options->fps);
    if (!frames)
        return refuse(parser, QString("--duration wants seconds (90), m:ss with seconds under 60, "
                                      "or frames (900f), not '%1'.")
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
