// The interface under a desktop's real window manager, on a display of its own: its requests
// (maximise, resize, minimise, close) and the user's keys and clicks, sent through the X server
// with wmctrl and xdotool. After each, the whole is checked: one view drawing where the mode says,
// the full-screen window only in full screen, and every shown panel at its mode's level and
// translucency, transient for the window it floats above and stacked over it.
#include "InterfaceFixture.h"

#include "WindowManager.h"
#include "Windows.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// As the X server has it: mapped and not minimised; the window that has the keyboard.
bool onScreen(const QWidget *window) {
    return x11("xwininfo -id " + hex(window)).contains("IsViewable") &&
           !x11("xprop -id " + hex(window) + " _NET_WM_STATE").contains("HIDDEN");
}
QString keyWindow() {
    // xfwm4 lists a second window after it.
    return x11("xprop -root _NET_ACTIVE_WINDOW").section("# ", 1).section(',', 0, 0).trimmed();
}

// The screen as the user sees it: where GNOME Shell composites it, its own screenshot (under
// Wayland, XWayland's root window holds none of it); else the X server's root window.
QImage screenShot(QScreen *screen) {
    if (!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            "org.gnome.Shell.Screenshot"))
        return screen->grabWindow(0).toImage();
    QTemporaryDir folder;
    const QString file = folder.filePath("screen.png");
    outputOf("gnome-screenshot", {"--file", file});
    return QImage(file);
}

struct WindowManagerTest : InterfaceTest {
    // The state as it is now, and as it should be.
    std::pair<QStringList, QStringList> wholeAndExpected() {
        const bool full = controller->inFullScreen;
        QWidget *holder = full ? static_cast<QWidget *>(controller->fullWindow) : main();
        if (!holder)
            return {{"no window holds the view"}, {}};
        const QWidgetList all = QApplication::allWidgets();
        QStringList whole = {
            seen(view()->parent() == holder->windowHandle(), bool(controller->fullWindow),
                 view()->*&OpenView::inFullScreen,
                 std::count_if(all.begin(), all.end(),
                               [](QWidget *w) { return w->property("contentOf").isValid(); }),
                 full ? seen(holder->windowTitle(), windowLevel(holder),
                             holder->geometry() == main()->screen()->geometry(),
                             bool(holder->windowFlags() & Qt::FramelessWindowHint))
                      : "")};
        QStringList expected = {seen(true, full, full, 1, full ? "Tetravolute 998 true true" : "")};
        const QString stacking = x11("xprop -root _NET_CLIENT_LIST_STACKING"); // bottom first
        for (const char *name :
             {"prefsWindow", "distWindow", "sizeWindow", "turnWindow", "aboutBox", "helpBox"}) {
            QWidget *panel = get(name);
            if (!panel->isVisible())
                continue;
            // Its level, translucency (as the window manager reads it), the window it is transient
            // for, and that it is stacked over it.
            const QString opacity =
                x11("xprop -id " + hex(panel) + " _NET_WM_WINDOW_OPACITY").section("= ", 1);
            whole << seen(
                name, windowLevel(panel), opacity.isEmpty() ? 1 : opacity.toDouble() / 0xffffffff,
                isOpaque(panel),
                x11("xprop -id " + hex(panel) + " WM_TRANSIENT_FOR").contains("# " + hex(holder)),
                main()->isMinimized() ||
                    stacking.indexOf(hex(panel)) > stacking.indexOf(hex(holder)));
            expected << seen(name, full ? 999 : 3, full ? 0.8 : 1, !full, true, true);
        }
        return {whole, expected};
    }
    void expectWhole(const QString &where) {
        // The window manager restacks in its own time.
        until([&] {
            const auto [whole, expected] = wholeAndExpected();
            return whole == expected;
        });
        const auto [whole, expected] = wholeAndExpected();
        const bool full = controller->inFullScreen;
        EXPECT_EQ(whole, expected) << qPrintable(where);
        EXPECT_TRUE((main()->isMinimized() && !full) || drawing()) << qPrintable(where);
    }
};

// Each way the window manager reached the window layer and crashed it, or left the controller
// pointing at a deleted window: the program stays whole after every one, and after the commands
// that then used the freed windows. The largest window, frame and menu bar included, fits the
// screen's available area.
TEST_F(WindowManagerTest, RequestsAroundFullScreenLeaveItWhole) {
    load();
    showPanels({"Prefs", "Dist"});
    const QString main = hex(this->main());
    for (const auto &[before, request, fullAfter] :
         {std::tuple("space Escape",
                     "wmctrl -i -r " + main + " -b add,maximized_vert,maximized_horz", true),
          std::tuple("space", "xdotool windowsize " + main + " 900 600", true),
          std::tuple("space", QString("close full screen"), false)}) {
        x11(QString("xdotool key --delay 150 ") + before);
        const bool fullBefore = QString(before).endsWith("space");
        ASSERT_SOON(controller->inFullScreen == fullBefore &&
                    keyWindow() == hex(fullBefore ? controller->fullWindow.data() : this->main()))
            << before;
        x11(request == "close full screen" ? "wmctrl -i -c " + hex(controller->fullWindow)
                                           : request);
        QTest::qWait(400);
        EXPECT_SOON(controller->inFullScreen == fullAfter) << qPrintable(request);
        until([&] { // the window manager's answer to the full-screen state
            return !controller->fullWindow ||
                   controller->fullWindow->geometry() == this->main()->screen()->geometry();
        });
        expectWhole(request);
        // Minimised, and brought back as the task bar does it.
        x11("xdotool key --delay 150 ctrl+comma ctrl+1 ctrl+m");
        EXPECT_SOON(this->main()->isMinimized()) << qPrintable(request);
        const QString icons = x11("xprop -len 99999999 -id " + main + " _NET_WM_ICON");
        EXPECT_EQ(seen(icons.count("Icon ("), icons.contains("(256 x 256)")), "1 true")
            << "the figure's snapshot, " << qPrintable(request);
        x11("xdotool windowactivate " + main);
        until([&] { return keyWindow() == main || controller->inFullScreen; });
        if (controller->inFullScreen)
            x11("xdotool key Escape");
        EXPECT_SOON(!controller->inFullScreen && keyWindow() == main) << qPrintable(request);
        expectWhole(request + ", then back");
    }
    x11("xdotool windowsize " + main + " 1400 880");
    QTest::qWait(400);
    const QSize room = this->main()->screen()->availableGeometry().size();
    EXPECT_EQ(room.expandedTo(this->main()->frameGeometry().size()), room);
    // A key the X server had already sent the full-screen window when it went still counts.
    controller->goFullScreen();
    ASSERT_SOON(keyWindow() == hex(controller->fullWindow));
    const QString full = hex(controller->fullWindow);
    controller->leaveFullScreen();
    x11("xdotool key --window " + full + " space");
    EXPECT_SOON(controller->inFullScreen);
}

// As the X server has it: a window's place and size.
QRect placeOf(const QString &window) {
    const QString info = x11("xwininfo -id " + window);
    const auto number = [&](const char *label) {
        return info.section(label, 1).section('\n', 0, 0).trimmed().toInt();
    };
    return {number("Absolute upper-left X:"), number("Absolute upper-left Y:"), number("Width:"),
            number("Height:")};
}

// The window's frame as the X server has it: the window where it is, grown by the frame the window
// manager says it gave it (_NET_FRAME_EXTENTS: left, right, top, bottom); empty until framed.
QRect frameOf(const QWidget *window) {
    const QStringList frame =
        x11("xprop -id " + hex(window) + " _NET_FRAME_EXTENTS").section("= ", 1).split(", ");
    if (frame.size() != 4)
        return {};
    return placeOf(hex(window))
        .adjusted(-frame[0].toInt(), -frame[2].toInt(), frame[1].toInt(), frame[3].toInt());
}

// The shown window of process pid named name, once the window manager has mapped it (WM_STATE
// Normal). By name: the process shows child windows too (the view's). With --all: by default
// xdotool takes a window that meets any one condition (the pid alone). Searched again until found,
// not with --sync: xdotool ends at the first window that goes while it walks the tree (a desktop
// panel's, as the panel starts). Empty if none shows (xwininfo would wait for a click to name
// window 0).
QString shownWindow(const QString &pid, const QString &name) {
    QString window;
    until([&] {
        const qulonglong id = outputOf("xdotool", {"search", "--all", "--onlyvisible", "--pid", pid,
                                                   "--name", "^" + name + "$"})
                                  .split('\n')
                                  .first()
                                  .toULongLong();
        const QString found = "0x" + QString::number(id, 16);
        if (id && x11("xprop -id " + found + " WM_STATE").contains("Normal"))
            window = found;
        return !window.isEmpty();
    });
    return window;
}

// Panels float above the program's windows in both modes, never above another program's; they
// open at distinct places on the screen and keep them; the first show of the size and turn panels
// takes no focus. Full screen as the window manager gives it: the whole monitor in its full-screen
// state, not maximised into the work area below a desktop's panels, the figure's grey (0.8) along
// the monitor's top and bottom rows but for the logo in its lower right corner; the open panels
// over it at 0.8, also after a click on the figure; one of the program's windows with the keyboard
// after entering and after leaving, so the next key works without a click; the main window back
// where and as large as it was.
TEST_F(WindowManagerTest, PanelsFloatAboveFullScreenThatCoversTheMonitor) {
    load();
    ASSERT_SOON(keyWindow() == hex(main()));
    showPanels({"Prefs", "Size", "Turn"});
    QTest::qWait(300);
    EXPECT_EQ(keyWindow(), hex(main())) << "a panel's first show took the keyboard: "
                                        << qPrintable(x11("xprop WM_NAME -id " + keyWindow()));
    controller->showDist(nullptr);
    ASSERT_TRUE(becomesActive(get("distWindow")));
    const QStringList panels = {"prefsWindow", "distWindow", "sizeWindow", "turnWindow"};
    // Every panel framed, and Qt has heard.
    ASSERT_SOON(std::all_of(panels.begin(), panels.end(),
                            [&](const QString &name) { return !frameOf(get(name)).isEmpty(); }));
    // The main window (720 x 450 and its menu bar, centred on 1440 x 900) leaves no room beside it
    // for a panel 460 points wide: the settings go to the screen's left edge, the editors to its
    // right edge, the editors 32 points apart, all tops level with the bottom of the main window's
    // menu bar but the cascade, none above others.
    const QRect area = main()->screen()->availableGeometry();
    const int below = get("centralwidget")->mapToGlobal(QPoint(0, 0)).y();
    QList<QRect> places;
    QStringList where;
    for (const QString &name : panels) {
        const QRect frame = frameOf(get(name));
        where << seen(name, area.contains(frame), frame.top() >= below,
                      frame.left() == area.left()     ? "left"
                      : frame.right() == area.right() ? "right"
                                                      : "",
                      frame.top() - (places.isEmpty() ? frame.top() : places.last().top()),
                      x11("xprop -id " + hex(get(name)) + " _NET_WM_STATE").contains("ABOVE"));
        places.append(frame);
    }
    EXPECT_EQ(where,
              QStringList(
                  {"prefsWindow true true left 0 false", "distWindow true true right 0 false",
                   "sizeWindow true true right 32 false", "turnWindow true true right 32 false"}));
    // F6 and Shift+F6 go through them in reading order, then to the main window, each given the
    // keyboard by the window manager.
    for (const QString row : {"F6 sizeWindow", "F6 turnWindow", "F6 mainWindow", "F6 prefsWindow",
                              "shift+F6 mainWindow"}) {
        x11("xdotool key " + row.section(' ', 0, 0));
        EXPECT_SOON(keyWindow() == hex(get(row.section(' ', 1)))) << qPrintable(row);
    }
    const QString main = hex(this->main());
    const QRect before = placeOf(main), monitor = this->main()->screen()->geometry();
    for (int round = 0; round < 2; ++round) {
        x11("xdotool key space");
        ASSERT_SOON(controller->fullWindow && keyWindow() == hex(controller->fullWindow)) << round;
        const QString full = hex(controller->fullWindow);
        EXPECT_SOON(placeOf(full) == monitor) << round;
        const QString state = x11("xprop -id " + full + " _NET_WM_STATE");
        EXPECT_EQ(seen(state.contains("FULLSCREEN"), state.contains("MAXIMIZED")), "true false");
        x11(QString("xdotool mousemove %1 %2 click 1")
                .arg(monitor.center().x())
                .arg(monitor.center().y()));
        QTest::qWait(300); // the click's answers are in: the panels stay over it
        expectWhole("after a click");
        const QImage screen = screenShot(this->main()->screen());
        const auto notGrey = [&](int y, int from, int to) {
            int count = 0;
            for (int x = from; x < to; ++x)
                count += screen.pixel(x, y) != qRgb(204, 204, 204);
            return count;
        };
        const int right = monitor.width() * 3 / 4;
        const int bottom = monitor.height() - 1, logo = monitor.height() - 60;
        EXPECT_EQ(seen(notGrey(0, 0, monitor.width()), notGrey(bottom, 0, monitor.width()),
                       notGrey(logo, 0, right), notGrey(logo, right, monitor.width()) > 0),
                  "0 0 0 true")
            << round;
        x11("xdotool key Escape");
        ASSERT_SOON(keyWindow() == main && !controller->inFullScreen);
        EXPECT_SOON(placeOf(main) == before);
        EXPECT_FALSE(x11("xprop -id " + main + " _NET_WM_STATE").contains("FULLSCREEN"));
    }
    for (int i = 0; i < panels.size(); ++i)
        EXPECT_EQ(frameOf(get(panels[i])), places[i]) << qPrintable(panels[i]);
    QWidget *size = get("sizeWindow"); // closed where the user left it, opened there
    const QRect was = placeOf(hex(size));
    x11("xdotool windowmove " + hex(size) + " 300 400");
    ASSERT_SOON(placeOf(hex(size)) != was && !frameOf(size).isEmpty());
    const QRect left = frameOf(size);
    x11("wmctrl -i -c " + hex(size));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !size->isVisible(); }));
    controller->showSize(nullptr);
    EXPECT_SOON(frameOf(size) == left) << qPrintable(seen(frameOf(size), left));
}

// States the program could not leave without the window manager's help: the full-screen window
// minimised with the panels (and a modal dialog) over it, and the dialog itself minimised, which
// stays open. Every window a command shows is on screen; the panels keep their order into full
// screen; leaving it gives the main window the keyboard even when a panel had it before. With room
// beside the main window (moved right, 720 points wide: room on its left only) the settings open 8
// points left of its frame, level with its top, the distance editor at the screen's right edge
// below its menu bar.
TEST_F(WindowManagerTest, NothingStaysMinimisedOrOutOfOrder) {
    load();
    x11("xdotool windowmove --sync " + hex(main()) + " 700 150");
    ASSERT_SOON(main()->frameGeometry().left() >= 690);
    showPanels({"Prefs", "Dist"});
    QWidget *prefs = get("prefsWindow"), *dist = get("distWindow");
    ASSERT_SOON(onScreen(prefs) && keyWindow() == hex(dist) && !frameOf(prefs).isEmpty() &&
                !frameOf(dist).isEmpty());
    const QRect by = frameOf(main()), left = frameOf(prefs), right = frameOf(dist);
    EXPECT_EQ(seen(by.left() - left.right() - 1, left.top() - by.top(),
                   right.right() - main()->screen()->availableGeometry().right(),
                   right.top() - get("centralwidget")->mapToGlobal(QPoint()).y()),
              "8 0 0 0");
    const auto panelsBottomFirst = [&] {
        const QString stacking = x11("xprop -root _NET_CLIENT_LIST_STACKING");
        return QString(stacking.indexOf(hex(prefs)) < stacking.indexOf(hex(dist)) ? "prefs dist"
                                                                                  : "dist prefs");
    };
    x11("xdotool windowactivate --sync " + hex(prefs)); // the lower panel raised, and key
    ASSERT_TRUE(until(
        [&] { return keyWindow() == hex(prefs) && panelsBottomFirst() == QString("dist prefs"); }));
    // Restacked as asked, also by a window manager that takes no _NET_RESTACK_WINDOW (xfwm4).
    for (const auto &[window, sibling, order] :
         {std::tuple(dist, prefs, "prefs dist"), std::tuple(prefs, dist, "dist prefs")}) {
        restackAbove(window->winId(), sibling->winId());
        EXPECT_SOON(panelsBottomFirst() == QString(order)) << order;
    }
    x11("xdotool key space");
    ASSERT_SOON(keyWindow() == hex(controller->fullWindow));
    EXPECT_SOON(panelsBottomFirst() == QString("dist prefs")) << "entering full screen";
    x11("xdotool windowminimize --sync " + hex(controller->fullWindow));
    ASSERT_SOON(!onScreen(prefs) && !onScreen(dist)) << "gone with it";
    x11("xdotool key Escape");
    const auto state = [&] {
        return seen(onScreen(prefs), onScreen(dist), onScreen(main()), keyWindow());
    };
    EXPECT_SOON(state() == seen(true, true, true, hex(main()))) << qPrintable(state());
    controller->cleanUp();
    x11("xdotool key ctrl+1");
    EXPECT_SOON(onScreen(dist) && onScreen(main())) << "after closing";
    expectWhole("after the full-screen window was minimised");

    x11("xdotool key space"); // Save Picture, then the window manager minimises its window
    ASSERT_SOON(keyWindow() == hex(controller->fullWindow));
    // The window it is over minimised, then the dialog itself: it comes back, still open.
    QStringList dialogSeen; // after each minimising, then once the dialog's loop has run again
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> dialog;
        until([&] { return (dialog = QApplication::activeModalWidget()) && onScreen(dialog); });
        for (QWidget *minimised : {static_cast<QWidget *>(controller->fullWindow), dialog.data()}) {
            x11("xdotool windowminimize --sync " + hex(minimised));
            QString now;
            until([&] {
                return (now = seen(onScreen(dialog), onScreen(controller->fullWindow),
                                   QApplication::activeModalWidget() == dialog)) ==
                       "true true true";
            });
            dialogSeen << now;
        }
        // Closed once the dialog's own loop has run again: shown afresh, it would have ended it.
        if (dialog)
            QTimer::singleShot(300, dialog, [&, dialog] {
                dialogSeen << seen(dialog->isVisible());
                dialog->close();
            });
    });
    controller->savePicture(nullptr);
    EXPECT_EQ(dialogSeen.join(", "), "true true true, true true true, true")
        << "the modal dialog, the window it is over, open: the window it is over minimised, then "
           "the dialog";
}

// The program run as a user runs it, with settings of its own. It ends with status 0, closing its
// main window ending it where nothing else has.
struct ProgramUnderWindowManager : testing::Test {
    QTemporaryDir settings;
    QProcess program;
    QString pid, main, full;

    void start(const QStringList &arguments = {}) {
        program.setProcessEnvironment(programEnvironment(settings.path()));
        program.start(TETRAVOLUTE, arguments);
        pid = QString::number(program.processId());
    }
    // Once the program's window in the window manager's full-screen state covers a monitor whole:
    // where it is (empty if none does).
    QRect fullScreen() {
        until([&] {
            full.clear();
            for (const QString &window :
                 x11("xdotool search --onlyvisible --pid " + pid).split('\n'))
                if (x11("xprop -id " + window + " _NET_WM_STATE").contains("FULLSCREEN"))
                    full = window;
            const QRect place = full.isEmpty() ? QRect() : placeOf(full);
            const auto screens = QGuiApplication::screens();
            return std::any_of(screens.begin(), screens.end(),
                               [&](QScreen *s) { return s->geometry() == place; });
        });
        return full.isEmpty() ? QRect() : placeOf(full);
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            x11("wmctrl -i -c " + main);
            EXPECT_TRUE(program.waitForFinished(10000));
        }
        EXPECT_EQ(seen(program.exitStatus(), program.exitCode()), "QProcess::NormalExit 0");
    }
};

// Two monitors side by side (Xorg's dummy outputs, or GNOME's virtual ones), the program's settings
// panel open.
struct TwoMonitors : ProgramUnderWindowManager {
    QRect left, right;
    QString panel;

    void SetUp() override {
        QList<QScreen *> screens = QGuiApplication::screens();
        ASSERT_EQ(screens.size(), 2) << "a display with two monitors";
        std::sort(screens.begin(), screens.end(),
                  [](QScreen *a, QScreen *b) { return a->geometry().x() < b->geometry().x(); });
        left = screens[0]->geometry();
        right = screens[1]->geometry();
        start();
        main = shownWindow(pid, "Tetravolute");
        // The key once the X server gives the main window the keyboard: kwin names it active
        // before, and a key sent between goes to a window of its own.
        x11("xdotool windowactivate --sync " + main);
        ASSERT_SOON(x11("xdotool getwindowfocus -f").trimmed().toULongLong() ==
                    main.toULongLong(nullptr, 0));
        x11("xdotool key ctrl+comma");
        panel = shownWindow(pid, "Tetravolute Settings");
        ASSERT_FALSE(panel.isEmpty());
    }
    void moveTo(const QString &window, const QRect &monitor) {
        x11(QString("xdotool windowmove %1 %2 %3")
                .arg(window)
                .arg(monitor.x() + 150)
                .arg(monitor.y() + 150));
        EXPECT_SOON(monitor.contains(placeOf(window))) << qPrintable(window);
    }
    QRect spaceFromMain() {
        x11("xdotool windowactivate --sync " + main + " key space");
        return fullScreen();
    }
    static void secondMonitor(const char *how) {
        outputOf(SOURCE_DIR "/tests/support/second-monitor", {how});
    }
    void leave() {
        x11("xdotool key Escape");
        EXPECT_SOON(keyWindow() == main) << "after leaving full screen";
    }
};

// Full screen fills the main window's monitor only, and follows the main window to the other. The
// monitor that holds full screen, the main window and the panel unplugged: full screen covers
// the remaining one, and leaving it brings both windows back whole there, with the keyboard;
// plugged in again, full screen works on it.
TEST_F(TwoMonitors, FullScreenFollowsTheMainWindowAndOutlivesAMonitor) {
    moveTo(main, left);
    EXPECT_EQ(spaceFromMain(), left);
    leave();
    moveTo(main, right);
    moveTo(panel, right);
    EXPECT_EQ(spaceFromMain(), right);
    secondMonitor("off");
    EXPECT_SOON(placeOf(full) == left) << "full screen after unplugging";
    leave();
    for (const QString &window : {main, panel})
        EXPECT_SOON(left.contains(placeOf(window))) << qPrintable(window) << " after unplugging";
    secondMonitor("on");
    ASSERT_SOON(QGuiApplication::screens().size() == 2);
    const QRect again = QGuiApplication::screens().constLast()->geometry();
    // Seen by the window manager too, which would keep a window off it.
    ASSERT_SOON(x11("xprop -root _NET_DESKTOP_GEOMETRY")
                    .trimmed()
                    .endsWith(QString("= %1, %2").arg(again.right() + 1).arg(again.bottom() + 1)))
        << qPrintable(x11("xprop -root _NET_DESKTOP_GEOMETRY"));
    moveTo(main, again);
    EXPECT_EQ(spaceFromMain(), again) << "plugged in again";
    leave();
}

// Asked for on the command line, full screen covers the whole monitor in the window manager's
// full-screen state (GNOME's Wayland session included, the program on its XWayland), and closing
// it goes back to the main window. The program as the window manager sees it: its own icon (64,
// 128 and 256 pixels), and none of the film's libraries; then the settings panel and full screen,
// which Ctrl+Q ends with it.
TEST_F(ProgramUnderWindowManager, FullScreenFromTheStartCoversTheMonitor) {
    start({"--fullscreen"});
    ASSERT_EQ(fullScreen(), QGuiApplication::primaryScreen()->geometry());
    const QString state = x11("xprop -id " + full + " _NET_WM_STATE");
    EXPECT_FALSE(state.contains("MAXIMIZED")) << qPrintable(state);
    x11("wmctrl -i -c " + full);
    EXPECT_SOON(!x11("xwininfo -id " + full).contains("IsViewable"));
    main = shownWindow(pid, "Tetravolute"); // mapped again once the window manager has framed it
    const QString icons = x11("xprop -len 99999999 -id " + main + " _NET_WM_ICON");
    EXPECT_EQ(seen(main.isEmpty(), icons.count("Icon ("), icons.contains("(64 x 64)"),
                   icons.contains("(256 x 256)"), filmLibraries(program.processId())),
              "false 3 true true QList()"); // the film's libraries load only for a film
    x11("xdotool key --delay 150 ctrl+comma space ctrl+q"); // the settings panel, full screen, quit
    EXPECT_TRUE(program.waitForFinished(10000)) << "Ctrl+Q";
}

} // namespace
