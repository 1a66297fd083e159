// The program started as a user would: every documented spelling of every option, parsed here,
// then the program itself on machines without what it needs, which must say so in one line, with
// its status, before it touches the settings.
#include "CommandLine.h"
#include "LogCapture.h"
#include "Program.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What the parser made of the arguments (split at spaces) with the daemon's window in the
// environment: a status and the first line said, or the options that differ from a plain start.
QString outcome(const QString &arguments, const QByteArray &daemonWindow = "0x22") {
    std::vector<QByteArray> bytes = {"tetravolute"};
    for (const QString &argument : arguments.split(' ', Qt::SkipEmptyParts))
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    qputenv("XSCREENSAVER_WINDOW", daemonWindow);
    if (daemonWindow.isEmpty())
        qunsetenv("XSCREENSAVER_WINDOW");
    LaunchOptions o;
    std::optional<int> status;
    const QString said =
        capturedLog([&] { status = parseCommandLine(int(argv.size()), argv.data(), &o); });
    if (status)
        return QString("%1 %2%3")
            .arg(*status)
            .arg(said.section('\n', 0, 0))
            .arg(*status && !said.contains("\nUsage: ") ? " (no usage)" : "");
    QStringList shown;
    if (o.saver)
        shown << QString("saver 0x%1").arg(o.hostWindow, 0, 16);
    if (o.fullScreen)
        shown << "fullscreen";
    if (!o.picture.isEmpty() || !o.film.isEmpty())
        shown << o.picture + o.film << QString("%1x%2").arg(o.size.width()).arg(o.size.height());
    if (!o.picture.isEmpty())
        shown << QString("at %1").arg(o.at);
    if (!o.film.isEmpty())
        shown << QString("%1 frames at %2").arg(o.frames).arg(o.fps);
    return shown.join(", ");
}

TEST(CommandLine, EveryDocumentedSpellingIsTaken) {
    for (const auto &[arguments, options] :
         std::initializer_list<std::pair<const char *, const char *>>{
             {"--help", "0 "},
             {"-h", "0 "},
             {"-help", "0 "},
             {"--help-all", "0 "},
             {"--version", "0 "},
             {"-v", "0 "},
             {"-version", "0 "},
             {"", ""},
             {"--fullscreen", "fullscreen"},
             {"-fullscreen", "fullscreen"},
             {"--root", "saver 0x22"},
             {"-root", "saver 0x22"},
             {"--window-id 4711", "saver 0x1267"},
             {"-window-id 0x1F", "saver 0x1f"},
             {"--window-id=0xffffffff", "saver 0xffffffff"},
             {"--root --window-id 12", "saver 0xc"}, // a preview's
             {"-picture p.png --size 320x200 -at 2.5", "p.png, 320x200, at 2.5"},
             {"--record f.webm", "f.webm, 1920x1080, 300 frames at 30"},
             {"--record f.mp4 -duration 0:30 --fps 30", "f.mp4, 1920x1080, 900 frames at 30"},
             {"--record f.mp4 --duration 1:02:03 -fps 1", "f.mp4, 1920x1080, 3723 frames at 1"},
             {"--record f.mp4 --duration 90s --fps 25", "f.mp4, 1920x1080, 2250 frames at 25"},
             {"--record f.mp4 --duration 0.5s", "f.mp4, 1920x1080, 15 frames at 30"},
             {"--record f.mp4 --duration 900 --fps 60", "f.mp4, 1920x1080, 900 frames at 60"}})
        EXPECT_EQ(outcome(arguments), options) << arguments;
    EXPECT_EQ(outcome("--root", {}), "saver 0x0"); // the root window
}

// One line naming the fault, then the usage, and status 2.
TEST(CommandLine, UnknownOptionsAndMalformedValuesGiveStatus2) {
    for (const auto &[arguments, problem] :
         std::initializer_list<std::pair<const char *, const char *>>{
             {"--bogus", "Unknown option 'bogus'."},
             {"-platform xcb", "Unknown option 'platform'."},
             {"stray", "unexpected argument 'stray'."},
             {"--window-id", "Missing value after '--window-id'."},
             {"--window-id abc", "not 'abc'"},
             {"--window-id 0", "not '0'"},
             {"--window-id 0x1ffffffff", "not '0x1ffffffff'"},
             {"--picture p.png --record f.mp4", "one at a time"},
             {"--record f.mp4 --root", "shows no window"},
             {"--picture p.png --fullscreen", "shows no window"},
             {"--size 320x200", "--size belongs with --picture or --record"},
             {"--record f.mp4 --at 3", "--at belongs with --picture"},
             {"--picture p.png --fps 25", "--fps belongs with --record"},
             {"--picture p.png --duration 3s", "--duration belongs with --record"},
             {"--picture p.png --size 0x200", "not '0x200'"},
             {"--picture p.png --size 7681x4320", "not '7681x4320'"},
             {"--picture p.png --at -1", "not '-1'"},
             {"--record f.mp4 --fps 241", "not '241'"},
             {"--record f.mp4 --duration 0:0", "not '0:0'"},
             {"--record f.mp4 --duration 1:234", "not '1:234'"}}) {
        const QString said = outcome(arguments);
        EXPECT_TRUE(said.startsWith("2 tetravolute: ") && said.contains(problem) &&
                    !said.endsWith("(no usage)"))
            << qPrintable(said);
    }
    EXPECT_TRUE(
        outcome("--root", "junk").contains("XSCREENSAVER_WINDOW is not a window id: 'junk'"));
}

// The program itself: its status, its own log lines (one each) or what it printed, and the
// settings left untouched.
std::tuple<int, QStringList, QString> run(const QStringList &arguments,
                                          const std::map<QString, QString> &changes,
                                          const QStringList &unset) {
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

TEST(Launch, WithoutADisplayOrFixedFunctionOpenGLItSaysWhatItFound) {
    const auto [status, lines, help] = run({"--help"}, {}, {"DISPLAY"});
    EXPECT_TRUE(status == 0 && help.contains("--window-id <id>") && help.contains("xvfb-run"))
        << qPrintable(help);
    EXPECT_EQ(std::get<2>(run({"-version"}, {}, {"DISPLAY"})),
              QString("Tetravolute %1\n").arg(PROJECT_VERSION));
    const struct {
        QStringList arguments;
        std::map<QString, QString> changes;
        QStringList unset, said; // a line each
    } machines[] = {
        {{},
         {},
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"},
         {"needs a display and could not open one (tried platform \"xcb\", DISPLAY unset)"}},
        {{}, {{"DISPLAY", ":4711"}}, {}, {R"(DISPLAY=":4711")"}},
        {{},
         {{"MESA_GL_VERSION_OVERRIDE", "3.3FC"}},
         {},
         {"display lists (a compatibility context); found OpenGL 3.3"}},
        {{}, {{"QT_XCB_GL_INTEGRATION", "none"}}, {}, {"no context could be made"}},
        // In a Wayland session it runs on XWayland and says so; a window that does not
        // exist ends it.
        {{"--window-id", "0x7ffffff"},
         {{"WAYLAND_DISPLAY", "wayland-test"}},
         {},
         {"running on XWayland (xcb)", "there is no window 0x7ffffff"}}};
    for (const auto &machine : machines) {
        const auto [status, lines, out] = run(machine.arguments, machine.changes, machine.unset);
        EXPECT_EQ(std::make_pair(status, lines.size()), std::make_pair(1, machine.said.size()))
            << qPrintable(lines.join('\n'));
        for (int i = 0; i < std::min(lines.size(), machine.said.size()); ++i)
            EXPECT_TRUE(lines[i].contains(machine.said[i])) << qPrintable(lines[i]);
    }
}

} // namespace
