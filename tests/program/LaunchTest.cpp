// The program started as a user would: every documented spelling of every option, parsed here,
// then the program itself on machines without what it needs, which must say so in one line, with
// its status, before it touches the settings.
#include "CommandLine.h"
#include "LogCapture.h"
#include "Program.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The status the parser gave (nothing: the program starts), the options and its complaint.
struct Parsed {
    std::optional<int> status;
    LaunchOptions options;
    QString said;
};

Parsed parse(QStringList arguments, const QByteArray &window = {}) {
    arguments.prepend("tetravolute");
    std::vector<QByteArray> bytes;
    std::vector<char *> argv;
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    qputenv("XSCREENSAVER_WINDOW", window);
    if (window.isEmpty())
        qunsetenv("XSCREENSAVER_WINDOW");
    Parsed parsed;
    parsed.said = capturedLog(
        [&] { parsed.status = parseCommandLine(int(argv.size()), argv.data(), &parsed.options); });
    return parsed;
}

TEST(CommandLine, EveryDocumentedSpellingIsTaken) {
    for (const char *help : {"--help", "-h", "-help", "--help-all", "--version", "-v", "-version"})
        EXPECT_EQ(parse({help}).status, 0) << help;
    const auto window = [](const LaunchOptions &o) {
        return std::make_pair(o.saver, o.hostWindow);
    };
    for (const auto &[arguments, saver, id] :
         {std::tuple(QStringList{"--root"}, true, 0x22ul),
          std::tuple(QStringList{"-root"}, true, 0x22ul),
          std::tuple(QStringList{"--window-id", "4711"}, true, 4711ul),
          std::tuple(QStringList{"-window-id", "0x1F"}, true, 31ul),
          std::tuple(QStringList{"--window-id=0xffffffff"}, true, 0xfffffffful),
          std::tuple(QStringList{"--root", "--window-id", "12"}, true, 12ul), // a preview's
          std::tuple(QStringList{}, false, 0ul)})
        EXPECT_EQ(window(parse(arguments, "0x22").options), std::make_pair(saver, id))
            << qPrintable(arguments.join(' '));
    EXPECT_EQ(window(parse({"--root"}).options), std::make_pair(true, 0ul)); // the root window
    EXPECT_TRUE(parse({"-fullscreen"}).options.fullScreen &&
                parse({"--fullscreen"}).options.fullScreen);

    const LaunchOptions drawn =
        parse({"-picture", "p.png", "--size", "320x200", "-at", "2.5"}).options;
    EXPECT_EQ(std::make_tuple(drawn.picture, drawn.size, drawn.at),
              std::make_tuple(QString("p.png"), QSize(320, 200), 2.5));
    const LaunchOptions film = parse({"--record", "f.webm"}).options; // the defaults
    EXPECT_EQ(std::make_tuple(film.film, film.size, film.fps, film.frames),
              std::make_tuple(QString("f.webm"), QSize(1920, 1080), 30, 300));
    for (const auto &[length, fps, frames] :
         {std::tuple("0:30", "30", 900), std::tuple("1:02:03", "1", 3723),
          std::tuple("90s", "25", 2250), std::tuple("0.5s", "30", 15),
          std::tuple("900", "60", 900)}) {
        const LaunchOptions o =
            parse({"--record", "f.mp4", "-duration", length, "--fps", fps}).options;
        EXPECT_EQ(std::make_pair(o.frames, o.fps), std::make_pair(frames, QString(fps).toInt()))
            << length;
    }
}

// One line naming the fault, then the usage, and status 2.
TEST(CommandLine, UnknownOptionsAndMalformedValuesGiveStatus2) {
    const std::pair<QStringList, const char *> faults[] = {
        {{"--bogus"}, "Unknown option 'bogus'."},
        {{"-platform", "xcb"}, "Unknown option 'platform'."},
        {{"stray"}, "unexpected argument 'stray'."},
        {{"--window-id"}, "Missing value after '--window-id'."},
        {{"--window-id", "abc"}, "not 'abc'"},
        {{"--window-id", "0"}, "not '0'"},
        {{"--window-id", "0x1ffffffff"}, "not '0x1ffffffff'"},
        {{"--picture", "p.png", "--record", "f.mp4"}, "one at a time"},
        {{"--record", "f.mp4", "--root"}, "shows no window"},
        {{"--picture", "p.png", "--fullscreen"}, "shows no window"},
        {{"--size", "320x200"}, "--size belongs with --picture or --record"},
        {{"--record", "f.mp4", "--at", "3"}, "--at belongs with --picture"},
        {{"--picture", "p.png", "--fps", "25"}, "--fps belongs with --record"},
        {{"--picture", "p.png", "--duration", "3s"}, "--duration belongs with --record"},
        {{"--picture", "p.png", "--size", "320"}, "not '320'"},
        {{"--picture", "p.png", "--size", "0x200"}, "not '0x200'"},
        {{"--picture", "p.png", "--size", "7681x4320"}, "not '7681x4320'"},
        {{"--picture", "p.png", "--at", "-1"}, "not '-1'"},
        {{"--picture", "p.png", "--at", "soon"}, "not 'soon'"},
        {{"--record", "f.mp4", "--fps", "0"}, "not '0'"},
        {{"--record", "f.mp4", "--fps", "241"}, "not '241'"},
        {{"--record", "f.mp4", "--duration", "0"}, "not '0'"},
        {{"--record", "f.mp4", "--duration", "0:0"}, "not '0:0'"},
        {{"--record", "f.mp4", "--duration", "1:234"}, "not '1:234'"},
        {{"--record", "f.mp4", "--duration", "xs"}, "not 'xs'"},
    };
    for (const auto &[arguments, problem] : faults) {
        const Parsed parsed = parse(arguments);
        EXPECT_EQ(parsed.status, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(parsed.said.startsWith("tetravolute: ") &&
                    parsed.said.section('\n', 0, 0).contains(problem) &&
                    parsed.said.contains("Usage: "))
            << qPrintable(parsed.said);
    }
    const Parsed named = parse({"--root"}, "junk");
    EXPECT_EQ(named.status, 2);
    EXPECT_TRUE(named.said.contains("XSCREENSAVER_WINDOW is not a window id: 'junk'"));
}

// The program itself: status, its own log lines (one each), and the settings left untouched.
struct Ended {
    int status;
    QStringList lines;
    QString out;
};

Ended run(const QStringList &arguments, const std::map<QString, QString> &changes = {},
          const QStringList &unset = {}) {
    QTemporaryDir settings;
    QProcess program;
    program.setProcessEnvironment(programEnvironment(settings.path(), changes, unset));
    program.start(TETRAVOLUTE, arguments);
    EXPECT_TRUE(program.waitForFinished(10000)) << "still running after 10 s";
    program.kill();
    EXPECT_TRUE(QDir(settings.path()).isEmpty()) << "the settings were touched";
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            logLines(program.readAllStandardError()),
            QString::fromLocal8Bit(program.readAllStandardOutput())};
}

TEST(Launch, HelpAndVersionNeedNoDisplay) {
    const Ended help = run({"--help"}, {}, {"DISPLAY"});
    EXPECT_EQ(help.status, 0);
    for (const char *option : {"--fullscreen", "--root", "--window-id <id>", "--picture <file>",
                               "--record <file>", "xvfb-run"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_EQ(run({"-version"}, {}, {"DISPLAY"}).out,
              QString("Tetravolute %1\n").arg(PROJECT_VERSION));
}

TEST(Launch, WithoutADisplayOrFixedFunctionOpenGLItSaysWhatItFound) {
    const struct {
        std::map<QString, QString> changes;
        QStringList unset, said;
    } machines[] = {
        {{},
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"},
         {"needs a display", "DISPLAY unset"}},
        {{{"DISPLAY", ":4711"}}, {}, {R"(DISPLAY=":4711")"}},
        {{{"MESA_GL_VERSION_OVERRIDE", "3.3FC"}},
         {},
         {"display lists", "OpenGL 3.3", "core profile"}},
        {{{"QT_XCB_GL_INTEGRATION", "none"}}, {}, {"no context could be made"}},
    };
    for (const auto &machine : machines) {
        const Ended ended = run({}, machine.changes, machine.unset);
        EXPECT_EQ(ended.status, 1);
        ASSERT_EQ(ended.lines.size(), 1) << qPrintable(ended.lines.join('\n'));
        for (const QString &part : machine.said)
            EXPECT_TRUE(ended.lines[0].contains(part)) << qPrintable(ended.lines[0]);
    }
}

// In a Wayland session it runs on XWayland and says so, unless the user named a platform. A
// window that does not exist ends it early, after that line.
TEST(Launch, AWaylandSessionRunsOnXWaylandUnlessAPlatformIsNamed) {
    const QStringList nowhere = {"--window-id", "0x7ffffff"};
    const struct {
        std::map<QString, QString> changes;
        QStringList unset;
        int lines;
    } sessions[] = {{{{"WAYLAND_DISPLAY", "wayland-test"}}, {"QT_QPA_PLATFORM"}, 2},
                    {{{"XDG_SESSION_TYPE", "wayland"}}, {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY"}, 2},
                    {{{"WAYLAND_DISPLAY", "wayland-test"}, {"QT_QPA_PLATFORM", "xcb"}}, {}, 1}};
    for (const auto &session : sessions) {
        const Ended ended = run(nowhere, session.changes, session.unset);
        EXPECT_EQ(ended.status, 1);
        ASSERT_EQ(ended.lines.size(), session.lines) << qPrintable(ended.lines.join('\n'));
        EXPECT_EQ(ended.lines[0].contains("running on XWayland (xcb)"), session.lines == 2);
        EXPECT_TRUE(ended.lines.last().contains("there is no window 0x7ffffff"));
    }
}

// --fullscreen: a borderless window the size of the screen holds the figure once the program runs.
// Its class is the one the desktop entry names (StartupWMClass), so docks match the two.
TEST(Launch, FullScreenFromTheCommandLine) {
    QTemporaryDir settings;
    QProcess program;
    program.setProcessEnvironment(programEnvironment(settings.path()));
    program.start(TETRAVOLUTE, {"--fullscreen"});
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QString fullScreen = QString(R"("Tetravolute": ("tetravolute" "Tetravolute")  %1x%2+0+0)")
                                   .arg(screen.width())
                                   .arg(screen.height());
    QProcess list;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            list.start("xwininfo", {"-root", "-tree"});
            list.waitForFinished();
            return QString::fromLocal8Bit(list.readAllStandardOutput()).contains(fullScreen);
        },
        10000));
    program.kill();
    program.waitForFinished();
}

} // namespace
