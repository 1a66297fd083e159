// Parsed before the GUI application exists, so that --help works without a display: a short-lived
// core application gives the parser its program name.
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

static int refuse(const QCommandLineParser &parser, const QString &problem) {
    std::fprintf(stderr, "tetravolute: %s\n\n%s", qPrintable(problem),
                 qPrintable(parser.helpText()));
    return 2;
}

std::optional<int> parseCommandLine(int argc, char **argv, LaunchOptions *options) {
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A slowly turning, breathing fractal of tetrahedra.\n"
        "As a screen saver (XScreenSaver's conventions): tetravolute --root");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption fullScreen("fullscreen", "Start in full screen.");
    const QCommandLineOption root(
        "root", "Draw on the window XSCREENSAVER_WINDOW names, or on the root window; nothing else "
                "is shown and no setting is written.");
    const QCommandLineOption window(
        "window-id", "Draw on the window <id> (decimal or 0x hex), as with --root.", "id");
    parser.addOptions({fullScreen, root, window});

    if (!parser.parse(QCoreApplication::arguments()))
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
