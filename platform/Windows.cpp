// Levels are kept as a property on the window; stacking follows them whenever one changes.
#include "Windows.h"

#include "WindowManager.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

static const char levelProperty[] = "windowLevel";
static const char opaqueProperty[] = "opaque";

int windowLevelForKey(int key) {
    switch (key) {
    case FloatingWindowLevelKey:
        return 3;
    case ScreenSaverWindowLevelKey:
        return 1000;
    default:
        return 0;
    }
}

int windowLevel(const QWidget *window) {
    return window ? window->property(levelProperty).toInt() : 0;
}

QWidgetList inStackingOrder(QWidgetList windows) {
    const QList<xcb_window_t> stacking = stackingOrder();
    const auto place = [&stacking](const QWidget *window) {
        return window ? stacking.indexOf(static_cast<xcb_window_t>(window->internalWinId())) : -1;
    };
    std::stable_sort(windows.begin(), windows.end(),
                     [&](const QWidget *a, const QWidget *b) { return place(a) < place(b); });
    return windows;
}

// Raises every shown window of a higher level than window's, lowest level first, and within a
// level in the order they stand, so that raising them keeps it.
static void keepHigherLevelsAbove(const QWidget *window) {
    QWidgetList higher;
    for (QWidget *other : QApplication::topLevelWidgets())
        if (other->isVisible() && windowLevel(other) > windowLevel(window))
            higher.append(other);
    higher = inStackingOrder(higher);
    std::stable_sort(higher.begin(), higher.end(), [](const QWidget *a, const QWidget *b) {
        return windowLevel(a) < windowLevel(b);
    });
    for (QWidget *other : higher)
        other->raise();
}

QWidget *floatsAbove(const QWidget *panel) {
    QWidget *below = nullptr;
    for (QWidget *other : QApplication::topLevelWidgets())
        if (other->windowType() != Qt::Tool && other->isVisible() &&
            windowLevel(other) <= windowLevel(panel) &&
            (!below || windowLevel(other) > windowLevel(below)))
            below = other;
    return below;
}

// Qt reads a window's transient parent only when it maps the window; a shown window gets the
// hint straight from here. A native window not made yet is left to be made at its show, whose
// shown event comes here again: a panel takes its first place before then.
static void setTransientParent(QWidget *window, QWidget *parent) {
    if (!window->testAttribute(Qt::WA_WState_Created))
        return;
    QWindow *handle = window->windowHandle();
    QWindow *target = parent ? parent->windowHandle() : nullptr;
    if (!handle || handle->transientParent() == target)
        return;
    handle->setTransientParent(target);
    if (target && handle->isVisible())
        setTransientFor(static_cast<xcb_window_t>(handle->winId()),
                        static_cast<xcb_window_t>(target->winId()));
}

// Stacking without re-creating anything. A panel (a tool window, whose flags never change) is
// transient for the window it floats above: window managers keep it above that window, and let
// other programs' windows cover it. Any other window above the normal level stays on top of all
// windows; its flags must be final before it holds the view, since changing them re-creates its
// native window, which takes embedded windows with it.
void updateStacking(QWidget *window) {
    if (!window)
        return;
    if (window->windowType() == Qt::Tool) {
        setTransientParent(window, floatsAbove(window));
        return;
    }
    const bool onTop = windowLevel(window) > 0;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop); // hides a shown window
}

void setLevel(QWidget *window, int level) {
    if (!window)
        return;
    window->setProperty(levelProperty, level);
    const bool shown = window->isVisible();
    updateStacking(window);
    if (shown)
        setIsVisible(window, true); // shown again after new flags, and never left minimised
    // A window manager keeps the levels itself: panels over the window they are transient for,
    // windows on top over the others. Raising a window would have some give it the keyboard.
    if (window->isVisible() && !windowManagerRunning()) {
        window->raise();
        keepHigherLevelsAbove(window);
    }
}

void setLevel(const QWidgetList &windows, int level) {
    QWidgetList bottomFirst = inStackingOrder(windows);
    if (!windowManagerRunning()) {
        for (QWidget *window : bottomFirst)
            setLevel(window, level); // each raised in turn
        return;
    }
    // A window whose transient parent changes goes right above a new parent that stands above it,
    // and on top of the windows over a new parent below it (marco): so the hints change top first
    // when the level rises, bottom first when it falls. Others put it on top either way (openbox,
    // and xfwm4 once it manages the new parent), so restacking requests settle the order: once the
    // caller's own requests are out, since raising the window they float above may sort them
    // again (kwin).
    QWidgetList changing = bottomFirst;
    if (!changing.isEmpty() && level > windowLevel(changing.first()))
        std::reverse(changing.begin(), changing.end());
    for (QWidget *window : changing)
        setLevel(window, level);
    QList<QPointer<QWidget>> order(bottomFirst.begin(), bottomFirst.end());
    QTimer::singleShot(0, qApp, [order] {
        QWidget *below = nullptr;
        for (QWidget *window : order) {
            if (!window || !window->isVisible())
                continue;
            if (below)
                restackAbove(static_cast<xcb_window_t>(window->winId()),
                             static_cast<xcb_window_t>(below->winId()));
            below = window;
        }
    });
}

void setIsVisible(QWidget *window, bool visible) {
    if (!window)
        return;
    if (!visible) {
        window->hide();
        return;
    }
    // A window the window manager minimised (a panel goes with the window it floats above) still
    // counts as shown to Qt, which may not even have heard of it yet; a hidden one keeps the state:
    // mapped like that, it would show nothing, and openbox would minimise its group with it.
    if (window->isVisible()) {
        // Minimised still, and Qt has heard of it: withdrawn and mapped afresh, since mapped again
        // a panel whose window above was minimised stays minimised under marco. A modal dialog is
        // only mapped again: hidden, it would end the loop it runs in, and the user's choices.
        const auto id = static_cast<xcb_window_t>(window->winId());
        if (window->isMinimized() && isIconic(id) && !window->isModal()) {
            window->hide();
            window->show();
        } else {
            restoreIfIconic(id);
        }
        return;
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    updateStacking(window);
    window->show();
}

void orderFront(QWidget *window) {
    if (!window)
        return;
    setIsVisible(window, true);
    window->raise();
    if (!windowManagerRunning())
        keepHigherLevelsAbove(window);
}

// Through the window manager, after the requests before: Qt would set the X server's focus itself
// when it thinks it has it, and the window manager would then move it as those requests say.
void makeKeyWindow(QWidget *window) {
    if (window && window->isVisible() &&
        !requestActivation(static_cast<xcb_window_t>(window->winId())))
        window->activateWindow();
}

void makeKeyAndOrderFront(QWidget *window) {
    orderFront(window);
    makeKeyWindow(window);
}

void setOpaque(QWidget *window, bool opaque) {
    if (window)
        window->setProperty(opaqueProperty, opaque);
}

bool isOpaque(const QWidget *window) {
    const QVariant opaque = window ? window->property(opaqueProperty) : QVariant(false);
    return !opaque.isValid() || opaque.toBool(); // opaque until told otherwise
}

void setAlphaValue(QWidget *window, double alpha) {
    if (window)
        window->setWindowOpacity(alpha);
}

namespace {

// A spontaneous close event comes from outside the program: the window manager, on the user's
// request. The program's own close() is not spontaneous.
class CloseRedirect : public QObject {
public:
    CloseRedirect(QWidget *window, QObject *target, const char *method)
        : QObject(window), target(target), method(method) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::Close || !event->spontaneous())
            return false;
        event->ignore();
        if (target)
            QMetaObject::invokeMethod(target, method, Qt::QueuedConnection);
        return true;
    }

private:
    QPointer<QObject> target;
    const char *method;
};

// Watches every window's state: while a modal dialog blocks the program, neither it nor the window
// it sits over stays minimised (the window manager takes a dialog along with its window).
class ModalInSight : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *object, QEvent *event) override {
        QWidget *modal = QApplication::activeModalWidget();
        auto *window = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::WindowStateChange && modal && window && window->isWindow() &&
            window->isMinimized() && (window == modal || modal->parentWidget() == window))
            QTimer::singleShot(0, window, [window] { setIsVisible(window, true); });
        return false;
    }
};

} // namespace

void keepModalDialogsInSight() {
    static ModalInSight *watcher = nullptr;
    if (!watcher) {
        watcher = new ModalInSight(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watcher);
    }
}

void redirectCloseRequests(QWidget *window, QObject *target, const char *method) {
    if (window)
        window->installEventFilter(new CloseRedirect(window, target, method));
}
