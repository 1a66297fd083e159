// The program started as a user would: its command line, and a machine without what it needs.
// Whatever ends it early must say so in one line, with the status given, before it touches the
// settings.
#include "Program.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Ended {
    int status;
    QStringList lines; // the program's own log lines on standard error
    QString out, errors;
};

class Launch : public ::testing::Test {
protected:
    Ended run(const QStringList &arguments, const std::map<QString, QString> &changes = {},
              const QStringList &unset = {}) {
        QProcess program;
        program.setProcessEnvironment(programEnvironment(settings.path(), changes, unset));
        program.start(TETRAVOLUTE, arguments);
        EXPECT_TRUE(program.waitForFinished(10000)) << "still running after 10 s";
        program.kill();
        const QByteArray errors = program.readAllStandardError();
        EXPECT_TRUE(QDir(settings.path()).isEmpty()) << "the settings were touched";
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                logLines(errors), QString::fromLocal8Bit(program.readAllStandardOutput()),
                QString::fromLocal8Bit(errors)};
    }
    QTemporaryDir settings;
};

TEST_F(Launch, HelpAndVersionPrintAndEnd) {
    for (const char *help : {"--help", "-h", "-help"}) {
        const Ended ended = run({help}, {}, {"DISPLAY"}); // no display needed
        EXPECT_EQ(ended.status, 0) << help;
        for (const char *option : {"--fullscreen", "--root", "--window-id <id>", "--version"})
            EXPECT_TRUE(ended.out.contains(option)) << help << " lacks " << option;
    }
    const Ended version = run({"--version"}, {}, {"DISPLAY"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QString("Tetravolute %1\n").arg(PROJECT_VERSION));
}

// One line naming the fault, then the usage, and status 2; nothing starts (there is no display to
// start on, which would give status 1).
TEST_F(Launch, UnknownOptionsAndMalformedValuesEndWithStatus2) {
    const std::map<QStringList, QString> faults = {
        {{"--bogus"}, "Unknown option 'bogus'."},
        {{"stray"}, "unexpected argument 'stray'."},
        {{"--window-id"}, "Missing value after '--window-id'."},
        {{"--window-id", "abc"}, "not 'abc'"},
        {{"--window-id", "0"}, "not '0'"},
        {{"--window-id", "0x1ffffffff"}, "not '0x1ffffffff'"},
        {{"--root", "--window-id", "12x"}, "not '12x'"},
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
        const Ended ended = run(arguments, {}, {"DISPLAY"});
        const QString shown = arguments.join(' ');
        EXPECT_EQ(ended.status, 2) << qPrintable(shown);
        EXPECT_TRUE(ended.errors.startsWith("tetravolute: ")) << qPrintable(ended.errors);
        EXPECT_TRUE(ended.errors.section('\n', 0, 0).contains(problem)) << qPrintable(ended.errors);
        EXPECT_TRUE(ended.errors.contains("Usage: ")) << qPrintable(shown);
    }
    const Ended named = run({"--root"}, {{"XSCREENSAVER_WINDOW", "junk"}}, {"DISPLAY"});
    EXPECT_EQ(named.status, 2);
    EXPECT_TRUE(named.errors.contains("XSCREENSAVER_WINDOW is not a window id: 'junk'"));
}

TEST_F(Launch, WithoutADisplayItNamesTheOneItTried) {
    const Ended unset = run({}, {}, {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"});
    EXPECT_EQ(unset.status, 1);
    ASSERT_EQ(unset.lines.size(), 1) << qPrintable(unset.errors);
    EXPECT_TRUE(unset.lines[0].contains("needs a display")) << qPrintable(unset.lines[0]);
    EXPECT_TRUE(unset.lines[0].contains("DISPLAY unset")) << qPrintable(unset.lines[0]);

    const Ended nowhere = run({}, {{"DISPLAY", ":4711"}});
    EXPECT_EQ(nowhere.status, 1);
    ASSERT_EQ(nowhere.lines.size(), 1) << qPrintable(nowhere.errors);
    EXPECT_TRUE(nowhere.lines[0].contains(R"(DISPLAY=":4711")")) << qPrintable(nowhere.lines[0]);
}

TEST_F(Launch, WithoutFixedFunctionOpenGLItNamesWhatItFound) {
    const Ended core = run({}, {{"MESA_GL_VERSION_OVERRIDE", "3.3FC"}});
    EXPECT_EQ(core.status, 1);
    ASSERT_EQ(core.lines.size(), 1) << qPrintable(core.errors);
    EXPECT_TRUE(core.lines[0].contains("display lists")) << qPrintable(core.lines[0]);
    EXPECT_TRUE(core.lines[0].contains("OpenGL 3.3")) << qPrintable(core.lines[0]);
    EXPECT_TRUE(core.lines[0].contains("core profile")) << qPrintable(core.lines[0]);

    const Ended none = run({}, {{"QT_XCB_GL_INTEGRATION", "none"}});
    EXPECT_EQ(none.status, 1);
    ASSERT_EQ(none.lines.size(), 1) << qPrintable(none.errors);
    EXPECT_TRUE(none.lines[0].contains("no context could be made")) << qPrintable(none.lines[0]);
}

// In a Wayland session it runs on XWayland and says so, unless the user named a platform. A
// window that does not exist ends it early, after that line.
TEST_F(Launch, AWaylandSessionRunsOnXWaylandUnlessAPlatformIsNamed) {
    const QStringList nowhere = {"--window-id", "0x7ffffff"};
    const Ended wayland = run(nowhere, {{"WAYLAND_DISPLAY", "wayland-test"}}, {"QT_QPA_PLATFORM"});
    EXPECT_EQ(wayland.status, 1);
    ASSERT_EQ(wayland.lines.size(), 2) << qPrintable(wayland.errors);
    EXPECT_TRUE(wayland.lines[0].contains("running on XWayland (xcb)"))
        << qPrintable(wayland.errors);
    EXPECT_TRUE(wayland.lines[1].contains("there is no window 0x7ffffff"))
        << qPrintable(wayland.errors);

    const Ended session =
        run(nowhere, {{"XDG_SESSION_TYPE", "wayland"}}, {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY"});
    EXPECT_TRUE(session.errors.contains("running on XWayland (xcb)")) << qPrintable(session.errors);

    const Ended named =
        run(nowhere, {{"WAYLAND_DISPLAY", "wayland-test"}, {"QT_QPA_PLATFORM", "xcb"}});
    EXPECT_EQ(named.status, 1);
    ASSERT_EQ(named.lines.size(), 1) << qPrintable(named.errors);
    EXPECT_TRUE(named.lines[0].contains("there is no window 0x7ffffff"))
        << qPrintable(named.errors);
}

// --fullscreen: a borderless window the size of the screen holds the figure once the program runs.
// Its class is the one the desktop entry names (StartupWMClass), so docks match the two.
TEST(LaunchFullScreen, FullScreenFromTheCommandLine) {
    QTemporaryDir settings;
    QProcess program;
    program.setProcessEnvironment(programEnvironment(settings.path()));
    program.start(TETRAVOLUTE, {"--fullscreen"});
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QString fullScreen = QString(R"("Tetravolute": ("tetravolute" "Tetravolute")  %1x%2+0+0)")
                                   .arg(screen.width())
                                   .arg(screen.height());
    const auto windows = [] {
        QProcess list;
        list.start("xwininfo", {"-root", "-tree"});
        list.waitForFinished();
        return QString::fromLocal8Bit(list.readAllStandardOutput());
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows().contains(fullScreen); }, 10000))
        << qPrintable(windows());
    program.kill();
    program.waitForFinished();
}

} // namespace
