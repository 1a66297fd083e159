// The program started as a user would: every documented spelling of every option, parsed here,
// then the program itself on machines without what it needs, which must say so in one line, with
// its status, before it touches the settings.
#include "CommandLine.h"
#include "Program.h"
#include "Testing.h"

namespace {

// What the parser made of the arguments with the daemon's window 0x22 in the environment: the
// status and the first line said, or the options that differ from a plain start. (A preview adds
// --window-id to --root.)
QString outcome(const QString &arguments, const QByteArray &daemonWindow = "0x22") {
    QByteArrayList bytes = ("tetravolute " + arguments).toLocal8Bit().split(' ');
    bytes.removeAll({});
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    daemonWindow.isEmpty() ? qunsetenv("XSCREENSAVER_WINDOW")
                           : qputenv("XSCREENSAVER_WINDOW", daemonWindow);
    LaunchOptions o;
    std::optional<int> status;
    const QString said =
        capturedLog([&] { status = parseCommandLine(int(argv.size()), argv.data(), &o); });
    if (status)
        return seen(*status, said.section('\n', 0, 0), *status == 0 || said.contains("\nUsage: "));
    if (!o.picture.isEmpty() || !o.film.isEmpty())
        return seen(o.picture + o.film + o.settings, o.size, o.at, o.frames,
                    QString("%1/%2").arg(o.fps.frames).arg(o.fps.seconds));
    return o.saver        ? QString("saver %1").arg(o.hostWindow, 0, 16)
           : o.fullScreen ? "fullscreen"
                          : "";
}

// Spellings and what the parser makes of them, "; " between the rows.
const char *const spellings =
    " => ; --fullscreen => fullscreen; -fullscreen => fullscreen; --root => saver 22; -root => "
    "saver 22; --window-id 4711 => saver 1267; -window-id 0x1F => saver 1f; "
    "--window-id=0xffffffff => saver ffffffff; --root --window-id 12 => saver c; -picture p "
    "--size 320x200 -at 2.5 => p.png QSize(320, 200) 2.5 300 30/1; --picture p.png --size "
    "4320x7680 => p.png QSize(4320, 7680) 0 300 30/1; --picture p.png --size 7680X4320 => p.png "
    "QSize(7680, 4320) 0 300 30/1; --picture p.jpg --settings s => p.jpgs QSize(1920, 1080) 0 300 "
    "30/1; --record f.webm => f.webm QSize(1920, 1080) 0 300 30/1; --record f.mp4 -duration 0:30 "
    "--fps 30 --at 4 => f.mp4 QSize(1920, 1080) 4 900 30/1; --record f.mp4 --duration 1:02:03 "
    "-fps 1 => f.mp4 QSize(1920, 1080) 0 3723 1/1; --record f.mp4 --duration 90 --fps 25 => f.mp4 "
    "QSize(1920, 1080) 0 2250 25/1; --record f.mp4 --duration 90s --fps 29.97 => f.mp4 "
    "QSize(1920, 1080) 0 2697 30000/1001; --record f.mp4 --duration 0.5 --fps 30000/1001 => f.mp4 "
    "QSize(1920, 1080) 0 15 30000/1001; --record f.mkv --duration 300f --fps 23.976 => f.mkv "
    "QSize(1920, 1080) 0 300 24000/1001; --record f.gif --fps 12.5 --duration 2 => f.gif "
    "QSize(1920, 1080) 0 25 25/2; --record f.gif --fps 50 => f.gif QSize(1920, 1080) 0 500 50/1; "
    "--record f.mp4 --fps 59.94 => f.mp4 QSize(1920, 1080) 0 599 60000/1001; --record f.mp4 --fps "
    "240 => f.mp4 QSize(1920, 1080) 0 2400 240/1; --record f.mp4 --fps 239.99 => f.mp4 QSize(1920, "
    "1080) 0 2400 23999/100; --record f.mp4 --fps 1.01 => f.mp4 QSize(1920, 1080) 0 10 101/100; "
    "--record f.mp4 --fps 1.0001 => f.mp4 QSize(1920, 1080) 0 10 1/1";

// Faults and what the line naming them says.
const char *const faults =
    "--bogus => Unknown option 'bogus'.; stray => unexpected argument 'stray'.; --window-id => "
    "Missing value after '--window-id'.; --window-id abc => not 'abc'; --window-id 0x1ffffffff => "
    "not '0x1ffffffff'; --window-id 0 => not '0'; --picture p.png --record f.mp4 => one at a "
    "time; --record f.mp4 --root => shows no window; --size 320x200 => --size belongs with "
    "--picture or --record; --picture p.png --fps 25 => --fps belongs with --record; --picture "
    "p.png --size 7681x4320 => not '7681x4320'; --picture p --size 4320x7681 => not '4320x7681'; "
    "--picture p.png --at -1 => not '-1'; --record f.mp4 --fps 241 => not '241'; --record f.mp4 "
    "--duration 1:234 => not '1:234'; --record f.mp4 --duration 1:60 => not '1:60'; --record "
    "f.mp4 --duration 0 => not '0'; --record f.mp4 --fps 30/0 => not '30/0'; --record f.mp4 --fps "
    "250.5 => not '250.5'; --record f.mp4 --fps 240.5 => not '240.5'; --record f.mp4 --fps 240.01 "
    "=> not '240.01'; --record f.mp4 --fps 0.99 => not '0.99'; --record f.mp4 --fps 0.5 => not "
    "'0.5'; --record f.mp4 --fps 1e3 => not '1e3'; --record f.mp4 --fps 1e10 => not '1e10'; "
    "--record f.mp4 --fps -30 => not '-30'; --record "
    "f.mp4 --fps= => not ''; --record f.mp4 --fps fast => not 'fast'; --record f.gif --fps 50.5 => "
    "at most 50; --record f.gif --fps 60 => at most 50; --settings s => --settings belongs with; "
    "--picture p --picture q => more "
    "than once; --root -root => more than once; --picture= => --picture wants a file name";

// Every spelling is taken; a fault gives one line naming it, then the usage, and status 2.
TEST(CommandLine, EveryDocumentedSpellingIsTakenAndEveryFaultNamed) {
    for (const char *help : {"--help", "-h", "-help", "--help-all", "--version", "-v", "-version"})
        EXPECT_EQ(outcome(help), "0  true") << help;
    for (const QString &row : QString(spellings).split("; "))
        EXPECT_EQ(outcome(row.section(" => ", 0, 0)), row.section(" => ", 1)) << qPrintable(row);
    EXPECT_EQ(outcome("--root", {}), "saver 0"); // the root window
    for (const QString &row : QString(faults).split("; ")) {
        const QString said = outcome(row.section(" => ", 0, 0));
        EXPECT_TRUE(said.startsWith("2 tetravolute: ") && said.contains(row.section(" => ", 1)) &&
                    said.endsWith(" true"))
            << qPrintable(said);
    }
    EXPECT_TRUE(
        outcome("--root", "junk").contains("XSCREENSAVER_WINDOW is not a window id: 'junk'"));
}

// Help and version need no display; without one, or without fixed-function OpenGL, it says what
// it found in one line with status 1. In a Wayland session it runs on XWayland and says so; a
// window that does not exist ends it.
TEST(Launch, WithoutADisplayOrFixedFunctionOpenGLItSaysWhatItFound) {
    const Ended help = runProgram({"--help"}, {}, {"DISPLAY"});
    EXPECT_TRUE(help.status == 0 && help.out.contains("--window-id <id>") &&
                help.out.contains("EGL"));
    EXPECT_EQ(runProgram({"-version"}, {}, {"DISPLAY"}).out,
              QString("Tetravolute %1\n").arg(PROJECT_VERSION));
    const Ended none = runProgram({}, {}, {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"});
    const Ended core = runProgram({}, {{"MESA_GL_VERSION_OVERRIDE", "3.3FC"}});
    const Ended wayland =
        runProgram({"--window-id", "0x7ffffff"}, {{"WAYLAND_DISPLAY", "wayland-test"}});
    EXPECT_EQ(seen(none.status, none.lines.size(), core.status, core.lines.size(), wayland.status,
                   wayland.lines.size()),
              "1 1 1 1 1 2");
    EXPECT_TRUE(none.lines.value(0).contains(
        "needs a display and could not open one (tried platform \"xcb\", DISPLAY unset)"));
    EXPECT_TRUE(
        core.lines.value(0).contains("display lists (a compatibility context); found OpenGL 3.3"));
    EXPECT_TRUE(wayland.lines.value(0).contains("running on XWayland (xcb)") &&
                wayland.lines.value(1).contains("there is no window 0x7ffffff"));
}

} // namespace
