// The interface under a real window manager (openbox, on a display of its own): its requests
// (maximise, resize, minimise, close) and the user's keys and clicks, sent through the X server
// with wmctrl and xdotool. After each, the whole is checked: one view drawing where the mode says,
// the full-screen window only in full screen, and every shown panel at its mode's level and
// translucency, transient for the window it floats above and stacked over it.
#include "InterfaceFixture.h"

#include "Windows.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const panelNames[] = {"prefsWindow", "distWindow", "sizeWindow",
                                  "turnWindow",  "aboutBox",   "helpBox"};

QString x11(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(5000);
    return QString::fromLatin1(process.readAllStandardOutput());
}

QString id(const QWidget *window) {
    return QString::number(window->winId());
}

void settle(int ms = 150) {
    QTest::qWait(ms);
}

class WindowManagerTest : public InterfaceTest {
protected:
    QWidget *main() const { return get<QWidget>("mainWindow"); }
    QWidget *viewWindow() const {
        return controller->inFullScreen ? static_cast<QWidget *>(controller->fullWindow) : main();
    }
    void expectWhole(const QString &text) {
        const std::string where = text.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return viewWindow() != nullptr; }, 1000)) << where;
        QWidget *holder = viewWindow();
        EXPECT_EQ(view()->parent(), holder->windowHandle()) << where;
        EXPECT_EQ(bool(controller->fullWindow), controller->inFullScreen) << where;
        EXPECT_EQ(viewInFullScreen(), controller->inFullScreen) << where;
        int containers = 0;
        for (QWidget *widget : QApplication::allWidgets())
            containers += widget->property("contentOf").isValid();
        EXPECT_EQ(containers, 1) << where;
        if (controller->inFullScreen) {
            EXPECT_EQ(
                std::make_tuple(holder->windowTitle(), windowLevel(holder), holder->geometry()),
                std::make_tuple(QString("Tetravolute"), 998, main()->screen()->geometry()))
                << where;
            EXPECT_TRUE(holder->windowFlags() & Qt::FramelessWindowHint) << where;
        }
        if (!main()->isMinimized() || controller->inFullScreen)
            EXPECT_DRAWING(where);
        // The stacking bottom first, and what each panel is transient for, from the X server.
        const QString stacking = x11("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
        const auto position = [&](const QWidget *w) {
            return stacking.indexOf(QString("0x%1").arg(w->winId(), 0, 16));
        };
        for (const char *name : panelNames) {
            QWidget *panel = get<QWidget>(name);
            if (!panel->isVisible())
                continue;
            const bool full = controller->inFullScreen;
            EXPECT_EQ(std::make_tuple(windowLevel(panel), panel->windowOpacity(), isOpaque(panel)),
                      std::make_tuple(full ? 999 : 3, full ? 0.8 : 1.0, !full))
                << where << name;
            EXPECT_TRUE(x11("xprop", {"-id", id(panel), "WM_TRANSIENT_FOR"})
                            .contains(QString("# 0x%1").arg(holder->winId(), 0, 16)))
                << where << name << " does not float above the window holding the view";
            if (!main()->isMinimized()) {
                EXPECT_GT(position(panel), position(holder)) << where << name;
            }
        }
    }
};

// Each way the window manager reached the window layer and crashed it, or left the controller
// pointing at a deleted window: the program stays whole after every one, and after the commands
// that then used the freed windows.
TEST_F(WindowManagerTest, RequestsAroundFullScreenLeaveItWhole) {
    load();
    controller->showPrefs(nullptr);
    controller->showDist(nullptr);
    const auto key = [](const char *keys) { x11("xdotool", {"key", keys}); };
    const auto maximise = [this] {
        x11("wmctrl", {"-i", "-r", id(main()), "-b", "add,maximized_vert,maximized_horz"});
    };
    const struct {
        const char *what;
        std::function<void()> before, request;
        bool fullAfter;
    } sequences[] = {
        {"maximise after a round trip", [&] { key("space"), settle(), key("Escape"); }, maximise,
         true},
        {"resize in full screen", [&] { key("space"); },
         [&] {
             x11("xdotool", {"windowsize", id(main()), "900", "600"});
         },
         true},
        {"a screen change in full screen", [&] { key("space"); },
         [&] {
             QEvent moved(QEvent::ScreenChangeInternal);
             QCoreApplication::sendEvent(get<QWidget>("prefsWindow"), &moved);
         },
         true},
        {"full screen closed by the window manager", [&] { key("space"); },
         [&] {
             x11("wmctrl", {"-i", "-c", id(controller->fullWindow)});
         },
         false},
    };
    for (const auto &sequence : sequences) {
        sequence.before();
        settle();
        sequence.request();
        settle(400);
        EXPECT_EQ(controller->inFullScreen, sequence.fullAfter) << sequence.what;
        expectWhole(sequence.what);
        for (const char *keys : {"ctrl+comma", "ctrl+1", "ctrl+m"}) {
            key(keys);
            settle();
        }
        main()->showNormal();
        main()->activateWindow();
        settle();
        if (controller->inFullScreen)
            key("Escape");
        settle();
        expectWhole(QString(sequence.what) + ", then back");
    }
    // The largest window, frame and menu bar included, fits the screen's available area.
    x11("xdotool", {"windowsize", id(main()), "1400", "880"});
    settle(400);
    const QSize room = main()->screen()->availableGeometry().size();
    EXPECT_TRUE(room.expandedTo(main()->frameGeometry().size()) == room);
}

// Panels float above the program's windows in both modes, not above another program's; they
// open at distinct places on the screen and keep them, and leaving full screen leaves the main
// window key; the first show of the size and turn panels takes no focus.
TEST_F(WindowManagerTest, PanelsFloatAboveTheProgramOnlyAndStayPut) {
    load();
    for (const char *show : {"showPrefs", "showSize", "showTurn"})
        QMetaObject::invokeMethod(controller, show, Q_ARG(QObject *, nullptr));
    settle(300);
    EXPECT_EQ(QApplication::activeWindow(), main());
    controller->showDist(nullptr);
    ASSERT_TRUE(becomesActive(get<QWidget>("distWindow")));
    settle(300); // framed
    QList<QRect> places;
    for (const char *name : {"prefsWindow", "distWindow", "sizeWindow", "turnWindow"}) {
        const QRect frame = get<QWidget>(name)->frameGeometry();
        EXPECT_TRUE(main()->screen()->availableGeometry().contains(frame)) << name;
        EXPECT_FALSE(places.contains(frame)) << name;
        EXPECT_FALSE(
            x11("xprop", {"-id", id(get<QWidget>(name)), "_NET_WM_STATE"}).contains("ABOVE"))
            << name << " is above other programs";
        places.append(frame);
    }
    for (int round = 0; round < 3; ++round) {
        x11("xdotool", {"key", "space"});
        settle(400);
        expectWhole("in full screen");
        x11("xdotool", {"key", "Escape"});
        EXPECT_TRUE(becomesActive(main())) << round;
    }
    int i = 0;
    for (const char *name : {"prefsWindow", "distWindow", "sizeWindow", "turnWindow"})
        EXPECT_EQ(get<QWidget>(name)->frameGeometry(), places[i++]) << name;

    QWidget *size = get<QWidget>("sizeWindow"); // closed where the user left it, opened there
    x11("xdotool", {"windowmove", id(size), "300", "400"});
    settle(300);
    const QRect left = size->frameGeometry();
    x11("wmctrl", {"-i", "-c", id(size)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !size->isVisible(); }));
    controller->showSize(nullptr);
    settle(300);
    EXPECT_EQ(size->frameGeometry(), left);

    const QPoint inside = main()->geometry().center(); // raises the main window, not over them
    x11("xdotool",
        {"mousemove", QString::number(inside.x()), QString::number(inside.y()), "click", "1"});
    settle(300);
    expectWhole("after a click on the main window");
    QProcess other; // another program's window, once active, covers them
    other.start("xmessage", {"-geometry", "1400x860+0+0", "another program"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return x11("wmctrl", {"-l"}).contains("xmessage"); }, 3000));
    x11("wmctrl", {"-a", "xmessage"});
    settle(300);
    const QString top =
        x11("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}).section(',', -1).trimmed();
    for (const char *name : {"prefsWindow", "distWindow"})
        EXPECT_NE(top, QString("0x%1").arg(get<QWidget>(name)->winId(), 0, 16)) << name;
    other.kill();
    other.waitForFinished();
}

// The program itself, as the window manager sees it: its own icon from the start, the snapshot
// while minimised and its icon back on restoring; closing the main window ends it, panels and
// full screen and all, with status 0.
TEST(ProgramUnderWindowManager, ItsIconThenTheSnapshotThenItsIconAndClosingItEndsIt) {
    const auto iconSizes = [](const QString &window) {
        QStringList sizes;
        for (const QString &part : x11("xprop", {"-len", "99999999", "-id", window, "_NET_WM_ICON"})
                                       .split("Icon (")
                                       .mid(1))
            sizes << part.section(')', 0, 0);
        return sizes;
    };
    const QStringList own = {"64 x 64", "128 x 128", "256 x 256"};
    for (const char *before : {"ctrl+comma", "space"}) {
        QTemporaryDir settings;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", settings.path());
        program.setProcessEnvironment(environment);
        program.start(TETRAVOLUTE);
        QString main;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (const QString &line : x11("wmctrl", {"-lp"}).split('\n'))
                    if (line.contains(QString(" %1 ").arg(program.processId())))
                        main = line.section(' ', 0, 0);
                return !main.isEmpty() && iconSizes(main) == own;
            },
            5000));
        x11("xdotool", {"key", "ctrl+m"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return iconSizes(main) == QStringList{"256 x 256"}; }));
        x11("wmctrl", {"-i", "-a", main});
        EXPECT_TRUE(QTest::qWaitFor([&] { return iconSizes(main) == own; }));
        x11("xdotool", {"key", before});
        settle(300);
        x11("wmctrl", {"-i", "-c", main});
        EXPECT_TRUE(program.waitForFinished(3000)) << before;
        EXPECT_EQ(std::make_tuple(program.exitStatus(), program.exitCode()),
                  std::make_tuple(QProcess::NormalExit, 0))
            << before;
    }
}

} // namespace
