// Windows kept on the monitors there are. Qt moves a gone monitor's windows to the primary screen
// in name only, and window managers differ: openbox and xfwm4 leave a window a few pixels on
// screen.
#include "Monitors.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

static bool wholeOnAMonitor(const QRect &frame) {
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen *screen) { return screen->geometry().contains(frame); });
}

// At the same place relative to the area as it had relative to the monitor it was on, moved in as
// far as needed to be whole; at the area's corner when larger than it.
static QPoint placeIn(const QRect &frame, const QRect &was, const QRect &area) {
    const QPoint place = area.topLeft() + frame.topLeft() - was.topLeft();
    return {std::max(area.left(), std::min(place.x(), area.right() + 1 - frame.width())),
            std::max(area.top(), std::min(place.y(), area.bottom() + 1 - frame.height()))};
}

static void bringBack(const QRect &gone) {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const QScreen *screen = window->screen();
        // Window managers keep a full-screen window on a monitor themselves.
        if (!screen || !window->testAttribute(Qt::WA_WState_Created) || window->isFullScreen())
            continue;
        const QRect frame = window->frameGeometry();
        if (!wholeOnAMonitor(frame))
            window->move(placeIn(frame, gone.intersects(frame) ? gone : screen->geometry(),
                                 screen->availableGeometry()));
    }
}

void keepWindowsOnMonitors() {
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, qGuiApp, [](QScreen *gone) {
        const QRect was = gone->geometry();
        // Once Qt has moved the gone monitor's windows to a remaining one.
        QTimer::singleShot(0, qGuiApp, [was] { bringBack(was); });
    });
}
