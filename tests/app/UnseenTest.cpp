// Nothing is drawn while nobody can see the figure, and drawing comes back once it can be seen:
// under openbox's real window manager, with the real XScreenSaver, and stand-ins (said so) for the
// savers that speak on the session bus. (xsecurelock and mate-screensaver also cover the screen
// with a window, as the covering row does; the real hosts' tests run them, and show a saver's own
// window drawn whatever the savers say.) Frames are counted by the animation's steps, against the
// ticks of the view's own clock, never against a time.
#include "InterfaceFixture.h"

#include "RepeatingTimer.h"
#include "WindowManager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <vector>

namespace {

// XScreenSaver's status on the root window, as it writes it: blanked, or not.
void setSaverStatus(bool blanked) {
    x11(QString("xprop -root -f _SCREENSAVER_STATUS 32i -set _SCREENSAVER_STATUS %1,0,0")
            .arg(blanked ? atomNamed("BLANK") : 0));
}
// A state nobody sees the figure in: how it comes and how it goes.
struct Row {
    const char *state;
    std::function<void()> hide, show;
};

// A saver on the session bus without a window of its own over the figure (GNOME's and KDE's cannot
// run here; mate-screensaver's window would hide what its signal does): its name on the bus and
// its documented signal, from a connection of the test's own.
Row standInRow(const char *state, const QString &service, const QString &path) {
    const auto say = [=](bool active) {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, service);
        bus.registerService(service);
        bus.send(QDBusMessage::createSignal(path, service, "ActiveChanged") << active);
    };
    return {state, [=] { say(true); }, [=] { say(false); }};
}

struct Unseen : InterfaceTest {
    void SetUp() override {
        InterfaceTest::SetUp();
        load("delay=NO\n"); // turning from the first frame
        QObject::connect(view()->findChild<RepeatingTimer *>()->findChild<QTimer *>(),
                         &QTimer::timeout, [this] { ++ticks; });
    }
    // Frames stop: fifteen ticks in a row without one.
    bool stopped() {
        int since = ticks, reads = clockReads;
        return QTest::qWaitFor(
            [&] {
                if (clockReads != reads)
                    std::tie(since, reads) = std::pair(ticks, clockReads);
                return ticks - since >= 15;
            },
            20000);
    }
    // Each row cycled in turn (drawing while seen, none once hidden, drawing again once shown):
    // the states where any step failed.
    void expectEachRow(const std::vector<Row> &rows) {
        QStringList states, expected;
        for (const Row &row : rows) {
            const bool before = drawing();
            row.hide();
            const bool none = stopped();
            row.show();
            states << seen(row.state, before, none, drawing());
            expected << seen(row.state, "true true true");
        }
        EXPECT_EQ(states.join('\n'), expected.join('\n'));
    }
    void activate(QWidget *window) { x11("wmctrl -ia " + hex(window)); }

    int ticks = 0;
};

// GNOME Shell and KWin keep a window on another workspace mapped: there only the workspaces'
// properties say it is not shown.
TEST_F(Unseen, NoFrameOnAnotherWorkspace) {
    x11("wmctrl -n 2"); // a switch to a workspace not made yet would be ignored
    ASSERT_SOON(x11("xprop -root _NET_NUMBER_OF_DESKTOPS").contains("= 2"));
    expectEachRow({
        {"on another workspace", [] { x11("wmctrl -s 1"); }, [] { x11("wmctrl -s 0"); }},
    });
}

TEST_F(Unseen, NoFrameWhileNobodyCanSeeTheFigure) {
    // A frameless window over the main window whole: the test's, which X treats as any other.
    QWidget cover(nullptr, Qt::FramelessWindowHint);
    cover.setGeometry(main()->frameGeometry());
    QFile saverFile(QDir::home().filePath(".xscreensaver")); // XScreenSaver's settings: blank
    ASSERT_TRUE(saverFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    saverFile.write("mode: blank\n");
    saverFile.close();

    QProcess xscreensaver;
    expectEachRow({
        {"minimised", [&] { x11("xdotool windowminimize --sync " + hex(main())); },
         [&] { activate(main()); }},
        {"covered whole by another window",
         [&] {
             cover.show();
             cover.raise();
         },
         [&] { cover.hide(); }},
        {"XScreenSaver blanks the screen",
         [&] {
             // As an ordinary user, which it must be: nobody, in a user namespace of the test's.
             xscreensaver.start("unshare",
                                {"-r", "unshare", "--map-user=65534", "--map-group=65534", "-U",
                                 "xscreensaver", "-no-splash"});
             ASSERT_SOON(QProcess::execute("xscreensaver-command", {"-time"}) == 0);
             x11("xscreensaver-command -activate");
         },
         [&] { x11("xscreensaver-command -deactivate"); }},
        // Where a compositor draws the screen, no window is obscured: the status alone counts.
        {"XScreenSaver's status alone says blank", [] { setSaverStatus(true); },
         [] { setSaverStatus(false); }},
        standInRow("mate-screensaver (a stand-in of the test's)", "org.mate.ScreenSaver",
                   "/org/mate/ScreenSaver"),
        standInRow("GNOME Shell's shield (a stand-in of the test's)", "org.gnome.ScreenSaver",
                   "/org/gnome/ScreenSaver"),
        standInRow("KDE's screen locker (a stand-in of the test's)", "org.freedesktop.ScreenSaver",
                   "/ScreenSaver"),
    });
    xscreensaver.kill();
    xscreensaver.waitForFinished();
}

// A hundred quick changes, none waited for, leave it drawing when seen and not when unseen; a
// picture is made as ever while it is unseen, as Save Picture makes it.
TEST_F(Unseen, AHundredQuickChangesLeaveNothingStuck) {
    x11("wmctrl -n 2");
    QWidget cover(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    cover.setGeometry(main()->screen()->geometry());
    for (int i = 0; i < 25; ++i) { // each of the four kinds in turn
        cover.show();
        QCoreApplication::processEvents();
        cover.hide();
        x11("xdotool windowminimize " + hex(main()));
        activate(main());
        x11("wmctrl -s 1");
        x11("wmctrl -s 0");
        setSaverStatus(true);
        setSaverStatus(false);
    }
    EXPECT_TRUE(drawing());
    cover.show();
    EXPECT_TRUE(stopped());
    EXPECT_GT(coloursOf(view()->picture(QSize(160, 100), false)).size(), 1); // not just background
    cover.hide();
    EXPECT_TRUE(drawing());
    // Seen from outside too: the X server's pixels over the figure change as it turns.
    const QRect area(view()->mapToGlobal(QPoint(0, 0)), view()->geometry().size());
    const auto shown = [&] {
        return main()->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    };
    const QImage before = shown().toImage();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown().toImage() != before; }));
}

} // namespace
