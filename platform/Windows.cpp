// Levels are kept as a property on the window; stacking follows them whenever one changes. Key
// presses are routed by an application-wide filter.
#include "Windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

static const char levelProperty[] = "windowLevel";
static const char responderProperty[] = "firstResponder";
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

// Raises every shown window of a higher level than window's, lowest first.
static void keepHigherLevelsAbove(const QWidget *window) {
    QWidgetList higher;
    for (QWidget *other : QApplication::topLevelWidgets())
        if (other->isVisible() && windowLevel(other) > windowLevel(window))
            higher.append(other);
    std::stable_sort(higher.begin(), higher.end(), [](const QWidget *a, const QWidget *b) {
        return windowLevel(a) < windowLevel(b);
    });
    for (QWidget *other : higher)
        other->raise();
}

// Any level above normal stays on top. Among windows on top, window managers may refuse to raise
// one over the active window (a panel over the full-screen window), but they always keep a
// window above the one it is transient for: in the screen-saver band (the full-screen window's
// level and up) a window is made transient for the highest shown band window of a lower level.
// Links only ever point to lower levels, so they never form a loop. X11 reads the hint when the
// window is mapped, and only for tool windows. Leaves a shown window shown.
static void applyLevel(QWidget *window) {
    const int band = windowLevelForKey(ScreenSaverWindowLevelKey) - 2;
    QWidget *below = nullptr;
    for (QWidget *other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && windowLevel(other) >= band &&
            windowLevel(other) < windowLevel(window) &&
            (!below || windowLevel(other) > windowLevel(below)))
            below = other;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, windowLevel(window) > 0);
    flags = (flags & ~Qt::WindowType_Mask) | (below ? Qt::Tool : Qt::Window);
    const bool shown = window->isVisible();
    if (flags != window->windowFlags())
        window->setWindowFlags(flags); // hides a shown window
    window->winId();
    QWindow *parent = below ? below->windowHandle() : nullptr;
    if (window->windowHandle()->transientParent() != parent) {
        window->hide(); // mapped again below, with the new hint
        window->windowHandle()->setTransientParent(parent);
    }
    if (shown)
        window->show();
}

void setLevel(QWidget *window, int level) {
    if (!window)
        return;
    window->setProperty(levelProperty, level);
    applyLevel(window);
    if (window->isVisible()) {
        window->raise();
        keepHigherLevelsAbove(window);
    }
}

void setIsVisible(QWidget *window, bool visible) {
    if (!window)
        return;
    if (visible && !window->isVisible())
        applyLevel(window);
    window->setVisible(visible);
}

void orderFront(QWidget *window) {
    if (!window)
        return;
    window->show();
    window->raise();
    keepHigherLevelsAbove(window);
}

void makeKeyWindow(QWidget *window) {
    if (window && window->isVisible())
        window->activateWindow();
}

void makeKeyAndOrderFront(QWidget *window) {
    orderFront(window);
    makeKeyWindow(window);
}

void makeFirstResponder(QWidget *window, QObject *responder) {
    if (window)
        window->setProperty(responderProperty, QVariant::fromValue(QPointer<QObject>(responder)));
}

QObject *firstResponder(const QWidget *window) {
    return window ? window->property(responderProperty).value<QPointer<QObject>>().data() : nullptr;
}

namespace {

// Space and escape, without modifiers, from any widget of a window with a first responder.
class KeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *target, QEvent *event) override {
        const auto type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(target);
        if (!widget || key->modifiers() != Qt::NoModifier ||
            (key->key() != Qt::Key_Space && key->key() != Qt::Key_Escape))
            return false;
        QObject *responder = firstResponder(widget->window());
        if (!responder)
            return false;
        if (type == QEvent::KeyPress) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(responder, &copy);
        }
        event->accept();
        return true; // the focused control never sees it
    }
};

} // namespace

void routeKeysToResponders() {
    static KeyRouter *router = nullptr;
    if (!router) {
        router = new KeyRouter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(router);
    }
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
