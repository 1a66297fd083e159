// Levels are kept as a property on the window; stacking follows them whenever one changes.
#include "Windows.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>

static const char levelProperty[] = "windowLevel";
static const char responderProperty[] = "firstResponder";

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

void setLevel(QWidget *window, int level) {
    if (!window)
        return;
    window->setProperty(levelProperty, level);
    const bool onTop = level > 0;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        const bool shown = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop); // hides a shown window
        if (shown)
            window->show();
    }
    if (window->isVisible()) {
        window->raise();
        keepHigherLevelsAbove(window);
    }
}

void setIsVisible(QWidget *window, bool visible) {
    if (window)
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
