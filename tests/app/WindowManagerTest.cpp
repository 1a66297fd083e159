// The interface under a real window manager (openbox, on a display of its own): its requests
// (maximise, resize, minimise, close) and the user's keys and clicks, sent through the X server
// with wmctrl and xdotool, in fixed sequences and in a seeded random walk.
#include "InterfaceFixture.h"

#include "Windows.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
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

// The window manager's stacking, bottom first.
QList<WId> stacking() {
    QList<WId> ids;
    const QString line = x11("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    for (const QString &word : line.section('#', 1).split(',', Qt::SkipEmptyParts))
        ids.append(word.trimmed().toULong(nullptr, 16));
    return ids;
}

class WindowManagerTest : public InterfaceTest {
protected:
    QWidget *main() const { return get<QWidget>("mainWindow"); }
    QWidget *viewWindow() const {
        return controller->inFullScreen ? static_cast<QWidget *>(controller->fullWindow) : main();
    }
    // Lets the window manager and the program take in what was sent.
    static void settle(int ms = 150) { QTest::qWait(ms); }

    // One view, drawing, in the window its mode names; the full-screen window only in full
    // screen; every shown panel at its mode's level and above the program's other windows.
    void expectSound(const QString &text) {
        const std::string where = text.toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return viewWindow() != nullptr; }, 1000)) << where;
        EXPECT_EQ(view()->parent(), viewWindow()->windowHandle()) << where;
        EXPECT_EQ(bool(controller->fullWindow), controller->inFullScreen) << where;
        EXPECT_EQ(state().inFullScreen, controller->inFullScreen) << where;
        int containers = 0;
        for (QWidget *widget : QApplication::allWidgets())
            containers += widget->property("contentOf").isValid();
        EXPECT_EQ(containers, 1) << where;
        if (!main()->isMinimized() || controller->inFullScreen) {
            const int before = frames();
            EXPECT_TRUE(QTest::qWaitFor([&] { return frames() >= before + 2; }, 2000)) << where;
        }
        const QList<WId> order = stacking();
        const QString above = QString("window id # 0x%1").arg(viewWindow()->winId(), 0, 16);
        for (const char *name : panelNames) {
            QWidget *panel = get<QWidget>(name);
            if (!panel->isVisible())
                continue;
            EXPECT_EQ(windowLevel(panel), controller->inFullScreen ? 999 : 3) << where << name;
            EXPECT_TRUE(x11("xprop", {"-id", id(panel), "WM_TRANSIENT_FOR"}).contains(above))
                << where << name << " does not float above "
                << (controller->inFullScreen ? "the full-screen window" : "the main window");
            if (!main()->isMinimized()) {
                EXPECT_GT(order.indexOf(panel->winId()), order.indexOf(viewWindow()->winId()))
                    << where << name;
            }
        }
    }
};

// Each way the window manager reached the window layer and crashed it, or left the controller
// pointing at a deleted window: the program stays whole and drawing after every one.
TEST_F(WindowManagerTest, RequestsAroundFullScreenLeaveOneDrawingView) {
    load();
    controller->showPrefs(nullptr);
    controller->showDist(nullptr);
    const auto space = [] { x11("xdotool", {"key", "space"}); };
    const auto escape = [] { x11("xdotool", {"key", "Escape"}); };
    const struct {
        const char *what;
        std::function<void()> before, request;
        bool fullAfter;
    } sequences[] = {
        {"maximise after a round trip", [&] { space(), settle(), escape(); },
         [&] {
             x11("wmctrl", {"-i", "-r", id(main()), "-b", "add,maximized_vert,maximized_horz"});
         },
         true},
        {"resize in full screen", space,
         [&] {
             x11("xdotool", {"windowsize", id(main()), "900", "600"});
         },
         true},
        {"screen change in full screen", space,
         [&] {
             QEvent moved(QEvent::ScreenChangeInternal);
             QCoreApplication::sendEvent(get<QWidget>("prefsWindow"), &moved);
         },
         true},
        {"full screen closed by the window manager", space,
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
        expectSound(sequence.what);
        for (const char *keys : {"ctrl+comma", "ctrl+1", "ctrl+m"}) { // each used a freed window
            x11("xdotool", {"key", keys});
            settle();
        }
        main()->showNormal();
        main()->activateWindow();
        settle();
        if (controller->inFullScreen)
            escape();
        settle();
        expectSound(sequence.what);
    }
    // The largest window, frame and menu bar included, fits the screen's available area.
    x11("xdotool", {"windowsize", id(main()), "1400", "880"});
    settle(400);
    const QRect area = main()->screen()->availableGeometry();
    EXPECT_LE(main()->frameGeometry().height(), area.height());
    EXPECT_LE(main()->frameGeometry().width(), area.width());
}

// Panels float above the program's windows in both modes, but not above another program's; they
// keep their places and levels across full screen; the main window is key after leaving.
TEST_F(WindowManagerTest, PanelsFloatAboveTheProgramOnlyAndStayPut) {
    load();
    controller->showPrefs(nullptr);
    controller->showSize(nullptr); // the first show of size and turn takes no focus
    controller->showTurn(nullptr);
    settle(300);
    EXPECT_EQ(QApplication::activeWindow(), main());
    controller->showDist(nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(get<QWidget>("distWindow")));
    settle(300); // framed

    const QRect area = main()->screen()->availableGeometry();
    QList<QRect> places;
    for (const char *name : {"prefsWindow", "distWindow", "sizeWindow", "turnWindow"}) {
        const QRect frame = get<QWidget>(name)->frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << name;
        EXPECT_FALSE(places.contains(frame)) << name;
        places.append(frame);
        EXPECT_FALSE(x11("xprop", {"-id", id(get<QWidget>(name)), "_NET_WM_STATE"})
                         .contains("_NET_WM_STATE_ABOVE"))
            << name;
    }

    for (int round = 0; round < 3; ++round) {
        x11("xdotool", {"key", "space"});
        settle(400);
        expectSound("full screen");
        x11("xdotool", {"key", "Escape"});
        ASSERT_TRUE(QTest::qWaitForWindowActive(main())) << round;
        settle(300);
        EXPECT_EQ(QApplication::activeWindow(), main()) << round;
    }
    int i = 0;
    for (const char *name : {"prefsWindow", "distWindow", "sizeWindow", "turnWindow"})
        EXPECT_EQ(get<QWidget>(name)->frameGeometry(), places[i++]) << name;

    // A panel the window manager closed opens again where the user left it.
    QWidget *size = get<QWidget>("sizeWindow");
    x11("xdotool", {"windowmove", id(size), "300", "400"});
    settle(300);
    const QRect left = size->frameGeometry();
    x11("wmctrl", {"-i", "-c", id(size)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !size->isVisible(); }));
    controller->showSize(nullptr);
    settle(300);
    EXPECT_EQ(size->frameGeometry(), left);

    // A click on the main window raises it, but not over its panels.
    const QPoint inside = main()->geometry().center();
    x11("xdotool",
        {"mousemove", QString::number(inside.x()), QString::number(inside.y()), "click", "1"});
    settle(300);
    expectSound("after a click on the main window");

    // Another program's window, once active, covers them.
    QProcess other;
    other.start("xmessage", {"-geometry", "1400x860+0+0", "another program"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return x11("wmctrl", {"-l"}).contains("xmessage"); }, 3000));
    x11("wmctrl", {"-a", "xmessage"});
    settle(300);
    const QList<WId> order = stacking();
    for (const char *name : {"prefsWindow", "distWindow"})
        EXPECT_LT(order.indexOf(get<QWidget>(name)->winId()), order.size() - 1) << name;
    other.kill();
    other.waitForFinished();
}

// A seeded random walk of the user's keys and clicks and the window manager's requests, checked
// every ten steps.
TEST_F(WindowManagerTest, ThreeHundredRandomActionsKeepItWhole) {
    load();
    QRandomGenerator random(20261207);
    const auto pick = [&](int n) { return int(random.bounded(n)); };
    const QStringList keys = {"space",  "Escape", "ctrl+comma", "ctrl+1",
                              "ctrl+2", "ctrl+3", "shift+space"};
    QStringList done;
    for (int step = 1; step <= 300; ++step) {
        QWidget *panel = get<QWidget>(panelNames[pick(6)]);
        switch (pick(8)) {
        case 0:
        case 1:
            done << keys[pick(keys.size())];
            x11("xdotool", {"key", done.last()});
            break;
        case 2:
            done << "maximise";
            x11("wmctrl", {"-i", "-r", id(main()), "-b", "add,maximized_vert,maximized_horz"});
            break;
        case 3:
            done << "resize";
            x11("xdotool", {"windowsize", id(main()), QString::number(200 + pick(1200)),
                            QString::number(150 + pick(730))});
            break;
        case 4:
            done << "minimise and restore";
            x11("xdotool", {"windowminimize", id(main())});
            settle(50);
            x11("xdotool", {"windowactivate", id(main())});
            break;
        case 5:
            done << "close panels";
            get<QAction>("actionClosePanels")->trigger();
            break;
        case 6: {
            done << "click";
            x11("xdotool", {"mousemove", QString::number(pick(1440)), QString::number(pick(900)),
                            "click", "1"});
            break;
        }
        default:
            done << "window manager closes a window";
            if (panel->isVisible() || controller->fullWindow)
                x11("wmctrl",
                    {"-i", "-c",
                     id(panel->isVisible() ? panel
                                           : static_cast<QWidget *>(controller->fullWindow))});
            break;
        }
        settle(30);
        if (step % 10 == 0) {
            settle(200);
            expectSound(QString("after %1").arg(done.mid(done.size() - 10).join(", ")));
            if (HasFailure())
                return;
        }
    }
}

} // namespace

// The program itself, as the window manager sees it: its own icon from the start, the snapshot
// while minimised and its icon back on restoring; closing the main window ends it, panels and
// full screen and all, with status 0.
class ProgramUnderWindowManager : public ::testing::Test {
protected:
    // The sizes of the window's icons, in the order they are set.
    static QStringList iconSizes(const QString &window) {
        QStringList sizes;
        const QString icons = x11("xprop", {"-len", "99999999", "-id", window, "_NET_WM_ICON"});
        for (const QString &part : icons.split("Icon (").mid(1))
            sizes << part.section(')', 0, 0);
        return sizes;
    }
    QString start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", settings.path());
        program.setProcessEnvironment(environment);
        program.start(TETRAVOLUTE);
        QString window;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const QStringList lines = x11("wmctrl", {"-lp"}).split('\n');
                for (const QString &line : lines)
                    if (line.contains(QString(" %1 ").arg(program.processId())) &&
                        line.endsWith(" Tetravolute"))
                        window = line.section(' ', 0, 0);
                return !window.isEmpty();
            },
            5000));
        QTest::qWait(300);
        return window;
    }
    void TearDown() override {
        program.kill();
        program.waitForFinished();
    }
    QTemporaryDir settings;
    QProcess program;
};

TEST_F(ProgramUnderWindowManager, ItsIconThenTheSnapshotWhileMinimised) {
    const QString main = start();
    const QStringList own = {"64 x 64", "128 x 128", "256 x 256"};
    EXPECT_EQ(iconSizes(main), own);
    x11("xdotool", {"key", "ctrl+m"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return iconSizes(main) == QStringList{"256 x 256"}; }));
    x11("wmctrl", {"-i", "-a", main});
    EXPECT_TRUE(QTest::qWaitFor([&] { return iconSizes(main) == own; }));
}

TEST_F(ProgramUnderWindowManager, ClosingTheMainWindowEndsIt) {
    for (const char *before : {"ctrl+comma", "space"}) {
        const QString main = start();
        x11("xdotool", {"key", before});
        QTest::qWait(300);
        x11("wmctrl", {"-i", "-c", main});
        EXPECT_TRUE(program.waitForFinished(3000)) << before;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << before;
        EXPECT_EQ(program.exitCode(), 0) << before;
    }
}
